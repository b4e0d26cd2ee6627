#!/usr/bin/env bash
# Builds the project in the given folder (default build/) and runs every test under CTest.
# Extra arguments go to CMake, for example -DTW_SANITIZE=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
