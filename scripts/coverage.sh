#!/usr/bin/env bash
# Line and branch coverage of src/ over the whole suite (unit tests and end-to-end cases).
#
#   bash scripts/coverage.sh
#
# Builds the "coverage" preset (gcc --coverage) in build-coverage, runs every test, and prints
# gcovr's per-file report (with the lines not run) and the totals. Branches that only exist
# for exceptions, and those gcc marks unreachable, are left out of the count.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake make g++ googletest libgtest-dev python3 gcovr
cmake --preset coverage -DBUILD_TESTING=ON >/dev/null
cmake --build --preset coverage
find build-coverage -name '*.gcda' -delete
# Some cases run the program as the user nobody, which must be able to write its counters:
# the folders are opened to everyone, and the counter files are made writable by everyone.
chmod -R a+rwX build-coverage
(umask 0 && ctest --preset coverage "$@")
options=(--root . --filter 'src/' --exclude-throw-branches --exclude-unreachable-branches)
echo "---- lines not run, per file"
gcovr "${options[@]}" build-coverage
echo "---- branches not taken, per file"
gcovr "${options[@]}" --branches build-coverage
echo "---- totals"
# The summary comes with a report that must go somewhere: a file of the build, never /dev/null,
# which gcovr replaces with an ordinary file where it may (as root).
gcovr "${options[@]}" --print-summary --output build-coverage/coverage.txt build-coverage
