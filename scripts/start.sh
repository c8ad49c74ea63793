#!/usr/bin/env bash
# Installs what is missing, builds, and starts the manager. Extra arguments go to the program.
# Without a display it starts one of its own (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

program=build/MistFoldLicenseManager_artefacts/RelWithDebInfo/MistFoldLicenseManager

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting the manager under Xvfb. To see it, run this from a desktop session,"
    echo "or keep it running here and take a screenshot with: xwd -root -display \$DISPLAY"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi

exec "$program" "$@"
