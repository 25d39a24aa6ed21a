#!/bin/sh
# Makes the shipped puzzles: computer games of mixed levels, every position whose gain is
# the only one by a piece proven at four plies. Run from the source folder after a build:
#   assets/puzzles/make_puzzles.sh build/bin/circumvia-cli
set -eu
cli=${1:-build/bin/circumvia-cli}
nice -n 10 "$cli" puzzles generate --games 90 --seed 1 --out assets/puzzles/puzzles.tsv
"$cli" puzzles check assets/puzzles/puzzles.tsv
