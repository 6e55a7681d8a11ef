"""A whole game with the keyboard alone: no pointer event at all, only keys that xdotool
types into the window that has the focus.

    keyboard_game.py <program>       (starts its own Xvfb)

Start by Tab and Enter, the player's name, the solution by Ctrl+O, a keyword typed with Enter, "Volgende" by
Shift+Tab and Enter, the rest of the round, the next-round message, the end of the game
and the score window (closed with Escape). The score file must
hold the game's score: 20 for the first keyword, -40 and +20 for the bought one, 20 for the
last. The program then ends as a logout ends it, with the editor open."""

import os
import subprocess
import sys
import time

from harness import KEYWORDS, Failure, ProgramFolder, run, wait_for, wait_for_clean_exit

PLAYING_TIME = 12
PLAYER = "Toetsenbord"
# A box that opens by itself (the next round, the end, the scores after it) takes no key for a second.
QUIET_SECONDS = 1.2


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=False, timeout=10, capture_output=True,
                          text=True).stdout.split()


def window_named(name):
    found = xdotool("search", "--onlyvisible", "--name", "^%s$" % name)
    return found[0] if found else None


def main_window(pid):
    # The main window has no title of its own; the system shows the program's name.
    for window in xdotool("search", "--onlyvisible", "--pid", str(pid)):
        if subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True,
                          timeout=10).stdout.strip() in ("", "Raadkwartet"):
            return window
    return None


def keys(window, *names):
    """Gives 'window' the keyboard, as a window manager would, and types the keys."""
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True, timeout=30)


def type_text(window, text):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=30)


def box_over(window, name):
    """A visible window called 'name' other than 'window' (a box may share its title)."""
    found = [w for w in xdotool("search", "--onlyvisible", "--name", "^%s$" % name) if w != window]
    return found[0] if found else None


def closed(name):
    return lambda: window_named(name) is None


def test(program):
    folder = ProgramFolder(program, playing_time=PLAYING_TIME)
    try:
        process = folder.start()
        main = wait_for("the main window", lambda: main_window(process.pid))
        # The focus starts in the answer box; Tab leads to Start.
        keys(main, "Tab", "Return")
        name_question = wait_for("the name question", lambda: window_named("Naam Speler"))
        type_text(name_question, PLAYER)
        keys(name_question, "Return")
        wait_for("the name question to close", closed("Naam Speler"))

        # Nothing here hands the keyboard back as a box closes, as a window manager would:
        # the program does, so the board's own keys reach it. Ctrl+O shows the solution.
        subprocess.run(["xdotool", "key", "ctrl+o"], check=True, timeout=10)
        solution = wait_for("the solution after Ctrl+O", lambda: box_over(main, "Raadkwartet"))
        keys(solution, "Return")
        wait_for("the solution to close", lambda: box_over(main, "Raadkwartet") is None)

        # The first round has the focus in the answer box.
        type_text(main, KEYWORDS[0])
        keys(main, "Return")
        # "Volgende" stands before the answer box; it puts the keyword in the box and the
        # focus back there.
        keys(main, "shift+Tab", "Return")
        keys(main, "Return")
        # One of these is the keyword still missing; the other scores nothing again.
        for keyword in KEYWORDS[1:]:
            type_text(main, keyword)
            keys(main, "Return")
        round_message = wait_for("the next-round message", lambda: window_named("De Trefkoning"))
        # A box that opens by itself takes no key in its first second.
        time.sleep(QUIET_SECONDS)
        keys(round_message, "Return")
        wait_for("the next-round message to close", closed("De Trefkoning"))

        end_message = wait_for("the end of the game", lambda: window_named("De Trefkoning"),
                               seconds=PLAYING_TIME + 30)
        scores = open(folder.data("Scorelijst.lib"), "rb").read()
        if b'"0020 - %s"\r\n' % PLAYER.encode() not in scores:
            raise Failure("the score file does not hold 20 points for %s: %r" % (PLAYER, scores))
        time.sleep(QUIET_SECONDS)
        keys(end_message, "Return")
        score_window = wait_for("the score window", lambda: window_named("Hoogst Scorelijst"))
        # Following the end by itself, it takes no key in its first second either.
        time.sleep(QUIET_SECONDS)
        keys(score_window, "Escape")
        wait_for("the score window to close", closed("Hoogst Scorelijst"))

        # After the game the focus is on Start; Edit follows it. With a row deleted in the
        # editor and not saved, the system ends the program (a logout sends SIGTERM): it asks
        # nothing, does not wait for the open window, and ends as after its exit question.
        keys(main, "Tab", "Return")
        puzzles = open(folder.data("Puzzel.lib"), "rb").read()
        editor = wait_for("the editor", lambda: window_named("Lijst bewerken"))
        keys(editor, "Down", "Delete")
        keys(wait_for("the deletion question", lambda: window_named(" Delete")), "Return")
        wait_for("the deletion question to close", closed(" Delete"))
        process.terminate()
        wait_for_clean_exit(process)
        if open(folder.data("Puzzel.lib"), "rb").read() != puzzles:
            raise Failure("the editor's unsaved deletion reached Puzzel.lib")
        print("game played with keys alone; score file:", scores.decode("cp1252").split("\r\n")[2:-1])
    finally:
        folder.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: keyboard_game.py <program>")
    run(lambda: test(os.path.abspath(sys.argv[1])))
