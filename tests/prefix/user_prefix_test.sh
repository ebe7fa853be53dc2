#!/usr/bin/env bash
# The prefix that tools/run makes for a person: the home folder is reached
# as H: and nowhere else, so that a whole-computer search finds each of the
# user's files once. Ends with "user-prefix: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/wine_env.sh

scratch=$PWD/build/user-prefix-test
rm -rf "$scratch"
mkdir -p "$scratch/home/Desktop" "$scratch/home/Documents" "$scratch/home/Music"
HOME=$scratch/home make_user_wine_prefix "$scratch/prefix"
home=$(readlink -f "$scratch/home")

suite=user-prefix
source tests/script_checks.sh
links_into_home() {
  local link
  while IFS= read -r -d '' link; do
    [[ $(readlink -f "$link") == "$home"* ]] && echo "$link"
  done < <(find "$WINEPREFIX/drive_c" -type l -print0)
}

check "H: is the home folder" '[[ $(readlink -f "$WINEPREFIX/dosdevices/h:") == "$home" ]]'
check "C: leads into the home through $(links_into_home | head -3 | tr '\n' ' ')" '[[ -z $(links_into_home) ]]'
check "the user's folders are still there as plain folders" \
  '[[ -n $(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type d -name Documents) ]]'
check "a 32-bit program runs in it" \
  '[[ $(wine "C:\\windows\\syswow64\\cmd.exe" /c echo 32-bit 2>/dev/null | tr -d "\r") == 32-bit ]]'
# tools/run keeps a prefix with its marker, unless Wine's 32-bit half is
# missing from it (it was made before wine32 was installed).
touch "$WINEPREFIX/.made"
check "with its marker it is kept" 'prefix_is_ready "$WINEPREFIX" .made'
wineserver -k 2>/dev/null
mv "$WINEPREFIX/drive_c/windows/syswow64" "$WINEPREFIX/drive_c/windows/syswow64-aside"
mkdir "$WINEPREFIX/drive_c/windows/syswow64"
check "without Wine's 32-bit half it is made anew" '! prefix_is_ready "$WINEPREFIX" .made'

closing_line
