#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the installed program
# offscreen through its launcher, as a user's first start would.
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$tmp"' EXIT

(cd "$build" && cpack -G DEB -B "$tmp/out" >/dev/null)
deb="$(ls "$tmp"/out/delvora_*.deb)"
echo "package: $(basename "$deb")"

# The package names the runtime packages it needs.
depends="$(dpkg-deb -f "$deb" Depends)"
for need in libqt6widgets6 libqt6network6 libqt6serialport6 qt6-qpa-plugins fonts-noto-cjk; do
  grep -q "$need" <<<"$depends" || { echo "missing dependency: $need"; exit 1; }
done
# Where the package lists are present, apt can resolve every one of them.
if apt-cache policy libqt6widgets6 2>/dev/null | grep -q Candidate; then
  apt-get install -s -qq "$deb" >/dev/null || { echo "apt cannot resolve the package"; exit 1; }
fi

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/delvora usr/libexec/delvora/Delvora usr/share/delvora/red.jpg \
         usr/share/delvora/fontSetting.dat usr/share/applications/delvora.desktop \
         usr/share/icons/hicolor/64x64/apps/delvora.png; do
  [ -e "$root/$f" ] || { echo "not installed: $f"; exit 1; }
done
if ldd "$root/usr/libexec/delvora/Delvora" | grep -q "not found"; then
  echo "unresolved libraries:"; ldd "$root/usr/libexec/delvora/Delvora" | grep "not found"; exit 1
fi

# First start: the working folder is made and seeded; an operator's own file stays.
home="$tmp/home"
mkdir -p "$home/.local/share/Delvora"
echo "[Row0]" > "$home/.local/share/Delvora/Settings.ini"
HOME="$home" XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen "$root/usr/bin/delvora" &
pid=$!
work="$home/.local/share/Delvora"
for _ in $(seq 1 50); do
  [ -e "$work/red.jpg" ] && [ -e "$work/fontSetting.dat" ] && break
  sleep 0.1
done
sleep 2
kill -0 "$pid" || { echo "the installed program did not stay up"; exit 1; }
cmp -s "$work/red.jpg" "$root/usr/share/delvora/red.jpg" || { echo "red.jpg not seeded"; exit 1; }
[ "$(cat "$work/Settings.ini")" = "[Row0]" ] || { echo "the operator's Settings.ini was replaced"; exit 1; }
echo "1 passed, 0 failed"
