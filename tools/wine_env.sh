# Sourced by tools/run and tools/test: the Wine environment of this project
# and a private X display. Not a command of its own.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Chinese locale, so the ANSI code page is 936 and Unix file names keep
# their Chinese; no Mono or Gecko prompts that would wait for a click.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=;mshtml='
export WINEARCH=win64

# Makes a fresh prefix at $1 where Chinese text renders.
make_wine_prefix() {
  export WINEPREFIX=$1
  if [[ -e $WINEPREFIX ]]; then
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  local face
  for face in SimSun 宋体 NSimSun 'MS Shell Dlg' 'MS Shell Dlg 2' Tahoma; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" \
      /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  # Wine draws the title bars itself, so a window shows its caption and
  # frame on a bare Xvfb (no window manager) as on a desktop.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
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
