#!/bin/bash
# Launch time of pesavia: from starting the process to its main window mapped on an Xvfb screen, over
# several runs, each with a fresh user folder (first start: the program's folder is created).
#   scripts/measure_startup.sh [path/to/pesavia] [runs]
# Needs Xvfb and xdotool.
set -euo pipefail

program=${1:-"$(dirname "$0")/../build/app/pesavia"}
runs=${2:-10}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "measure_startup: $tool is missing" >&2; exit 2; }
done
[ -x "$program" ] || { echo "measure_startup: no program at $program" >&2; exit 2; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

times=()
for run in $(seq "$runs"); do
    home=$work/run$run
    mkdir -p "$home/.local/share"
    start=$(date +%s%N)
    HOME=$home XDG_DATA_HOME=$home/.local/share "$program" >/dev/null 2>&1 &
    pid=$!
    # Poll for the mapped window; a poll costs a few milliseconds.
    until xdotool search --onlyvisible --name '^Pesavia$' >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "measure_startup: the program ended before showing its window" >&2; exit 1; }
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "run $run: $ms ms"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
echo "launch to main window over $count runs: min ${sorted[0]} ms, median ${sorted[$((count / 2))]} ms, max ${sorted[$((count - 1))]} ms"
