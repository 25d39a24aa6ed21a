#!/usr/bin/python3
"""A short game heard through a real screen reader (Orca), its speech captured as text.

Red (typed into the move entry) against the computer at level 1, from a position with one
White piece left: a typed move that is no move, a step, the computer's reply, then Red steps
until a capture takes the last White piece and ends the game. Each of these must be spoken,
unasked, and the moves once each.

Exits 77 (skipped, with the reason) where the screen reader's packages are missing.
usage: screen_reader_test.py PROGRAM CLI
"""
import os
import re
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen_reader  # noqa: E402

SKIP = 77
SPEECH_WAIT = 90  # seconds: a loaded machine delays the screen reader a lot
RED = 1
WHITE = 2
START = {25: "R", 29: "R", 32: "R", 35: "R", 8: "B"}  # E 1, E 5, F 2, F 5; White on B 2
SPOKEN_MOVE = re.compile(r"(Red|White), ([A-F] [1-6]) (to|takes) ([A-F] [1-6])")


def cell_of(text):
    return (ord(text[0]) - ord("A")) * 6 + int(text[2])


def cell_text(cell):
    return f"{chr(ord('A') + (cell - 1) // 6)} {(cell - 1) % 6 + 1}"


def game_file(path, position):
    """A game file (see docs/file-format.md) opening on `position`, Red to move."""
    def integer(value):
        return b"\x02" + struct.pack("<b", value)

    def text(value):
        return b"\x06" + bytes([len(value)]) + value.encode("ascii")

    board = "".join(position.get(cell, "_") for cell in range(1, 37))
    data = (integer(21) + text("Noname") + integer(RED) + integer(1) + text(board) +
            integer(0) + integer(0) +
            text("Ruby") + integer(board.count("R")) + integer(0) +
            text("Ivo") + integer(board.count("B")) + integer(1) +
            text(board) + integer(0) + integer(0) + integer(0))
    with open(path, "wb") as out:
        out.write(data)


class Player:
    """Red's side: the position as the speech tells it, moves chosen with the engine's tool."""

    def __init__(self, session, cli):
        self.session = session
        self.cli = cli
        self.position = dict(START)

    def board(self):
        return "".join(self.position.get(cell, "_") for cell in range(1, 37))

    def red_moves(self):
        """(from, to, is a capture) for every move of Red."""
        listed = subprocess.run([self.cli, "moves", self.board(), str(RED)], check=True,
                                capture_output=True, text=True).stdout.split("\n")
        moves = []
        for line in filter(None, listed):
            start, end = map(int, line.split())
            moves.append((start, end, self.position.get(end) == "B"))
        return moves

    def apply(self, start, end):
        self.position[end] = self.position.pop(start)

    def type_move(self, text):
        self.session.xdotool("key", "F2")
        self.session.xdotool("type", "--delay", "40", text)
        self.session.xdotool("key", "Return")

    def hear(self, what, pattern, after):
        """The first utterance after line `after` that matches; waits as long as it takes."""
        def heard():
            for line in self.session.lines()[after:]:
                if re.search(pattern, line):
                    return line
            return None
        try:
            return screen_reader.wait_for(what, heard, seconds=SPEECH_WAIT, step=0.2)
        except AssertionError as error:
            raise AssertionError(f"{error}; heard:\n  " +
                                 "\n  ".join(self.session.lines())) from None

    def play(self, start, end):
        verb = "takes" if self.position.get(end) == "B" else "to"
        said_move = f"Red, {cell_text(start)} {verb} {cell_text(end)}"
        # The reply is said as it starts; typed while it still runs, the move is refused.
        for _ in range(10):
            said = len(self.session.lines())
            self.type_move(cell_text(start).replace(" ", "") + cell_text(end).replace(" ", ""))
            line = self.hear("Red's move", f"{said_move}|Wait for your turn", said)
            if said_move in line:
                break
            time.sleep(1)
        self.apply(start, end)
        return said, line

    def hear_reply(self, after):
        line = self.hear("the computer's reply", r"White, [A-F] [1-6] (to|takes)", after)
        mover, start, _, end = SPOKEN_MOVE.search(line).groups()
        assert mover == "White", line
        self.apply(cell_of(start), cell_of(end))
        return line


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: screen_reader_test.py PROGRAM CLI")
    program, cli = sys.argv[1:]
    missing = screen_reader.missing_parts()
    if missing:
        print("SKIPPED: no screen reader to listen with; missing: " + ", ".join(missing))
        sys.exit(SKIP)

    with screen_reader.Session() as session:
        start_file = os.path.join(session.folder, "last-piece.Cva")
        game_file(start_file, START)
        session.start(program, start_file, lang="en_US.UTF-8")
        player = Player(session, cli)
        player.hear("the program's window", r"Circumvia", 0)
        window = screen_reader.wait_for("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Circumvia"], env=session.env,
            capture_output=True, text=True).stdout.split(), seconds=SPEECH_WAIT)
        session.xdotool("windowfocus", "--sync", window[0])

        said = len(session.lines())
        player.type_move("zz")
        player.hear("the refusal", r'"zz" is not a move', said)

        step = next(move for move in player.red_moves() if not move[2])
        said, _ = player.play(step[0], step[1])
        replies = [player.hear_reply(said)]
        for _ in range(12):
            if player.position.get(8) is None and "B" not in player.position.values():
                break
            moves = player.red_moves()
            chosen = next((move for move in moves if move[2]), moves[0])
            said, _ = player.play(chosen[0], chosen[1])
            if chosen[2]:
                break
            replies.append(player.hear_reply(said))
        player.hear("the end of the game", r"Game over", said)

        lines = session.lines()
        moves = [line for line in lines if SPOKEN_MOVE.search(line)]
        for line in moves:
            assert lines.count(line) == 1, f"said more than once: {line!r}\n" + "\n".join(lines)
        assert any("takes" in line for line in moves), "\n".join(lines)
        print("heard:\n  " + "\n  ".join(lines))


if __name__ == "__main__":
    main()
