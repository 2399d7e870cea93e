#!/usr/bin/env bash
# Fails when a folder of src/ includes a header from a layer above its own. Lowest first: the
# rules (bank, then quiz), screens, shell, windows, app.
set -euo pipefail
cd "$(dirname "$0")/../src"

layers=(bank quiz screens shell windows app)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

status=0
for folder in */; do
    folder=${folder%/}
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || { echo "src/$folder: not a known layer" >&2; status=1; continue; }
    while IFS=: read -r file line include; do
        target=$(rank "${include%%/*}")
        if [ "$target" -gt "$own" ]; then
            echo "$file:$line: $folder includes $include, from a layer above it" >&2
            status=1
        fi
    done < <(grep -n -o -E '#include "[a-z_]+/[^"]+"' "$folder"/*.h "$folder"/*.cpp |
             sed -E 's/#include "(.*)"/\1/')
done
[ "$status" -eq 0 ] && echo "layers: every include goes to the same layer or one below"
exit "$status"
