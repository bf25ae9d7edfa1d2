#!/usr/bin/env bash
# Stage: lint: a warning-free Release build, clang-tidy (.clang-tidy) and cppcheck on src/
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make g++ clang-tidy-14 cppcheck googletest libgtest-dev \
  python3
# A packager's plain Release build (no preset; gcc at -O3, where gcc warns most), tests
# included, with warnings as errors: the other stages build RelWithDebInfo (clang in the
# sanitizer stage). Its compile commands also tell clang-tidy how each file is built (without
# link-time optimisation, whose gcc flags clang does not know).
echo "Release build"
cmake -S . -B build-lint -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-lint --parallel 2 >/dev/null

echo "clang-tidy"
# The sources of this platform's build under src/ (another platform's files are left out), one
# a line: a checkout path may hold blanks.
sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' build-lint/compile_commands.json | grep "^$PWD/src/" | sort -u |
  xargs -d "\n" -n 4 -P 2 clang-tidy-14 -p build-lint --quiet 2> >(grep -v 'warnings generated' >&2)

echo "cppcheck"
cppcheck --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
  --error-exitcode=1 --quiet -I src --suppressions-list=tests/lint/cppcheck-suppressions.txt \
  src
echo "lint clean"
