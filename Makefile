# The two commands of the README: `make run` builds and starts the program (under Wine on
# Linux) in a demo folder with two games (DEMO=0: bare), `make test` builds and runs every
# test. Both install what is missing first.
#
# Under Wine both use the i686 release build in a 32-bit prefix; only where this machine's
# kernel cannot run 32-bit programs do they fall back to the x86_64 build in a 64-bit
# prefix (tools/wine-target decides; TGL_WINE_TARGET=i686|x86_64 overrides it).
SHELL := /bin/bash
JOBS ?= 2
ARGS ?=
# 1: `make run` starts the program in a demo folder under build/ (seeded once by
# tools/run-demo); 0: bare, beside the build, with no games and the embedded catalogue.
DEMO ?= 1

# Set by `run` and `test` once Wine is installed; the build and the Wine that go with it.
TARGET ?= i686
PRESET = $(if $(filter x86_64,$(TARGET)),win64,win32)
WINE = $(if $(filter x86_64,$(TARGET)),/usr/lib/wine/wine64,/usr/lib/wine/wine)
WINEARCH = $(PRESET)
RUN_PREFIX = $(CURDIR)/build/wineprefix-run-$(TARGET)
DEMO_FOLDER = $(CURDIR)/build/demo-$(TARGET)
XVFB := xvfb-run -a -s "-screen 0 1024x768x24"

.PHONY: run test bench bench-wine bench-wine-run dist screenshots screenshots-run deps start check native win64 win32 clean

run: deps
	@$(MAKE) --no-print-directory start TARGET=$$(tools/wine-target)

test: deps
	@$(MAKE) --no-print-directory check TARGET=$$(tools/wine-target)

start: $(PRESET)
	@mkdir -p build
	@export WINEPREFIX="$(RUN_PREFIX)" WINEARCH=$(WINEARCH) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="; \
	if [ "$(DEMO)" != 0 ]; then run="tools/run-demo build/$(PRESET) $(DEMO_FOLDER) $(WINE)"; \
	else run="$(WINE) build/$(PRESET)/TesmoraGL.exe"; fi; \
	if [ -n "$$DISPLAY" ]; then $$run $(ARGS); else $(XVFB) $$run $(ARGS); fi

# The i686 build is always built: it is what users get, and its imports are checked.
check: win32 $(PRESET) native
	tools/make-dist $(if $(filter x86_64,$(TARGET)),--amd64 build/win64)
	@echo "End-to-end tests: build/$(PRESET)/TesmoraGL.exe ($(TARGET)) under $(WINE), WINEARCH=$(WINEARCH)"
	ctest --test-dir build/native --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench --target tgl_bench -j$(JOBS)
	build/bench/bench/tgl_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The packages, from the i686 release build: build/dist/TesmoraGL-<version>.zip and
# TesmoraGL-<version>-setup.exe (NSIS), checked to load on Windows 98 SE and 2000.
dist: deps win32
	tools/make-dist

# The store against the Windows profile functions under Wine, and the start-up time.
bench-wine: deps
	@$(MAKE) --no-print-directory bench-wine-run TARGET=$$(tools/wine-target)

bench-wine-run: $(PRESET)
	tools/bench-wine build/$(PRESET) $(WINE) $(WINEARCH) 5

# The core, its unit tests, the fuzz corpora and the Wine tests' harness, all built under
# AddressSanitizer and UBSan: `make test` runs every native test with them.
native:
	cmake --preset native -DTGL_E2E_DIR=$(CURDIR)/build/$(PRESET) -DTGL_WINE_LOADER=$(WINE) \
	  -DTGL_WINEARCH=$(WINEARCH) -DTGL_WIN32_DIR=$(CURDIR)/build/win32
	cmake --build --preset native -j$(JOBS)

win64:
	cmake --preset win64
	cmake --build --preset win64 -j$(JOBS)

win32:
	cmake --preset win32
	cmake --build --preset win32 -j$(JOBS)

# Every screenshot of docs/screenshots, taken anew from the build under Wine (the i686 one
# where this machine can run it); a window that does not show fails it.
screenshots: deps
	@command -v import >/dev/null && command -v xwininfo >/dev/null || \
	  (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick x11-utils >/dev/null)
	@$(MAKE) --no-print-directory screenshots-run TARGET=$$(tools/wine-target)

screenshots-run: $(PRESET)
	tools/capture-main-window-screenshots build/$(PRESET)
	tools/capture-feature-screenshots build/$(PRESET)
	tools/capture-dialog-screenshots build/$(PRESET)
	tools/capture-frame-screenshots build/$(PRESET)
	tools/capture-widget-screenshots build/$(PRESET)

# Installs the toolchains and Wine when they are missing (Debian, as root). The 32-bit
# Wine comes from the i386 architecture, which is added first.
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
	[ -x /usr/lib/wine/wine64 ] || missing="$$missing wine wine64"; \
	[ -x /usr/lib/wine/wine ] || missing="$$missing wine32:i386"; \
	command -v xvfb-run >/dev/null || missing="$$missing xvfb xauth"; \
	[ -e /usr/include/stb/stb_image.h ] || missing="$$missing libstb-dev"; \
	/usr/bin/python3 -c 'import PIL' 2>/dev/null || missing="$$missing python3-pil"; \
	command -v makensis >/dev/null || missing="$$missing nsis"; \
	command -v zip >/dev/null || missing="$$missing zip"; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" != 0 ]; then echo "run as root, or install:$$missing"; exit 1; fi; \
	  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi

clean:
	rm -rf build
