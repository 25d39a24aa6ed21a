#!/usr/bin/env bash
# Writes the game-file fuzzer's seed corpus (fuzz/corpus/game_file/) with circumvia-cli from a build:
# real game files of several shapes, so the fuzzer starts from what the program writes.
#   fuzz/make_corpus.sh build
set -euo pipefail
cli="${1:?usage: make_corpus.sh BUILD_DIR}/bin/circumvia-cli"
corpus="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/corpus/game_file"
mkdir -p "$corpus"

# Two moves, accented names (UTF-8 text values).
"$cli" replay --red-name "Renée" --white-name "Jürgen" --save "$corpus/short.Cva" \
    25 19 8 15 >/dev/null
# White to move first, then the null move ends the game drawn (result -1).
"$cli" replay --first 2 --save "$corpus/drawn.Cva" 8 14 0 0 >/dev/null
# Whole games between computer players: one won, and one stopped at 150 moves (current
# above 127 takes a 16-bit value).
"$cli" selfplay --red 1 --white 2 --seed 1 --save "$corpus/levels12.Cva" >/dev/null
"$cli" selfplay --red 1 --white 1 --seed 129 --max-moves 150 --save "$corpus/long.Cva" >/dev/null
ls -l "$corpus"
