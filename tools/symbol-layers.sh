#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the uses that run back up the folders' layer order at link level: an object file of a
# lower folder that uses a function or variable defined (strongly, not inline) only in an object
# file of a higher folder. tools/layers.sh checks includes; this catches what a declaration in a
# low header and a definition in a high folder hide from it. Known uses on their way out are in
# tools/layer-exceptions.txt (listed, not counted).
#   tools/symbol-layers.sh [BUILD-DIR]   (default: build); prints one line per use, then the
#   count; exits 1 when there is any, 2 without object files.
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
order=(image app link grid forms channels signalling settings config shell cli)
rank() { local i; for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
# Our libraries' objects sit in CMakeFiles/TARGET.dir/FOLDER/FILE.o; tests, generated code and
# fuzz targets are no layer. Only the objects the build still makes count: a file moved or
# renamed leaves its old object behind in a build folder.
if [ -f "$build/build.ninja" ]; then
  objs=$(ninja -C "$build" -t targets all 2>/dev/null | grep -oE '^[^:]+\.o' | sed "s#^#$build/#")
else
  objs=$(find "$build" -path '*CMakeFiles/*' -name '*.o')
fi
objs=$(echo "$objs" | grep 'CMakeFiles/' | grep -vE '/tests?/|_autogen/|fuzz' | while read -r o; do [ -f "$o" ] && echo "$o"; done)
[ -n "$objs" ] || { echo "no object files under $build"; exit 2; }
defs=$(mktemp); uses=$(mktemp); trap 'rm -f "$defs" "$uses"' EXIT
for o in $objs; do
  folder=$(echo "$o" | sed -E 's#.*CMakeFiles/[^/]+\.dir/##; s#/.*##')
  r=$(rank "$folder"); [ "$r" -ge 0 ] || continue
  file="$folder/$(basename "$o" .o)"; file=${file%.*}
  nm -C --defined-only "$o" 2>/dev/null | awk -v f="$folder" -v r="$r" '$2 ~ /^[TDBR]$/ { $1=""; $2=""; sub(/^  /, ""); print r "\t" f "\t" $0 }' >>"$defs"
  nm -C --undefined-only "$o" 2>/dev/null | awk -v f="$folder" -v r="$r" -v o="$file" '{ $1=""; sub(/^ /, ""); print r "\t" f "\t" o "\t" $0 }' >>"$uses"
done
awk -F'\t' '
  FILENAME == ARGV[1] { if ($0 !~ /^#/ && NF) { split($0, w, /[ \t]+/); known[w[1] " " w[2]] = 1 } next }
  FILENAME == ARGV[2] { if (!($3 in lo) || $1 < lo[$3]) { lo[$3] = $1; lf[$3] = $2 } next }
  ($4 in lo) && lo[$4] > $1 {
    line = sprintf("%s uses %s (%s/)", $3, $4, lf[$4])
    if (($3 " " lf[$4]) in known) { printf "known: %s\n", line; next }
    print line; n++
  }
  END { printf "%d use(s) against the layer order\n", n; exit n > 0 }' tools/layer-exceptions.txt "$defs" "$uses"
