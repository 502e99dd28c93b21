#!/usr/bin/env bash
# Installs what is missing, configures, builds the program and its start folder
# (the shipped category.dat and tarvo.dat, an empty data folder), then starts the
# program there: it reads its data files from the folder it is started in.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=${TARVO_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)" --target tarvo-registration
cd "$build/start"
exec ./tarvo-registration
