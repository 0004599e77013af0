#!/usr/bin/env bash
# Makes the Debian package and checks it as an installer would meet it: the files it holds, its
# dependencies, lintian (no errors), the desktop entry and AppStream metainfo validators, and
# kuvanto-calc run from the package unpacked into a scratch folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
deb="$(./scripts/package.sh | tail -n 1)"
version="$(sed -n 's/^project(Kuvanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
fail() { echo "package-check: $*" >&2; exit 1; }

[ "$(basename "$deb")" = "kuvanto_${version}_amd64.deb" ] || fail "unexpected package name $deb"

expected=(
  ./usr/bin/kuvanto
  ./usr/bin/kuvanto-calc
  ./usr/share/applications/org.kuvanto.Kuvanto.desktop
  ./usr/share/metainfo/org.kuvanto.Kuvanto.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/kuvanto.svg
  ./usr/share/man/man1/kuvanto.1.gz
  ./usr/share/man/man1/kuvanto-calc.1.gz
  ./usr/share/doc/kuvanto/copyright
  ./usr/share/doc/kuvanto/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/kuvanto.png")
done
listing="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$listing" || fail "$file is missing from the package"
done
# Nothing outside /usr, and no file beyond the expected ones.
unexpected="$(grep -v '/$' <<<"$listing" | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)"
[ -z "$unexpected" ] || fail "unexpected files in the package: $unexpected"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in fonts-ipafont-gothic libqt6widgets6 libqt6core6 libc6; do
  grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
output="$("$scratch/usr/bin/kuvanto-calc" --shape H-200x100x5.5x8)"
# The part's area: 2666.9 mm2 with exact fillets (2 x 100 x 8 + 184 x 5.5 + (4 - pi) 8^2).
grep -q $'^面積\tA\t2.667' <<<"$output" || fail "kuvanto-calc from the package gave: $output"
desktop-file-validate "$scratch/usr/share/applications/org.kuvanto.Kuvanto.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.kuvanto.Kuvanto.metainfo.xml" \
  >/dev/null
# lintian: errors fail the check (warnings are shown).
if command -v lintian >/dev/null; then
  report="$(lintian "$deb" 2>/dev/null || true)"
  [ -z "$report" ] || echo "$report"
  if grep -q '^E:' <<<"$report"; then fail "lintian found errors"; fi
fi
echo "package-check: $deb is fine"
