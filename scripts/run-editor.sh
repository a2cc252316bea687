#!/usr/bin/env bash
# Starts the editor. With a display it simply runs. Without one it runs under
# a private Xvfb, saves a screenshot of the editor's first window, prints the
# screenshot's path and closes the editor again.
set -euo pipefail
editor=${1:?usage: run-editor.sh path/to/korvane [args...]}
shift

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$editor" "$@"
fi

shot=${KORVANE_SCREENSHOT:-$PWD/korvane-screenshot.png}
display=""
for n in $(seq 90 150); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "run-editor: no free X display number" >&2; exit 1; }

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
editor_pid=""
cleanup() {
  if [ -n "$editor_pid" ]; then
    kill -TERM "$editor_pid" 2>/dev/null || true
    wait "$editor_pid" 2>/dev/null || true
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$editor" "$@" &
editor_pid=$!

# Wait for the first top-level window of the editor to be mapped (Qt also
# keeps unmapped helper windows of the same name).
window=""
for _ in $(seq 200); do
  for id in $(xwininfo -root -children 2>/dev/null | awk '/"Tessaracorp Korvane X"|"Korvane"/ {print $1}'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then window=$id; break; fi
  done
  [ -n "$window" ] && break
  kill -0 "$editor_pid" 2>/dev/null || { echo "run-editor: the editor ended before showing a window" >&2; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "run-editor: no editor window after 20 s" >&2; exit 1; }
sleep 1  # let it paint
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                           /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d", w, h, x, y}')
import -window root -crop "$geometry" +repage "$shot"
echo "run-editor: the editor is up; screenshot of its first window: $shot"
cleanup
trap - EXIT
exit 0
