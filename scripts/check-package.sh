#!/usr/bin/env bash
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

echo "== desktop entry"
desktop-file-validate packaging/veredod.desktop

echo "== package"
cmake --build "$build_dir"
rm -f "$build_dir"/veredod_*.deb
(cd "$build_dir" && cpack -G DEB)
deb=$(ls "$build_dir"/veredod_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no veredod .deb in $build_dir"
dpkg-deb --info "$deb"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"

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
if grep -q '/usr/bin/veredod$' <<<"$contents"; then
  command -v veredod >/dev/null || fail "veredod is not on the PATH"
fi
echo "package check passed: $(basename "$deb")"
