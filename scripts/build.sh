#!/usr/bin/env bash
# Configures and builds Pesavia with Ninja into build/ (or the folder given as first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C "$build" -j "$(nproc)"
