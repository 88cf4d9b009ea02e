#!/bin/sh
# The folders of src/ in README.md's table are the order of dependence: a file may include
# files of its own folder and of folders listed before it, never of one listed after.
# Usage: include_order_test.sh SOURCE_ROOT
root=${1:?source root}
order=$(sed -n 's/^| `src\/\([a-z_]*\)\/` |.*/\1/p' "$root/README.md")
[ -n "$order" ] || { echo "README.md lists no src/ folders"; exit 1; }

rank() { echo "$order" | grep -nx "$1" | cut -d: -f1; }

failures=0
for dir in "$root"/src/*/; do
    folder=$(basename "$dir")
    own=$(rank "$folder")
    if [ -z "$own" ]; then
        echo "src/$folder/ is not in README.md's table of folders"
        failures=$((failures + 1))
        continue
    fi
    for file in "$dir"*; do
        for used in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)\/.*/\1/p' "$file" | sort -u); do
            theirs=$(rank "$used")
            if [ -z "$theirs" ] || [ "$theirs" -gt "$own" ]; then
                echo "${file#"$root"/} includes $used/, which is not below src/$folder/"
                failures=$((failures + 1))
            fi
        done
    done
done
if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) against the order of README.md"
    exit 1
fi
echo "include order: $(echo "$order" | wc -l) folders, every include points down"
