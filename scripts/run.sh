#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Veredod 2000.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target veredod
# Without arguments the program comes up on the sample database and the
# metric worked example, ready for Calculate (F9).
if [ $# -eq 0 ]; then
  set -- --resins data/resins.dat examples/worked-example-metric.txt
fi
exec ./build/app/veredod "$@"
