#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop gets from it: exactly
# the expected files, both programs answering --version with the project version, a valid
# menu entry and AppStream file, icons for the entry, and saved games recognised as ours
# by name and by content, and the endgame table of ENDGAME_PIECES found by the installed tool.
# usage: check_install.sh BUILD_DIR VERSION MIME_TYPE_OF ENDGAME_PIECES
set -euo pipefail
build_dir=$1 version=$2 mime_type_of=$3 endgame_pieces=$4
app_id=com.vantor.Circumvia
game_type=application/x-circumvia-game
text_type=application/x-circumvia-game-text

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_equal() {  # WHAT ACTUAL EXPECTED
    [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

# Nothing but the programs and their desktop files; tests and benchmarks stay in the build.
expected="bin/circumvia
bin/circumvia-cli
share/applications/$app_id.desktop
share/circumvia/puzzles.tsv
share/doc/circumvia/changelog.gz
share/doc/circumvia/copyright"
for size in 128 16 22 24 256 32 48 64; do
    expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
for ((total = 2; total <= endgame_pieces; total++)); do
    for ((own = 1; own < total; own++)); do
        expected+=$'\n'"share/circumvia/endgame/circumvia-$own-$((total - own)).egt"
    done
done
expected+="
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man6/circumvia-cli.6.gz
share/man/man6/circumvia.6.gz
share/metainfo/$app_id.metainfo.xml
share/mime/packages/circumvia.xml"
expect_equal "installed files" "$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" \
    "$(LC_ALL=C sort <<<"$expected")"

# The one version everywhere: both programs, the AppStream release, the manual page.
expect_equal "circumvia --version" "$("$prefix/bin/circumvia" --version)" "circumvia $version"
expect_equal "circumvia-cli --version" "$("$prefix/bin/circumvia-cli" --version)" \
    "circumvia-cli $version"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" ||
    fail "metainfo has no release $version"
zcat "$prefix/share/man/man6/circumvia.6.gz" | grep -q "^\.TH CIRCUMVIA 6 .*\"Circumvia $version\"" ||
    fail "manual page does not name version $version"

desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli rejects the metainfo: $(cat "$scratch/appstream.log")"
expect_equal "Exec" "$(sed -n 's/^Exec=//p' "$desktop")" "circumvia %f"
# The window opens game files and game texts alike.
expect_equal "MimeType" "$(sed -n 's/^MimeType=//p' "$desktop")" "$game_type;$text_type;"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no 48x48 icon named '$icon'"
for size in 16 22 24 32 48 64 128 256; do
    expect_equal "icon ${size}x${size}" "$(python3 -c '
import struct, sys
head = open(sys.argv[1], "rb").read(24)
print("PNG" if head[:8] == b"\x89PNG\r\n\x1a\n" else "not PNG", *struct.unpack(">II", head[16:24]))
' "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png")" "PNG $size $size"
done

# The game-file type: a game saved by the installed tool, under the usual and odd names,
# and without any extension (its first bytes decide).
XDG_DATA_DIRS="$prefix/share:/usr/share" update-mime-database "$prefix/share/mime"
games="$scratch/games"
mkdir -p "$games"
"$prefix/bin/circumvia-cli" replay --save "$games/GAME.Cva" 25 19 >/dev/null
cp "$games/GAME.Cva" "$games/lower.cva"
cp "$games/GAME.Cva" "$games/no-extension"
"$prefix/bin/circumvia-cli" convert "$games/GAME.Cva" "$games/GAME.cvn"
printf 'not a game\n' >"$games/notes.txt"
types="$(XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$scratch/no-user-data" \
    "$mime_type_of" "$games/GAME.Cva" "$games/lower.cva" "$games/no-extension" "$games/GAME.cvn" \
    "$games/notes.txt")"
expect_equal "types of GAME.Cva, lower.cva, no-extension, GAME.cvn, notes.txt" "$(echo $types)" \
    "$game_type $game_type $game_type $text_type text/plain"
for type in "$game_type" "$text_type"; do
    grep -q "<mime-type type=\"$type\"" "$prefix/share/mime/packages/circumvia.xml" ||
        fail "shared-mime-info package does not declare $type"
done

# The installed tool finds the table beside it, with no user table and no system one: Red on
# cell 2 takes White's last piece on cell 7 at once.
if [ "$endgame_pieces" -gt 0 ]; then
    expect_equal "endgame probe" "$(XDG_DATA_HOME="$scratch/no-user-data" XDG_DATA_DIRS=/nowhere \
        "$prefix/bin/circumvia-cli" endgame probe _R____B_____________________________ 1 | sed -n 1p)" \
        "win 1"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed tree failed" >&2
    exit 1
fi
echo "installed tree: all checks passed"
