#!/usr/bin/env bash
# Keeps the English catalogue in step with the player's own texts: those the
# windows write with qtTrId and those the Qt-free layers mark with
# VANTOR_TEXT. A text is its own id.
#   translations.sh update [LUPDATE]  collects the texts into translations/vantor_en.ts
#   translations.sh check [LUPDATE]   fails when a text has no finished English
#                                     translation or the catalogue keeps a text
#                                     the player no longer has
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
catalogue=$root/translations/vantor_en.ts
lupdate=${2:-/usr/lib/qt6/bin/lupdate}

# A text that is its own id has no separate source text; lupdate's warning
# about that says nothing here. lupdate writes an id's "&" (the accelerator of
# a menu caption) unescaped, which no XML reader takes back, lupdate included.
collect() {
  "$lupdate" -silent -locations none -no-ui-lines -target-language en \
    -tr-function-alias QT_TRID_NOOP+=VANTOR_TEXT "$root/src" -ts "$1" 2>&1 |
    { grep -v "lupdate warning: Message with id '.*' has no source." || true; } >&2
  sed -i -E '/^ *<message id="/ s/&/\&amp;/g' "$1"
}

case ${1:-} in
update)
  collect "$catalogue"
  ;;
check)
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$catalogue" "$work/vantor_en.ts"
  collect "$work/vantor_en.ts"
  if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"' "$work/vantor_en.ts"; then
    echo "translations/vantor_en.ts is not complete: run tools/translations.sh update," >&2
    echo "then give every text above its English translation (or drop the gone ones)." >&2
    exit 1
  fi
  echo "every text of the player has its English translation"
  ;;
*)
  echo "usage: translations.sh update|check [LUPDATE]" >&2
  exit 2
  ;;
esac
