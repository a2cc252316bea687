#!/usr/bin/env bash
# Refreshes the interface catalogues from the sources: new texts are added as
# unfinished (shown in English until translated), texts no longer in the
# sources are dropped. Edit the translations in Src/Korvane/translations/*.ts
# (Qt Linguist or by hand); the build compiles them with lrelease.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v lupdate >/dev/null || { echo "lupdate is missing: scripts/install-deps.sh installs it" >&2; exit 1; }
for ts in Src/Korvane/translations/*.ts; do
  lupdate -silent -locations none -no-obsolete -extensions cpp,h Src -ts "$ts"
  echo "$ts: $(grep -c '<message' "$ts") texts, $(grep -c 'type="unfinished"' "$ts") to translate"
done
