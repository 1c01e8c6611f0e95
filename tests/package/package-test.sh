#!/usr/bin/env bash
# Builds the Debian package, installs it as a user would, and starts the installed program
# on a virtual desktop, where its tray icon must appear. The package is removed again afterwards,
# unless a Tessarin package was installed before the test (that one is left replaced by the new
# build, and the test says so).
#   package-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

cd "$build"
rm -f tessarin_*.deb
cpack -G DEB >/dev/null
deb=$(ls tessarin_*.deb)
export DEBIAN_FRONTEND=noninteractive
installed_before=$(dpkg-query -W -f='${Status} ${Version}' tessarin 2>/dev/null | grep "install ok installed" || true)
remove_package() { "${sudo[@]}" apt-get purge -y -qq tessarin >/dev/null; }
if [ -z "$installed_before" ]; then
  trap remove_package EXIT
else
  echo "note: tessarin was installed before this test ($installed_before); it is now the package just built"
fi
"${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null

files=$(dpkg -L tessarin)
for wanted in /usr/bin/tessarin /usr/share/applications/tessarin.desktop \
              /usr/share/icons/hicolor/scalable/apps/tessarin.svg \
              /usr/share/icons/hicolor/symbolic/apps/tessarin-symbolic.svg \
              /usr/share/dbus-1/services/org.tessarin.Tessarin.service; do
  grep -qx "$wanted" <<<"$files" || fail "the package does not install $wanted"
done
desktop-file-validate /usr/share/applications/tessarin.desktop || fail "the desktop file is not valid"
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libtesseract libzxing tesseract-ocr-eng qt6-qpa-plugins qt6-wayland qt6-image-formats-plugins libqt6widgets6; do
  grep -q "$wanted" <<<"$depends" || fail "the package does not depend on $wanted: $depends"
done
grep -q tesseract-ocr-chi-sim <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "the language packs are not recommended"

"$source/scripts/with-desktop" -- bash "$source/tests/app/tray-startup-test.sh" /usr/bin/tessarin
# What a desktop shortcut bound to "gapplication action" relies on when Tessarin is not running.
"$source/scripts/with-desktop" -- bash -c 'gdbus call --session --dest org.freedesktop.DBus \
  --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.StartServiceByName org.tessarin.Tessarin 0' \
  | grep -q "(uint32 1,)" || fail "D-Bus activation does not start the installed program"
echo "ok: the package installs, validates and runs: $deb"
if [ -z "$installed_before" ]; then
  trap - EXIT
  remove_package
  [ ! -e /usr/bin/tessarin ] && ! dpkg-query -W -f='${Status}' tessarin 2>/dev/null | grep -q "install ok" \
    || fail "the package did not uninstall cleanly"
  echo "the package was removed again"
fi
