#!/usr/bin/env bash
# Installs what is missing for building and for every check, builds and runs the whole test
# suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/build.sh default
ctest --preset default -j 2
