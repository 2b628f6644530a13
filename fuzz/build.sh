#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers into build/fuzz. Run one afterwards, seeded with the embedded texts, e.g.:
#   mkdir -p build/fuzz/corpus
#   build/fuzz/fuzz/options_fuzz -max_total_time=600 -timeout=10 build/fuzz/corpus \
#     fuzz/corpus/options resources
# Inputs worth keeping go to fuzz/corpus/<target>, which every `make test` replays.
# or the GIF decoder, seeded with its committed corpus and the program's images:
#   build/fuzz/fuzz/gif_fuzz -max_total_time=600 -timeout=10 build/fuzz/gif fuzz/corpus/gif resources/images
#   build/fuzz/fuzz/profile_file_fuzz -max_total_time=600 build/fuzz/profiles fuzz/corpus/profiles
#   build/fuzz/fuzz/restore_journal_fuzz -max_total_time=600 build/fuzz/journals fuzz/corpus/journals
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTGL_FUZZ=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake --build build/fuzz -j2 --target options_fuzz ini_fuzz gif_fuzz profile_file_fuzz \
  restore_journal_fuzz
