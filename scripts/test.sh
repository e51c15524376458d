#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest (window tests run offscreen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install_deps.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" --timeout 300
