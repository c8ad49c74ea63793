#!/usr/bin/env bash
# Installs what is missing, builds, and starts the manager. Extra arguments go to the program.
# Without a display it starts one of its own (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

program=build/MistFoldLicenseManager_artefacts/RelWithDebInfo/MistFoldLicenseManager

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting the manager under Xvfb, a virtual display. To see the window,"
    echo "run this command from a desktop session, or take a screenshot of the display named below."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        sh -c 'echo "Xvfb display: $DISPLAY"; exec "$0" "$@"' "$program" "$@"
fi

exec "$program" "$@"
