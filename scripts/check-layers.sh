#!/usr/bin/env bash
# Checks that the game's includes flow one way, from the platform up to the shell: a folder of src/
# includes only folders of its own layer or below. Prints every include that runs upwards or across
# and exits 1 if there is one.
#
#   scripts/check-layers.sh [src-folder]        (default: the checkout's src)
set -euo pipefail

src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}

# Each folder's layer. Folders of one layer may include each other only where they form one unit
# (content, world and weapons); ui, effects and scores sit side by side and know nothing of each other.
declare -A layer=(
  [platform]=0 [core]=1 [ui]=2 [effects]=2 [scores]=2
  [content]=3 [world]=3 [weapons]=3 [stages]=4 [shell]=5
)
declare -A unit=([content]=battle [world]=battle [weapons]=battle)

status=0
for folder in "${!layer[@]}"; do
  while IFS=: read -r file line target; do
    [ "$target" = "$folder" ] && continue
    [ -n "${layer[$target]+set}" ] || continue
    if ((layer[$target] < layer[$folder])); then continue; fi
    if ((layer[$target] == layer[$folder])) && [ -n "${unit[$folder]:-}" ] &&
      [ "${unit[$folder]}" = "${unit[$target]:-}" ]; then
      continue
    fi
    echo "${file#"$src"/}:$line includes $target/ (layer ${layer[$target]}) from $folder/ (layer ${layer[$folder]})"
    status=1
  done < <(grep -Hn -o '^#include "[a-z]*/' "$src/$folder"/* | sed 's|#include "\([a-z]*\)/$|\1|')
done
exit $status
