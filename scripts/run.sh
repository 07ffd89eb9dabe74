#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/scrivlet "$@"
