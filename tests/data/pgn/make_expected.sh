#!/usr/bin/env bash
# Writes NAME.uci beside each NAME.pgn: the moves of the file's first game
# in coordinate notation as pgn-extract (Debian package pgn-extract) reads
# them. The tests compare the program's reader with these.
set -euo pipefail
cd "$(dirname "$0")"
for pgn in *.pgn; do
  /usr/games/pgn-extract -s --stopafter 1 -Wuci --notags --nocomments --novars --nonags \
    --noresults -w 100000 "$pgn" 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' > "${pgn%.pgn}.uci"
  echo >> "${pgn%.pgn}.uci"
done
