#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; fails when a test fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
