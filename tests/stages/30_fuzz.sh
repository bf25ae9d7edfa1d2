#!/usr/bin/env bash
# Stage: fuzzing: each libFuzzer target for a bounded time (FUZZ_SECONDS, default 60)
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make clang-14 libclang-rt-14-dev llvm-14
bash tests/fuzz/run_fuzzers.sh "${FUZZ_SECONDS:-60}"
