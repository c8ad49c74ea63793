#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build, the tests and the program need and
# this machine does not have yet. Quick when everything is there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    juce-modules-source      # JUCE 7 and the libraries its modules use
    libgtest-dev             # tests
    xvfb xauth               # a display for GUI tests and for machines without one
    fonts-dejavu-core        # JUCE draws text with the system's fonts
    rsync 7zip pkexec        # tools the installer and the privileged start run
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
