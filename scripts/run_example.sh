#!/usr/bin/env bash
# The main job on the shipped example: builds multikevra and multikevra-check, replays the
# example's answers in a scratch copy of examples/quartz-series, prints the console and the
# generated script, and checks the script (it is clean: no finding, exit status 0).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake make g++
cmake --preset default -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset default --target multikevra multikevra-check >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/quartz-series/* "$work"
(cd "$work" && "$OLDPWD/build/multikevra" < answers.txt)
echo "---- multikevra.bat (CR LF line ends) ----"
tr -d '\r' < "$work/multikevra.bat"
echo "---- multikevra-check multikevra.bat ----"
(cd "$work" && "$OLDPWD/build/multikevra-check" multikevra.bat)
