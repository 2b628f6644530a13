# The two commands of the README: `make run` builds and starts the program (under Wine on
# Linux), `make test` builds and runs every test. Both install what is missing first.
SHELL := /bin/bash
WINE := /usr/lib/wine/wine64
JOBS ?= 2
ARGS ?=
RUN_PREFIX := $(CURDIR)/build/wineprefix-run

.PHONY: run test bench deps native win64 win32 clean

run: deps win64
	@mkdir -p build
	@export WINEPREFIX="$(RUN_PREFIX)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="; \
	if [ -n "$$DISPLAY" ]; then $(WINE) build/win64/TesmoraGL.exe $(ARGS); \
	else xvfb-run -a -s "-screen 0 1024x768x24" $(WINE) build/win64/TesmoraGL.exe $(ARGS); fi

test: deps win64 win32 native
	xvfb-run -a -s "-screen 0 1024x768x24" \
	  ctest --test-dir build/native --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench --target tgl_bench -j$(JOBS)
	build/bench/bench/tgl_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

native:
	cmake --preset native -DTGL_WIN64_DIR=$(CURDIR)/build/win64 -DTGL_WIN32_DIR=$(CURDIR)/build/win32
	cmake --build --preset native -j$(JOBS)

win64:
	cmake --preset win64
	cmake --build --preset win64 -j$(JOBS)

win32:
	cmake --preset win32
	cmake --build --preset win32 -j$(JOBS)

# Installs the toolchains and Wine when they are missing (Debian, as root).
deps:
	@missing=""; \
	command -v cmake >/dev/null || missing="$$missing cmake"; \
	command -v g++ >/dev/null || missing="$$missing g++"; \
	[ -e /usr/include/gtest/gtest.h ] || missing="$$missing libgtest-dev"; \
	[ -e /usr/include/benchmark/benchmark.h ] || missing="$$missing libbenchmark-dev"; \
	command -v x86_64-w64-mingw32-g++-win32 >/dev/null || missing="$$missing g++-mingw-w64-x86-64-win32"; \
	command -v i686-w64-mingw32-g++-win32 >/dev/null || missing="$$missing g++-mingw-w64-i686-win32"; \
	command -v x86_64-w64-mingw32-windres >/dev/null || missing="$$missing binutils-mingw-w64-x86-64"; \
	command -v i686-w64-mingw32-windres >/dev/null || missing="$$missing binutils-mingw-w64-i686"; \
	[ -x $(WINE) ] || missing="$$missing wine wine64"; \
	command -v xvfb-run >/dev/null || missing="$$missing xvfb xauth"; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" != 0 ]; then echo "run as root, or install:$$missing"; exit 1; fi; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi

clean:
	rm -rf build
