#!/usr/bin/env bash
# Brings translations/kuvanto_en.ts up to date with the sources: new texts are added unfinished,
# texts no longer in the sources are dropped. Then write the English of the new entries (Qt
# Linguist, or any editor) and run the tests: test_translations fails while one is missing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
"$lupdate" -no-obsolete -locations none "$root/src" "$root/tools" -ts "$root/translations/kuvanto_en.ts"
