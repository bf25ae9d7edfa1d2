#!/usr/bin/env bash
# Builds multikevra and runs every test. Each stage under tests/stages runs in order and
# installs what it needs; the first failing stage fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

for stage in tests/stages/[0-9]*.sh; do
  echo "== $(sed -n 's/^# Stage: //p' "$stage")"
  bash "$stage"
done
echo "== all stages passed"
