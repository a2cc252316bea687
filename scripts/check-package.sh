#!/usr/bin/env bash
# Builds the Debian package of the editor and checks it:
#
#   scripts/check-package.sh [BUILD_DIR]      (default: build)
#
# - builds the editor and its helpers, then `cpack` writes korvane_<ver>_<arch>.deb
#   into BUILD_DIR; fails when the package is larger than 20 MB
# - prints its contents and control information
# - lintian (when installed): errors fail, warnings are listed
# - desktop-file-validate and appstreamcli validate on the shipped files
# - as root, with apt-get and KORVANE_PACKAGE_INSTALL=1: installs the package,
#   runs `korvane --version`, purges it and checks that nothing is left
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$PWD/$build
max_bytes=$((20 * 1000 * 1000))
failures=0

say() { printf 'check-package: %s\n' "$*"; }
fail() { say "FAIL: $*" >&2; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The installation's programs and resources only, not the tests.
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target korvane_installation
rm -f "$build"/korvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
shopt -s nullglob
debs=("$build"/korvane_*.deb)
shopt -u nullglob
if [ ${#debs[@]} -ne 1 ]; then
  say "FAIL: cpack wrote no korvane_*.deb into $build" >&2
  exit 1
fi
deb=${debs[0]}

size=$(stat -c %s "$deb")
say "package $(basename "$deb"): $size bytes ($((size / 1024)) KiB)"
[ "$size" -le "$max_bytes" ] || fail "the package is larger than 20 MB"

say "contents:"
dpkg-deb --contents "$deb"
say "control information:"
dpkg-deb -I "$deb"

if have lintian; then
  say "lintian:"
  # Lintian refuses to run as root unless told it may.
  out=$(lintian --allow-root --tag-display-limit 0 "$deb" 2>&1) || true
  [ -z "$out" ] || printf '%s\n' "$out"
  grep -q '^E: ' <<<"$out" && fail "lintian reports errors"
  say "lintian: $(grep -c '^E: ' <<<"$out" || true) errors, $(grep -c '^W: ' <<<"$out" || true) warnings"
else
  say "lintian is not installed: skipped"
fi

# The shipped desktop files, as the package holds them.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
if have desktop-file-validate; then
  desktop-file-validate "$unpacked/usr/share/applications/korvane.desktop" \
    && say "desktop-file-validate: clean" || fail "desktop-file-validate"
else
  say "desktop-file-validate is not installed: skipped"
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml \
    && say "appstreamcli validate: clean" || fail "appstreamcli validate"
else
  say "appstreamcli is not installed: skipped"
fi
[ "$(readlink "$unpacked/usr/bin/korvane")" = "../lib/korvane/korvane" ] \
  || fail "usr/bin/korvane is not a link to ../lib/korvane/korvane"

if [ "${KORVANE_PACKAGE_INSTALL:-0}" = 1 ]; then
  if [ "$(id -u)" -ne 0 ] || ! have apt-get; then
    say "installing needs root and apt-get: skipped"
  elif dpkg-query -W -f='${Status}' korvane 2>/dev/null | grep -q 'install ok installed'; then
    fail "korvane is installed already; not touching it"
  else
    say "apt-get install $(basename "$deb"):"
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"; then
      version=$(/usr/bin/korvane --version 2>&1) || fail "korvane --version exited with $?"
      say "korvane --version: $version"
      grep -q '^Korvane X ' <<<"$version" || fail "unexpected version line"
      DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq korvane || fail "apt-get purge"
      if [ -e /usr/lib/korvane ] || [ -e /usr/bin/korvane ]; then
        fail "left after the purge: $(find /usr/lib/korvane /usr/bin/korvane 2>/dev/null | head)"
      else
        say "installed, ran and purged cleanly"
      fi
    else
      fail "apt-get install"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  say "$failures check(s) failed" >&2
  exit 1
fi
say "all checks passed"
