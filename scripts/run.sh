#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pesavia.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install_deps.sh"
bash "$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Pesavia est construit dans $root/build/app/pesavia, mais aucun affichage n'est disponible :"
    echo "lancez-le depuis une session graphique (ou sous xvfb-run)."
    exit 1
fi
exec "$root/build/app/pesavia"
