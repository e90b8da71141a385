#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists every #include that runs against the project's layer order, lowest first:
#   image  app  link  grid  forms  channels  signalling  settings  config  shell  cli
# A file may include its own folder and any folder below it, never one above. Folders outside the
# order (tools/, tests/, ...) are not checked. Run from the project root; exit 1 when something
# runs back up.
# Known uses on their way out are in tools/layer-exceptions.txt (listed, not counted).
# Usage: tools/layers.sh [ORDER...]   (another order, e.g. while a folder is planned)
set -u
cd "$(dirname "$0")/.."
known=$(grep -v '^#' tools/layer-exceptions.txt | awk 'NF { print $1 " " $2 }' | tr '\n' ';')
order="$*"
[ -n "$order" ] || order="image app link grid forms channels signalling settings config shell cli"
git ls-files -z -- '*.h' '*.hpp' '*.cpp' '*.cc' \
  | xargs -0 -r grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' 2>/dev/null \
  | awk -v order="$order" -v known="$known" '
      BEGIN {
        n = split(order, o, " "); for (i = 1; i <= n; i++) rank[o[i]] = i; bad = 0
        k = split(known, ks, ";"); for (i = 1; i <= k; i++) if (ks[i] != "") exempt[ks[i]] = 1
      }
      {
        file = $0; sub(/:.*/, "", file)
        top = file; sub(/\/.*/, "", top)
        if (!(top in rank)) next
        line = $0; sub(/^[^:]*:[0-9]+:[[:space:]]*/, "", line)
        inc = line; sub(/^[^"]*"/, "", inc); sub(/\/.*/, "", inc)
        if ((inc in rank) && rank[inc] > rank[top]) {
          stem = file; sub(/\.[a-z]+$/, "", stem)
          if ((stem " " inc) in exempt) { printf "known: %s: %s\n", file, line; next }
          printf "%s: %s   (%s stands above %s)\n", file, line, inc, top; bad++
        }
      }
      END { printf "%d include(s) run against the layer order %s\n", bad, order; exit bad > 0 }'
