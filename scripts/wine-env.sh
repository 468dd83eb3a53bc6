# Sourced by the scripts that run Windows programs: one Wine prefix under build/,
# never the user's ~/.wine, and the users' code page.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUICKPASTE_WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win32
# Keeps Wine from offering to install Mono and Gecko into a new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
# zh_CN.UTF-8 makes Wine's ANSI code page 936, as on the users' systems.
export LC_ALL=${QUICKPASTE_LOCALE:-zh_CN.UTF-8}

# Starts an Xvfb of our own when there is no display; sets xvfb_pid.
xvfb_pid=
start_xvfb_if_needed() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    if [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}

# Creates the prefix once. Wine draws its own window frames (no window manager runs
# under Xvfb), so the screenshots look like Windows. The dialog fonts are linked to a
# CJK font, as Windows links them out of the box, so that Chinese texts are drawn under
# any code page. Drive Q: is an empty folder, for the tests that run the program from
# the root of a drive.
ensure_prefix() {
  [ -f "$WINEPREFIX/.quickpaste-ready-3" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  local face
  for face in Tahoma 'Microsoft Sans Serif' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei' /f >/dev/null 2>&1
  done
  mkdir -p "$WINEPREFIX/drive_q"
  ln -sfn ../drive_q "$WINEPREFIX/dosdevices/q:"
  wineserver -w
  touch "$WINEPREFIX/.quickpaste-ready-3"
}

# A display of our own and one wineserver for a whole run of Windows programs (tests,
# benchmark): they press keys and fill the clipboard, which must not reach a user's
# desktop, and the wineserver's start-up is paid once. end_private_session undoes it.
start_private_session() {
  unset DISPLAY
  start_xvfb_if_needed || return 1
  ensure_prefix
  wineserver -p
  wine cmd /c exit 0 >/dev/null 2>&1
}

end_private_session() {
  wineserver -k 2>/dev/null
  stop_xvfb
}
