#!/usr/bin/env bash
# Includes run one way: app/ -> platform/{win32,sim} -> player/ ->
# chathost/, playback/ -> util/ -> ports/. Prints every include that climbs
# and fails if there is one.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# What each folder may include, besides itself.
declare -A may_include=(
  [ports]=""
  [util]="ports"
  [playback]="util ports"
  [chathost]="util ports"
  [player]="chathost playback util ports"
  [platform/sim]="player chathost playback util ports"
  [platform/win32]="player chathost playback util ports"
  [app]="platform/win32 player chathost playback util ports"
)

status=0
for folder in "${!may_include[@]}"; do
  allowed="$folder ${may_include[$folder]}"
  while IFS=: read -r file line target; do
    ok=0
    for a in $allowed; do
      [[ "$target" == "$a/"* ]] && ok=1
    done
    if [ "$ok" -eq 0 ]; then
      echo "$file:$line includes \"$target\", above its floor"
      status=1
    fi
  done < <(grep -rnoE '^#include "[^"]+"' "$folder" --include='*.h' --include='*.cpp' |
             sed -E 's/#include "([^"]+)"/\1/')
done
exit "$status"
