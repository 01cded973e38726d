#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"
