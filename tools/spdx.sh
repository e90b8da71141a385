#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file starts with the line that names its licence, in its own comment syntax:
#
#   tools/spdx.sh --check   lists the files without it and fails when there is one
#   tools/spdx.sh --add     adds it where it is missing (and changes nothing else)
#
# The line comes first, or second after a "#!" line, an XML declaration or an HTML doctype.
# The files are those git knows or would add (not the ignored ones). A file whose kind the
# table below does not know fails the check: give its kind a comment style, or name it
# among the files that cannot hold one. Outside a git checkout the check is skipped (77).
set -euo pipefail
cd "$(dirname "$0")/.."

readonly id='SPDX-License-Identifier: GPL-3.0-or-later'

# The licence line for FILE; empty for a file that cannot hold a comment, "?" for a kind
# not known here.
licence_line() {
  case "$1" in
    # The licence itself, formats without comments, golden outputs and raw inputs; the
    # translations, which lupdate rewrites whole.
    LICENSE | debian/changelog | debian/copyright | debian/source/format | *.json | *.png | translations/*.ts | \
    tests/fuzz/corpus/* | tests/config/small_report.txt) echo "" ;;
    *.cpp | *.h | *.h.in) echo "// $id" ;;
    *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt | .ci/run | .gitignore | *.supp | \
    *.desktop | debian/control | debian/rules | debian/*.install | debian/*.lintian-overrides | tools/layer-exceptions.txt)
      echo "# $id" ;;
    *.xml | *.xml.in | *.svg | *.html | *.md) echo "<!-- $id -->" ;;
    *.1) echo ".\\\" $id" ;;
    *) echo "?" ;;
  esac
}

# Whether the first line must stay first: a shebang, an XML declaration, an HTML doctype.
keeps_first_line() {
  head -n 1 "$1" | grep -q -i -E '^(#!|<\?xml|<!doctype)'
}

has_licence_line() {
  local file="$1" line="$2" at=1
  if keeps_first_line "$file"; then at=2; fi
  [ "$(sed -n "${at}p" "$file")" = "$line" ]
}

add_licence_line() {
  local file="$1" line="$2" after=0 edited
  if keeps_first_line "$file"; then after=1; fi
  edited="$(mktemp "$file.XXXXXX")"
  LINE="$line" awk -v after="$after" '
    NR == 1 && after == 0 { print ENVIRON["LINE"] }
    { print }
    NR == 1 && after == 1 { print ENVIRON["LINE"] }
    END { if (NR == 0) print ENVIRON["LINE"] }' "$file" > "$edited"
  # A new file in the old one's place, with its mode: bash reads a running script (this
  # one, say) as it goes, and must not find it changed under it.
  chmod --reference="$file" "$edited"
  mv "$edited" "$file"
}

mode="${1:-}"
if [ "$mode" != --check ] && [ "$mode" != --add ]; then
  echo "usage: tools/spdx.sh --check | --add" >&2
  exit 2
fi
if ! git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  echo "tools/spdx.sh: not a git checkout, nothing checked"
  exit 77
fi

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue  # deleted, not yet staged
  line="$(licence_line "$file")"
  if [ "$line" = "?" ]; then
    echo "$file: no comment style known for this kind of file (tools/spdx.sh)"
    missing=$((missing + 1))
  elif [ -n "$line" ] && ! has_licence_line "$file" "$line"; then
    if [ "$mode" = --add ]; then
      add_licence_line "$file" "$line"
      echo "added: $file"
    else
      echo "$file: no \"$line\" at its top"
      missing=$((missing + 1))
    fi
  fi
done < <(git ls-files -z --cached --others --exclude-standard)

if [ "$missing" -gt 0 ]; then
  echo "$missing file(s) without the licence line; tools/spdx.sh --add adds it" >&2
  exit 1
fi
