#!/usr/bin/env bash
# Installs the Debian 12 packages Pesavia needs to build, test and run, and the French locale the tests
# use. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-charts-dev libgl-dev
    libjpeg62-turbo-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils fonts-liberation2 xvfb xauth imagemagick locales
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
