#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the default build's suite, then the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then a build of the core without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/check-format.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# The core and the command line must build where no Qt is found at all.
cmake --preset core
cmake --build --preset core

# Every fuzzer briefly over its seeds (clang, sanitizers, its own build folder): fuzz/smoke.sh.
bash fuzz/smoke.sh 5
