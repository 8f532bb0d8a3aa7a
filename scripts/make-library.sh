#!/usr/bin/env bash
# Regenerates the shipped systems library (resources/BIBLIO) with the program's own constructor:
# for every game 2..12, every guarantee the game offers except the full system, and every number
# of positions N from one more than the game (6 for game 6) up to the game's largest N, the system
# over positions 1..N, named and written as the constructor stores it.
# Usage: scripts/make-library.sh [TARU-CLI] [OUT-DIR]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CLI="${1:-$ROOT/build/bin/taru-cli}"
OUT="${2:-$ROOT/resources/BIBLIO}"
[ -x "$CLI" ] || { echo "make-library: $CLI is not built (cmake --build build --target taru-cli)" >&2; exit 1; }

# The largest N: 20 up to game 6, 16 above (the larger games' systems grow fastest, and every
# file is verified exhaustively by the tests).
max_numbers() { if [ "$1" -le 6 ]; then echo 20; else echo 16; fi; }
# The guarantees a game offers: indices 0..last of its list (index 0 is the full system).
last_guarantee() {
    case "$1" in
        2|3) echo 1 ;; 4|5) echo 2 ;; 6) echo 3 ;; 7|8) echo 4 ;; 9|10) echo 5 ;; 11|12) echo 6 ;;
    esac
}

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
count=0
for game in 2 3 4 5 6 7 8 9 10 11 12; do
    first=$((game + 1))
    [ "$game" -eq 6 ] && first=6
    for n in $(seq "$first" "$(max_numbers "$game")"); do
        for guarantee in $(seq 1 "$(last_guarantee "$game")"); do
            LC_ALL=C "$CLI" construct --numbers "1-$n" --game "$game" --guarantee "$guarantee" \
                --library-dir "$tmp" > /dev/null 2>&1
            count=$((count + 1))
        done
    done
done
rm -rf "$OUT"
mkdir -p "$OUT"
cp "$tmp"/*.tbi "$OUT"/
echo "$count systems, $(du -sb "$OUT" | cut -f1) bytes in $OUT"
