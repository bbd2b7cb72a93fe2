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
         usr/share/icons/hicolor/64x64/apps/delvora.png usr/share/mime/packages/delvora.xml; do
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
kill "$pid"; wait "$pid" 2>/dev/null || true

# A double-click on a meeting: the desktop entry takes the file and names the meeting type, and
# the type is known by its name and by its content.
desktop="$root/usr/share/applications/delvora.desktop"
grep -qx 'Exec=delvora %f' "$desktop" || { echo "the desktop entry takes no file"; exit 1; }
grep -qx 'MimeType=application/x-delvora-meeting;' "$desktop" || { echo "no MimeType"; exit 1; }
mkdir -p "$tmp/mime/packages"
cp "$root/usr/share/mime/packages/delvora.xml" "$tmp/mime/packages/"
# (Named as a data folder, so that it does not note that no program would look there.)
XDG_DATA_HOME="$tmp" update-mime-database "$tmp/mime" 2>&1 | { grep . && exit 1 || true; }
[ -e "$tmp/mime/application/x-delvora-meeting.xml" ] || { echo "the meeting type is not known"; exit 1; }
grep -q 'delvora' "$tmp/mime/globs2" || { echo "no glob for .delvora"; exit 1; }
grep -qa 'mimetypeapplication/x-delvora-meeting' "$tmp/mime/magic" || { echo "no magic"; exit 1; }

# The launcher hands the program a file named relative to where it was started as a full path.
cat >"$root/usr/libexec/delvora/Delvora" <<'STUB'
#!/bin/sh
printf '%s\n' "$PWD" "$@" >"$DELVORA_STUB_OUT"
STUB
chmod +x "$root/usr/libexec/delvora/Delvora"
mkdir -p "$tmp/docs"
touch "$tmp/docs/上午会议.delvora"
(cd "$tmp/docs" && HOME="$home" XDG_DATA_HOME="" DELVORA_STUB_OUT="$tmp/stub.out" \
  "$root/usr/bin/delvora" 上午会议.delvora /abs/名单.xls -x)
expected="$(printf '%s\n' "$work" "$tmp/docs/上午会议.delvora" /abs/名单.xls -x)"
[ "$(cat "$tmp/stub.out")" = "$expected" ] || {
  echo "the launcher passed:"; cat "$tmp/stub.out"; exit 1; }
echo "1 passed, 0 failed"
