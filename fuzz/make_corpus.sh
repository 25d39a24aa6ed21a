#!/usr/bin/env bash
# Writes the fuzzers' seed corpora (fuzz/corpus/game_file/, fuzz/corpus/game_text/) with
# circumvia-cli from a build: real game files of several shapes and the same games as text, so
# the fuzzers start from what the program writes. game_text/variations.cvn is written by hand.
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

# The same games as text records, beside the hand-written one with variations.
texts="$(dirname "$corpus")/game_text"
mkdir -p "$texts"
for game in "$corpus"/*.Cva; do
    name="$(basename "$game" .Cva)"
    "$cli" convert "$game" "$texts/$name.cvn"
done
ls -l "$texts"
