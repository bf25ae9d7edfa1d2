#!/usr/bin/env bash
# Stage: Linux build: unit tests and end-to-end cases
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make g++ googletest libgtest-dev python3 time clang-format
# The sources as .clang-format lays them out.
find src tests bench \( -name '*.cc' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
cmake --preset default -DBUILD_TESTING=ON >/dev/null
cmake --build --preset default
ctest --preset default
