#!/usr/bin/env bash
# Installs what is missing, builds, and runs Lampstride.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${LAMPSTRIDE_BUILD_DIR:-$root/build}"
# The query engine on a sample query; the panel program comes with the desktop layer.
"$build/bin/lampstride-cli" search "${1:-Ів 3:16}"
