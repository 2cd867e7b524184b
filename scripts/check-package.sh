#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build folder, installs it on
# this machine and checks that the installed program and its menu entry work.
# Usage: scripts/check-package.sh [build-dir]   (default: build)
# Runs as root or with sudo, since it installs the package.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

fail() {
  echo "check-package: $*" >&2
  exit 1
}

[ -f "$build_dir/CPackConfig.cmake" ] || fail "$build_dir is not a configured build folder"

metainfo=com.example.veredod.metainfo.xml
man_pages=(veredod.1 veredod-calc.1)

# The checkers of the metadata; only what is missing is installed.
tools=()
command -v appstreamcli >/dev/null || tools+=(appstream)
command -v man >/dev/null || tools+=(man-db)
command -v groff >/dev/null || tools+=(groff-base)
if [ ${#tools[@]} -gt 0 ]; then
  echo "installing ${tools[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${tools[@]}"
fi

# A manual page, plain or compressed, passes when groff and man render it
# without a single warning.
check_man_page() {
  local page=$1 warnings
  warnings=$( { zcat -f "$page" | groff -man -ww -z; MANWIDTH=80 man --warnings -l "$page" >/dev/null; } 2>&1) \
    || fail "$page does not render: $warnings"
  [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^NAME' || fail "$page has no NAME section"
}

echo "== desktop entry"
desktop-file-validate packaging/veredod.desktop

echo "== metainfo and manual pages"
appstreamcli validate --no-net --pedantic "packaging/$metainfo"
for page in "${man_pages[@]}"; do
  check_man_page "packaging/$page"
done

echo "== package"
cmake --build "$build_dir"
rm -f "$build_dir"/veredod_*.deb
(cd "$build_dir" && cpack -G DEB)
deb=$(ls "$build_dir"/veredod_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no veredod .deb in $build_dir"
dpkg-deb --info "$deb"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"

echo "== licence, guide, metainfo and manual pages in the package"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
doc="$unpacked/usr/share/doc/veredod"
[ -f "$doc/copyright" ] || fail "the package has no copyright file"
grep -q '^License: GPL-3+$' "$doc/copyright" || fail "the copyright file does not name GPL-3+"
grep -q '(at your option) any later version' "$doc/copyright" \
  || fail "the copyright file does not allow any later version"
[ -s "$doc/guide.md" ] || fail "the package has no user guide"
cmp -s "$doc/guide.md" docs/guide.md || fail "the packaged user guide is not docs/guide.md"
packaged_metainfo="$unpacked/usr/share/metainfo/$metainfo"
[ -f "$packaged_metainfo" ] || fail "the package has no $metainfo"
appstreamcli validate --no-net --pedantic "$packaged_metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$packaged_metainfo" \
  || fail "the metainfo does not name GPL-3.0-or-later"
version=$(dpkg-deb --field "$deb" Version)
grep -q "<release version=\"$version\"" "$packaged_metainfo" \
  || fail "the metainfo has no release entry for version $version"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$packaged_metainfo")
[ -f "$unpacked/usr/share/applications/$launchable" ] \
  || fail "the metainfo launches $launchable, which the package does not carry"
for page in "${man_pages[@]}"; do
  program=${page%.1}
  grep -q "/usr/bin/$program\$" <<<"$contents" || continue
  packaged_page="$unpacked/usr/share/man/man1/$page.gz"
  [ -f "$packaged_page" ] || fail "the package has no manual page $page.gz"
  check_man_page "$packaged_page"
done

echo "== install"
if ! $sudo dpkg -i "$deb"; then
  echo "installing the missing dependencies"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -f install -y -qq
fi
dpkg-query -W -f='${Status}\n' veredod | grep -q "install ok installed" \
  || fail "the package is not installed"

echo "== installed files"
hash -r
command -v veredod-calc >/dev/null || fail "veredod-calc is not on the PATH"
veredod-calc --help >/dev/null || fail "veredod-calc --help failed"
[ -f /usr/share/applications/veredod.desktop ] || fail "the menu entry is missing"
desktop-file-validate /usr/share/applications/veredod.desktop
[ -f /usr/share/icons/hicolor/scalable/apps/veredod.svg ] || fail "the icon is missing"
[ -f "/usr/share/metainfo/$metainfo" ] || fail "the metainfo is missing"
if grep -q '/usr/bin/veredod$' <<<"$contents"; then
  command -v veredod >/dev/null || fail "veredod is not on the PATH"
fi
echo "package check passed: $(basename "$deb")"
