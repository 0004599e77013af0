#!/usr/bin/env bash
# Fails when a text a user sees has no English translation: runs lupdate over the sources as they
# are now into a copy of the committed translation file and lists the entries it leaves unfinished
# (new texts, and texts whose source changed). The committed file is not touched.
# Usage: check-translations.sh LUPDATE SOURCE_ROOT
set -euo pipefail
lupdate="$1"
root="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$root/translations/kuvanto_en.ts" "$scratch/kuvanto_en.ts"
"$lupdate" -silent -locations none "$root/src" "$root/tools" -ts "$scratch/kuvanto_en.ts" >/dev/null
# An unfinished entry: <translation type="unfinished"> (vanished and obsolete ones are old texts
# no longer in the sources and do not count).
missing="$(grep -c '<translation type="unfinished"' "$scratch/kuvanto_en.ts" || true)"
if [ "$missing" -ne 0 ]; then
  echo "$missing text(s) without an English translation:"
  grep -B1 '<translation type="unfinished"' "$scratch/kuvanto_en.ts" | grep '<source>' |
    sed 's/^ *<source>/  /; s/<\/source>$//'
  echo "Add their English to translations/kuvanto_en.ts (scripts/update-translations.sh first)."
  exit 1
fi
entries="$(grep -c '<source>' "$scratch/kuvanto_en.ts")"
echo "All $entries texts have an English translation."
