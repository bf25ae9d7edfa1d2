#!/usr/bin/env bash
# Builds the packages into dist/: multikevra-<version>-windows-x64.zip (multikevra.exe,
# multikevra-check.exe, the README and the example, in one folder) and
# multikevra-<version>-linux-<cpu>.tar.gz (bin/, share/doc/multikevra/). Release builds in
# build-package-linux/ and build-package-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake make g++ g++-mingw-w64-x86-64-posix
rm -rf dist
mkdir dist
for platform in linux windows; do
  build=build-package-$platform
  options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF)
  [ "$platform" = windows ] && options+=(--toolchain "$PWD/cmake/mingw-w64-x86_64.cmake")
  cmake -S . -B "$build" "${options[@]}" >/dev/null
  cmake --build "$build" --parallel 2 >/dev/null
  rm -rf "$build/packages"
  cpack --config "$build/CPackConfig.cmake" -B "$build/packages" >/dev/null
  mv "$build"/packages/multikevra-* dist/
done
ls -l dist
