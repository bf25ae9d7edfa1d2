#!/usr/bin/env bash
# Stage: Windows build: multikevra.exe and multikevra-check.exe cross-built, end-to-end cases and the example's script under Wine
set -euo pipefail
cd "$(dirname "$0")/../.."

bash scripts/install_packages.sh cmake make python3 g++-mingw-w64-x86-64-posix wine wine64
cmake --preset windows -DBUILD_TESTING=ON >/dev/null
cmake --build --preset windows

# One file each that runs on a bare Windows: they may import from system DLLs only.
for program in multikevra multikevra-check; do
  imports=$(x86_64-w64-mingw32-objdump -p "build-windows/$program.exe" | sed -n 's/^\s*DLL Name: //p')
  for dll in $imports; do
    case "${dll,,}" in
      kernel32.dll | msvcrt.dll) ;;
      *) echo "$program.exe needs $dll, which Windows does not ship" >&2; exit 1 ;;
    esac
  done
done

export WINEDEBUG=-all
ctest --preset windows --output-junit junit.xml
python3 - build-windows/junit.xml <<'PY'
import sys
import xml.etree.ElementTree as tree
cases = [case for case in tree.parse(sys.argv[1]).iter("testcase")
         if case.get("name", "").startswith(("golden.", "check."))]
skipped = [case for case in cases if case.get("status") == "notrun"]
print(f"end-to-end cases on Windows: {len(cases) - len(skipped)} run, {len(skipped)} skipped")
for case in skipped:
    reason = (case.findtext("system-out") or "").strip().removeprefix("skipped on Windows: ")
    print(f"  skipped {case.get('name')}: {reason}")
PY
