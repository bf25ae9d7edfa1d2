#!/usr/bin/env bash
# The main job on the shipped example: builds multikevra, replays the example's answers in a
# scratch copy of examples/quartz-series, and prints the console and the generated script.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake make g++
cmake --preset default -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset default --target multikevra >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/quartz-series/* "$work"
(cd "$work" && "$OLDPWD/build/multikevra" < answers.txt)
echo "---- multikevra.bat (CR LF line ends) ----"
tr -d '\r' < "$work/multikevra.bat"
