#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, integration, fuzzing).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${LAMPSTRIDE_BUILD_DIR:-$root/build}"
ctest --test-dir "$build" --output-on-failure
