#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the full suite
# (core, command-line tool, window offscreen), the core suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# short fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== the Debian package: build, validate, install, run, remove"
./scripts/check-package.sh build
if [ "$(id -u)" -eq 0 ]; then dpkg -r veredod >/dev/null; else sudo dpkg -r veredod >/dev/null; fi

echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEREDOD_SANITIZE=ON \
  -DVEREDOD_BUILD_GUI=OFF -DVEREDOD_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEREDOD_BUILD_FUZZ=ON \
    -DVEREDOD_BUILD_GUI=OFF -DVEREDOD_BUILD_BENCH=OFF -DVEREDOD_BUILD_TESTS=OFF
  cmake --build build-fuzz -j "$jobs"
  ./fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-30}"
fi
echo "all tests passed"
