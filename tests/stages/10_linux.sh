#!/usr/bin/env bash
# Stage: Linux build: unit tests and end-to-end cases
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make g++ googletest libgtest-dev python3 time
cmake --preset default -DBUILD_TESTING=ON >/dev/null
cmake --build --preset default
ctest --preset default
