#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and runs the main job on the bundled example set:
# tarvolin-batch rewrites examples/models with examples/Tarvolin.ini into out/example.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default

top=$(pwd)
rm -rf out/example
mkdir -p out/example
# The run log (LogFileName in the example file) is written in the folder the program runs in.
cd out/example
status=0
"$top/build/default/cli/tarvolin-batch" -t "$top/examples/Tarvolin.ini" -d . "$top/examples/models" || status=$?

echo
echo "Written into out/example:"
ls -l
echo
echo "The run log, out/example/Tarvolin.Log:"
tr -d '\r' < Tarvolin.Log
echo
echo "What changed in large_hat01.mdl (from small_hat01.mdl):"
diff <(tr -d '\r' < "$top/examples/models/small_hat01.mdl") <(tr -d '\r' < large_hat01.mdl) || true
exit "$status"
