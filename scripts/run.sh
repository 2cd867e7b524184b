#!/usr/bin/env bash
# Installs what is missing, builds, and starts Veredod 2000.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target veredod
exec ./build/app/veredod "$@"
