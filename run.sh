#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor (workspace: build/Data).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
exec build/tavu "$@"
