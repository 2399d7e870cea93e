#!/usr/bin/env bash
# Fails when a folder includes a header from a layer above its own, from a folder that is no
# layer, or when a folder holding C++ files is no layer. Lowest first: the rules (bank, then
# quiz), study, screens, shell, windows, app; then the tests' support, then the tests and the
# tools, which may include any layer below them.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(bank quiz study screens shell windows app support)
top=${#layers[@]}
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

# The rank of a folder holding C++ files, or -1 for a folder that is no layer.
folder_rank() {
    case "$1" in
    src/*/*) echo -1 ;;
    src/*) rank "${1#src/}" ;;
    tests/support) rank support ;;
    tests | tests/fuzz | tools | tools/bench) echo "$top" ;;
    *) echo -1 ;;
    esac
}

status=0
mapfile -t folders < <(find src tests tools -name '*.h' -o -name '*.cpp' | xargs -n1 dirname |
                       sort -u)
for folder in "${folders[@]}"; do
    own=$(folder_rank "$folder")
    [ "$own" -ge 0 ] || { echo "$folder: not a known layer" >&2; status=1; continue; }
    while IFS=: read -r file line include; do
        target=$(rank "${include%%/*}")
        if [ "$target" -lt 0 ]; then
            echo "$file:$line: $folder includes $include, from no known layer" >&2
            status=1
        elif [ "$target" -gt "$own" ]; then
            echo "$file:$line: $folder includes $include, from a layer above it" >&2
            status=1
        fi
    done < <(find "$folder" -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \) -print0 |
             xargs -0 grep -n -o -E '#include "[^"]*/[^"]*"' /dev/null |
             sed -E 's/#include "(.*)"/\1/')
done
[ "$status" -eq 0 ] && echo "layers: every include goes to the same layer or one below"
exit "$status"
