#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=$1
shift
mkdir -p "$folder"
cmake -S . -B "$folder" "$@" > "$folder/configure.log" 2>&1 || { cat "$folder/configure.log"; exit 1; }
cmake --build "$folder" --parallel "$(( $(nproc) + 1 ))"
