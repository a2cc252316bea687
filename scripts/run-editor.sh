#!/usr/bin/env bash
# Starts the editor. With a display it simply runs. Without one it runs under
# a private Xvfb, saves a screenshot of the editor's first window, prints the
# screenshot's path and closes the editor again.
set -euo pipefail
editor=${1:?usage: run-editor.sh path/to/korvane [args...]}
shift

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
  [ -n "$editor_pid" ] && kill -TERM "$editor_pid" 2>/dev/null && wait "$editor_pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$editor" "$@" &
editor_pid=$!

# Wait for the first top-level window of the editor to be mapped.
window=""
for _ in $(seq 200); do
  window=$(xwininfo -root -children 2>/dev/null | awk '/"Tessaracorp Korvane X"|"Korvane"/ {print $1; exit}')
  [ -n "$window" ] && break
  kill -0 "$editor_pid" 2>/dev/null || { echo "run-editor: the editor ended before showing a window" >&2; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "run-editor: no editor window after 20 s" >&2; exit 1; }
sleep 1  # let it paint
import -window "$window" "$shot"
echo "run-editor: the editor is up; screenshot of its first window: $shot"
