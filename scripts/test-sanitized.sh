#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitized/ and runs
# every test there; any report fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREELWRIGHT_HARDENING=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-sanitized -j"$(nproc)"
here="$(pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=86"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizer-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=86"
ctest --test-dir build-sanitized --output-on-failure -j"$(nproc)" --timeout 3000 "$@"
