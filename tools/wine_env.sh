# Sourced by tools/run and tools/test: the Wine environment of this project
# and a private X display. Not a command of its own.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Chinese locale, so the ANSI code page is 936 and Unix file names keep
# their Chinese; no Mono or Gecko prompts that would wait for a click.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=;mshtml='
export WINEARCH=win64

# Makes a fresh prefix at $1 for the tests, where Chinese text renders,
# with test drives: D: fixed, E: CD-ROM, F: removable, G: network, each a
# folder inside the prefix, and Z: (the Unix root) typed as a RAM disk, so
# that no kind of drive that the program lists takes it and no search walks
# the whole machine. The drive types take effect once the wineserver has
# restarted. With a second argument "unmanaged" (for tests on a bare X
# server) Wine leaves no window to a window manager: otherwise destroying
# each window that was ever active waits two seconds for a window manager
# that is not there.
make_wine_prefix() {
  local managed=Y letter
  [[ ${2-} == unmanaged ]] && managed=N
  new_wine_prefix "$1"
  for letter in d e f g; do
    mkdir -p "$WINEPREFIX/drives/$letter"
    ln -sfn "../drives/$letter" "$WINEPREFIX/dosdevices/$letter:"
  done
  apply_prefix_settings "$managed" \
    '"d:"="hd"' '"e:"="cdrom"' '"f:"="floppy"' '"g:"="network"' '"z:"="ramdisk"'
  keep_home_out_of_prefix
}

# Wine links the user's Documents, Desktop, Templates and the like to the
# Unix home; a whole-computer search would walk the home through each.
# Plain folders stand in for the links (a file in each, so that Wine never
# takes one for an empty folder to link again).
keep_home_out_of_prefix() {
  local link
  while IFS= read -r -d '' link; do
    [[ $(readlink -f "$link") == "$WINEPREFIX"/* ]] && continue
    rm "$link"
    mkdir "$link"
    touch "$link/.not-linked"
  done < <(find "$WINEPREFIX/drive_c/users" -type l -print0)
}

# Makes a fresh prefix at $1 for a person running the program: the user's
# home folder is the fixed drive H:, so that a whole-computer search and the
# folder dialog reach the user's files, each once (Wine's links from C: into
# the home give way to plain folders); the Unix root (Z:) stays a RAM disk,
# out of whole-computer search.
user_home_drive=h
make_user_wine_prefix() {
  new_wine_prefix "$1"
  ln -sfn "$HOME" "$WINEPREFIX/dosdevices/$user_home_drive:"
  apply_prefix_settings Y "\"$user_home_drive:\"=\"hd\"" '"z:"="ramdisk"'
  keep_home_out_of_prefix
  # Text files open in Notepad, as on Windows; a new prefix maps .txt to
  # nothing, and the not-found list would open nowhere.
  wine reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null 2>&1
  wineserver -w
}

# Whether the prefix at $1 was finished (its marker file $2 exists) with
# Wine's 32-bit half in place. A prefix made before wine32 was installed has
# an empty syswow64 and runs no 32-bit program: it is made anew once.
prefix_is_ready() {
  [[ -e $1/$2 && -e $1/drive_c/windows/syswow64/kernel32.dll ]]
}

new_wine_prefix() {
  export WINEPREFIX=$1
  if [[ -e $WINEPREFIX ]]; then
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
}

# Fonts, window management ($1: Y or N) and drive types (the other
# arguments, each a line "x:"="type" of the Drives key). One import instead
# of a process per value; REGEDIT4 files are read in the ANSI code page,
# 936 here. Into the 64-bit view: where Wine's 32-bit half is installed,
# `wine` may start the 32-bit importer, whose HKLM\Software is the 32-bit
# view, and the 64-bit drive manager would never see the drive types.
# Wine draws the title bars itself, so a window shows its caption and
# frame on a bare Xvfb (no window manager) as on a desktop.
apply_prefix_settings() {
  local managed=$1 reg=$WINEPREFIX/prefix-settings.reg face drive
  shift
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in SimSun 宋体 NSimSun 'MS Shell Dlg' 'MS Shell Dlg 2' Tahoma; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n"Managed"="%s"\r\n' "$managed"
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n'
    for drive in "$@"; do printf '%s\r\n' "$drive"; done
  } | iconv -f UTF-8 -t GBK >"$reg"
  wine reg import "Z:${reg//\//\\}" /reg:64 >/dev/null 2>&1
  rm -f "$reg"
  # The caption buttons are Marlett glyphs; this Wine build does not find the
  # font in its data folder, only in the prefix.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
}

# Starts Xvfb on the first free display number and exports DISPLAY.
# Only this Xvfb is ended by stop_private_display.
private_display_pid=""
start_private_display() {
  local number=90
  while [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  private_display_pid=$!
  export DISPLAY=":$number"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if ((tries > 100)) || ! kill -0 "$private_display_pid" 2>/dev/null; then
      echo "could not start Xvfb on $DISPLAY" >&2
      return 1
    fi
    sleep 0.1
  done
}

stop_private_display() {
  if [[ -n $private_display_pid ]]; then
    kill "$private_display_pid" 2>/dev/null || true
    wait "$private_display_pid" 2>/dev/null || true
    private_display_pid=""
  fi
}
