#!/bin/sh
# Builds every fuzz target with clang, libFuzzer and the address and undefined-behaviour
# sanitizers into build/fuzz/fuzz, with build/fuzz/fuzz/targets.txt naming each target's
# corpus folders. fuzz/run.sh then runs them.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTGL_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake --build build/fuzz -j2 --target fuzz_targets
