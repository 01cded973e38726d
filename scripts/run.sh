#!/usr/bin/env bash
# Installs the dependencies, builds Velmora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/bin/velmora ]; then
    exec build/bin/velmora
fi
# Until the windows exist: compare the two sample tables on the command line.
build/bin/velmora-compare --keys A examples/master.csv examples/amendment.csv
build/bin/velmora-compare --keys A --row-numbers --rows modified \
    -o build/example-result.html examples/master.csv examples/amendment.csv || true
echo "The tinted result is in build/example-result.html"
