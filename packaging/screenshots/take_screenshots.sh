#!/usr/bin/env bash
# Takes the AppStream screenshots from the real window: starts the game under its own Xvfb
# with a scratch home (English texts, default settings), plays one move as Red, waits for
# the computer's answer, selects a piece so its possible moves show, and grabs the window;
# then switches to the top view and grabs it again.
#   packaging/screenshots/take_screenshots.sh [PROGRAM] [OUTPUT_DIR]
# Needs xvfb, xdotool and imagemagick (scripts/test installs them).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="${1:-$here/../../build/bin/circumvia}"
out="${2:-$here}"

if [ -z "${CIRCUMVIA_SCREENSHOT_DISPLAY:-}" ]; then
    exec env CIRCUMVIA_SCREENSHOT_DISPLAY=1 \
        xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$(realpath "$program")" "$(realpath "$out")"
fi

scratch="$(mktemp -d)"
mkdir -p "$scratch/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
    XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" LANG=en_GB.UTF-8 \
    QT_QPA_PLATFORM=xcb
unset LANGUAGE
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$scratch"' EXIT

window="$(xdotool search --sync --onlyvisible --name '^Circumvia$' | head -1)"
xdotool windowsize --sync "$window" 960 640
xdotool windowmove --sync "$window" 0 0
sleep 3
click() {  # X Y inside the window, then let the board settle
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep "$3"
}
grab() {
    import -window "$window" -strip "$1"
}
click 451 423 1    # a Red piece of the front row
click 452 383 8    # one step forward; the computer answers
click 566 423 2    # another Red piece: its possible moves are marked
grab "$out/game.png"
click 47 36 4      # the top view
grab "$out/top-view.png"
