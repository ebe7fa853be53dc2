#!/usr/bin/env bash
# tools/check_layers against planted faults: in a copy of the sources, one
# include against each rule at a time must fail the check with that file
# named, and the copy as it is must pass. Ends with "layer-plants: N
# passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/../.."

scratch=$PWD/build/check-layers-test
rm -rf "$scratch"
mkdir -p "$scratch/tools"
cp -r app platform runtime "$scratch"/
cp tools/check_layers "$scratch/tools/"

suite=layer-plants
source tests/script_checks.sh

# The first header of folder $1 (not below it) in the copy.
first_header() { (cd "$scratch" && find "$1" -maxdepth 1 -name '*.h' | sort | head -1); }

# Whether the check fails on the copy with $1 including $2, and names $1.
fails_with() {
  local file=$scratch/$1 out
  cp "$file" "$file.kept"
  sed -i "1a #include \"$2\"" "$file"
  out=$("$scratch/tools/check_layers")
  local status=$?
  mv "$file.kept" "$file"
  ((status != 0)) && grep -q "^$1: includes \"$2\"" <<<"$out" && grep -q '^layers: [0-9]* passed, 1 failed$' <<<"$out"
}

# Whether the check fails on the copy with a folder beside app/search's rooms.
fails_with_extra_folder() {
  local out
  mkdir "$scratch/app/search/extra"
  out=$("$scratch/tools/check_layers")
  rmdir "$scratch/app/search/extra"
  grep -q '^app/search/extra: a folder that is not in vorlix_search_rooms$' <<<"$out"
}

names=$(first_header app/search/names)
walk=$(first_header app/search/walk)
index=$(first_header app/search/index)
suggestions=$(first_header app/search/suggestions)
window=$(first_header app/search)
find_tool=$(first_header app/vorlix_find)
platform=$(first_header platform)

check "the copy passes as it is" '"$scratch/tools/check_layers" >/dev/null'
check "names including walk" 'fails_with "$names" "$walk"'
check "walk including index" 'fails_with "$walk" "$index"'
check "index including suggestions" 'fails_with "$index" "$suggestions"'
check "an engine room including the window's handlers" 'fails_with "$suggestions" "$window"'
check "an engine room including app/mainwindow" 'fails_with "$walk" app/mainwindow/main_window_access.h'
check "an engine room including app/results" 'fails_with "$names" app/results/export_lines.h'
check "an engine room including app/settings" 'fails_with "$index" app/settings/saved_state.h'
check "vorlix-find including the window's handlers" 'fails_with "$find_tool" "$window"'
check "vorlix-find including app/results" 'fails_with "$find_tool" app/results/export_lines.h'
check "platform/ including runtime/" 'fails_with "$platform" runtime/core/values/value.h'
check "platform/ including app/" 'fails_with "$platform" "$names"'
check "a folder of app/search that is no room" fails_with_extra_folder
check "runtime/core's values including its events" \
  'fails_with "$(first_header runtime/core/values)" "$(first_header runtime/core/events)"'

closing_line
