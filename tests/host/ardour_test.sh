#!/usr/bin/env bash
# The plug-in in a real host: the host's scanner accepts it, then a headless
# session is built, saved, reopened in a new process, and checked.
set -euo pipefail
plugin=$1 here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/vst"
cp "$plugin" "$scratch/vst/"
# The host trusts its scan cache only when it is newer than the plug-in file,
# at a resolution of seconds: the copy gets an older time.
touch -d '2020-01-01 00:00:00' "$scratch/vst/$(basename "$plugin")"
# The host keeps its settings under HOME (a scratch folder here) and its scan cache in XDG_CACHE_HOME.
unset XDG_CONFIG_HOME
export HOME=$scratch XDG_CACHE_HOME=$scratch/cache LXVST_PATH=$scratch/vst
export TARVELLE_SESSION=$scratch/session

scan=$(LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -f "$scratch/vst/$(basename "$plugin")" 2>&1)
echo "$scan"
info=$(cat "$XDG_CACHE_HOME"/ardour7/vst/*.v2i)
echo "$info"
check() { grep -q -- "$1" <<<"$2" || { echo "FAIL: expected '$1'"; exit 1; }; }
check 'name="Tarvelle"' "$info"
check 'creator="Kestrom"' "$info"
check 'n_inputs="2" n_outputs="2"' "$info"
check 'id="1263826540"' "$info"   # 'KTvl'

out=$(ardour7-lua "$here/ardour_create.lua" 2>&1) || { echo "$out"; echo "FAIL: session not built"; exit 1; }
echo "$out"
check 'PARAMS 123' "$out"
check 'IO 2 2' "$out"
check 'SAVED' "$out"

# A fresh process: the host's own state comes only from the saved session.
back=$(ardour7-lua "$here/ardour_check.lua" 2>&1) || { echo "$back"; echo "FAIL: session not reopened"; exit 1; }
echo "$back"
check 'PRESET Fast, Feedback, T3' "$back"
check 'GAIN 0.8000' "$back"
check 'TONEX 0.2500' "$back"
echo "real host: all checks passed"
