#!/usr/bin/env bash
# The benchmark: microbenchmarks of the hot paths, then the program end to end on 10,000,
# 100,000 and 1,000,000 entries against the floor (a plain copy of a file of the script's
# size), and multikevra-check on the largest script beside the same floor. Takes a few
# minutes; run it on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake make g++ libbenchmark-dev python3 time
cmake --preset default -DMULTIKEVRA_BENCHMARKS=ON >/dev/null
cmake --build --preset default --target multikevra multikevra-check micro_bench >/dev/null

echo "== microbenchmarks"
build/bench/micro_bench --benchmark_min_time=0.5
echo "== end to end"
python3 bench/bench.py --program build/multikevra --checker build/multikevra-check "$@"
