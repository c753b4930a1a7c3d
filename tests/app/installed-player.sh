#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what the desktop reads
# from it, and starts the installed player on a private X display: it must
# show its main window drawn from the skins under the prefix and keep its
# files in the user's config folder.
# usage: installed-player.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
player=
cleanup() {
  [ -n "$player" ] && kill "$player" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/vantor.desktop"
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/org.vantor.Vantor.metainfo.xml" >/dev/null
xmllint --noout "$prefix/share/mime/packages/vantor.xml"
for size in 16 22 24 32 48 64 128 256; do
  test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/vantor.png"
done
test -s "$prefix/share/icons/hicolor/scalable/apps/vantor.svg"
test -s "$prefix/share/man/man1/vantor.1.gz" && test -s "$prefix/share/man/man1/vantor-tool.1.gz"
# The skins are only under the prefix, not beside the build's program.
test -f "$prefix/share/vantor/Skin/Default/Default.dvk"
test ! -e "$prefix/bin/Skin"
# The English catalogue lies beside the skins.
test -s "$prefix/share/vantor/translations/vantor_en.qm"
"$prefix/bin/vantor-tool" --help >/dev/null

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
export SDL_AUDIODRIVER=dummy
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
cat >"$work/run-on-display.sh" <<'INNER'
set -eu
"$1/bin/vantor" >"$2/player.log" 2>&1 &
echo $! >"$2/player.pid"
# The main window of the Default skin is 440 by 172 pixels; a skin that did
# not load would show a message box instead.
for _ in $(seq 300); do
  if xwininfo -root -tree | grep -q '"Vantor": ("vantor" "vantor")  440x172'; then
    kill "$(cat "$2/player.pid")"
    exit 0
  fi
  sleep 0.1
done
xwininfo -root -tree >&2
cat "$2/player.log" >&2
kill "$(cat "$2/player.pid")"
exit 1
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run-on-display.sh" "$prefix" "$work"
test -d "$XDG_CONFIG_HOME/vantor"
echo "installed player started with its skins from $prefix"
