#!/usr/bin/env bash
# Stage: AddressSanitizer and UndefinedBehaviorSanitizer: unit tests and end-to-end cases
#
# The whole suite runs again on the "asan" build. A sanitizer report ends the process with
# status 86 (the test preset sets ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS so), never with
# an abort, so it cannot pass for the fatal diagnostic's expected abort; and the end-to-end cases
# compare standard error byte for byte anyway. Leaks are checked at every normal exit.
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make clang-14 libclang-rt-14-dev llvm-14 googletest \
  libgtest-dev python3
cmake --preset asan -DBUILD_TESTING=ON >/dev/null
cmake --build --preset asan
symbolizer=$(command -v llvm-symbolizer-14 || true)
[ -z "$symbolizer" ] || export ASAN_SYMBOLIZER_PATH=$symbolizer
ctest --preset asan --output-log build-asan/ctest.log
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' build-asan/ctest.log; then
  echo "a sanitizer report was printed (see build-asan/ctest.log)"
  exit 1
fi
