#!/usr/bin/env bash
# Fails when a C++ file of the repository is not clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' | grep -v '^third_party/' || true)
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "check-format: $(echo "$files" | wc -l) files formatted"
