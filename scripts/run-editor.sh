#!/usr/bin/env bash
# Starts the editor. With a display it simply runs. Without one it runs under
# a private Xvfb, waits until the editor's first page is on screen, saves a
# screenshot of that page's window, prints the screenshot's path and closes
# the editor again.
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
work=$(mktemp -d "${TMPDIR:-/tmp}/korvane-run.XXXXXX")
xvfb=""
editor_pid=""
cleanup() {
  if [ -n "$editor_pid" ]; then
    kill -TERM "$editor_pid" 2>/dev/null || true
    wait "$editor_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the given fd, so
# two runs side by side never race for the same number.
exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec {displayfd}>&-
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "run-editor: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "run-editor: Xvfb gave no display number" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# The editor writes this file when its first page (not the splash) is exposed.
first_page="$work/first-page"
KORVANE_FIRST_PAGE_FILE="$first_page" "$editor" "$@" &
editor_pid=$!

for _ in $(seq 600); do
  [ -s "$first_page" ] && break
  kill -0 "$editor_pid" 2>/dev/null || { echo "run-editor: the editor ended before showing its first page" >&2; exit 1; }
  sleep 0.1
done
[ -s "$first_page" ] || { echo "run-editor: no first page after 60 s" >&2; exit 1; }

# The editor's viewable top-level windows, "id width height" per line. Any of
# them may vanish between listing and inspecting (the splash closes just after
# the first page shows); such a window is skipped, never an error.
editor_windows() {
  local id info pid
  for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x[0-9a-f]+ / {print $1}'); do
    pid=$(xprop -id "$id" _NET_WM_PID 2>/dev/null | awk '{print $NF}') || continue
    [ "$pid" = "$editor_pid" ] || continue
    info=$(xwininfo -id "$id" 2>/dev/null) || continue
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    awk -v id="$id" '/^ +Width:/ {w=$NF} /^ +Height:/ {h=$NF} END {print id, w, h}' <<<"$info"
  done
}

# Once the splash has gone, the first page is the editor's only window; if
# something else stays up, the largest window is the page.
window=""
for _ in $(seq 50); do
  windows=$(editor_windows)
  if [ -n "$windows" ]; then
    window=$(sort -k2,2nr -k3,3nr <<<"$windows" | awk 'NR == 1 {print $1}')
    [ "$(wc -l <<<"$windows")" -eq 1 ] && break
  fi
  sleep 0.1
done
[ -n "$window" ] || { echo "run-editor: the first page's window is not on screen" >&2; exit 1; }

sleep 1 # let it paint
if ! import -window "$window" "$shot" 2>"$work/import.log"; then
  echo "run-editor: screenshot failed: $(cat "$work/import.log")" >&2
  exit 1
fi
echo "run-editor: the editor is up; screenshot of its first page: $shot"
exit 0
