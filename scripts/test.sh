#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and runs every test.
# GUI tests use Qt's offscreen platform; the end-to-end tests start their own Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
cd build
ctest --output-on-failure --timeout 600 -j"$(nproc)" "$@"
