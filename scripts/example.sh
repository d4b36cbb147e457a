#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and runs the tests' example.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
