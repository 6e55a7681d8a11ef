"""Reads and plays the running program through AT-SPI, as a screen reader does.

    dbus-run-session -- atspi_game.py <program>       (starts its own Xvfb)

Starts a private accessibility bus, the program with Qt's AT-SPI bridge on, and then,
through the accessibility tree alone: finds every button of the main window by its name,
presses Start, answers the name question, enters a keyword of the round and reads the
found keyword, the new score and the announcement back from the tree; then leaves
through Exit and its question."""

import os
import subprocess
import sys


import pyatspi
from gi.repository import GLib

from harness import KEYWORDS, Failure, ProgramFolder, run, wait_for, wait_for_clean_exit

# As a screen reader says them: an English caption with its Dutch meaning after it.
MAIN_BUTTONS = ("Volgende", "Start", "Edit, bewerken", "Tools, extra", "Help", "Score", "About, over het programma",
                "Exit, afsluiten")


def accessibility_bus():
    """Starts the session's accessibility bus (at-spi-bus-launcher, by D-Bus activation)
    and waits until it answers. Only ever by activation: the program and this test must
    meet on one bus, and a launcher started by hand beside an activated one opens another."""
    # The registry types the keys a client asks for on the display it was started with.
    subprocess.run(["dbus-update-activation-environment", "DISPLAY=" + os.environ["DISPLAY"]], check=True, timeout=30)
    asked = subprocess.run(["dbus-send", "--session", "--print-reply", "--reply-timeout=20000", "--dest=org.a11y.Bus",
                            "/org/a11y/bus", "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=30)
    if asked.returncode != 0:
        raise Failure("no accessibility bus (package at-spi2-core): " + asked.stderr.strip())


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    for item in descendants(node):
        if item.getRoleName() == role and (name is None or item.name == name):
            return item
    return None


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure("%r offers no press action, only %s" % (button.name, names))
    action.doAction(names.index("Press"))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Raadkwartet" and app.childCount > 0:
            return app
    return None


def window(app, role, name):
    for child in app:
        if child is not None and child.getRoleName() == role and child.name == name:
            return child
    return None


class NoticeEvents:
    """The events a screen reader gets from the program's notice object: it reads an
    announcement when the object shows (again) with a new name."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:showing")

    def on_event(self, event):
        try:
            if event.source.getRoleName() == "notification" and event.detail1 == 1:
                self.heard.append(event.source.name)
        except Exception:  # the source went away meanwhile
            pass

    def heard_text(self, text):
        # Events arrive through the main loop, which nothing else here runs.
        while GLib.MainContext.default().iteration(False):
            pass
        return text in self.heard


def enter_text(field, text):
    field.queryEditableText().setTextContents(text)
    wait_for("%r in %r" % (text, field.name), lambda: field.queryText().getText(0, -1) == text)


def test(program):
    folder = ProgramFolder(program)
    accessibility_bus()
    try:
        folder.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        try:
            app = wait_for("the program on the accessibility bus", application)
        except Failure:
            desktop = pyatspi.Registry.getDesktop(0)
            raise Failure("the program is not on the accessibility bus (running: %s; on the bus: %s)" % (
                folder.process.poll() is None, [(a.name, a.childCount) for a in desktop if a is not None]))
        notices = NoticeEvents()
        main = wait_for("the main window", lambda: window(app, "frame", "De Trefkoning"))

        buttons = {}
        for name in MAIN_BUTTONS:
            buttons[name] = wait_for("the button " + name, lambda name=name: find(main, "push button", name))
        print("buttons found:", ", ".join(MAIN_BUTTONS))
        # Nothing a reader would meet without a name: no anonymous fillers, no pictures.
        unnamed = [item.getRoleName() for item in descendants(main)
                   if not item.name.strip() and item.getRoleName() != "notification"]
        if unnamed:
            raise Failure("objects without a name in the main window: %s" % unnamed)
        start_states = buttons["Start"].getState()
        if not start_states.contains(pyatspi.STATE_FOCUSABLE):
            raise Failure("Start is not focusable")
        if buttons["Volgende"].getState().contains(pyatspi.STATE_ENABLED):
            raise Failure("Volgende is enabled before a game")
        if buttons["Start"].description != "Programma starten":
            raise Failure("Start is described as %r" % buttons["Start"].description)

        press(buttons["Start"])
        question = wait_for("the name question", lambda: window(app, "dialog", "Naam Speler"))
        enter_text(wait_for("the name box", lambda: find(question, "text")), "Anna Blind")
        press(wait_for("its OK button", lambda: find(question, "push button", "OK")))
        wait_for("the player's name", lambda: find(main, "label", "Naam speler: Anna Blind"))
        wait_for("a round on the board", lambda: find(main, "label", "Vak 1: verborgen") is None)
        slots = [item.name for item in descendants(main) if item.name.startswith("Vak ") and ":" in item.name]
        print("board:", "; ".join(slots))

        answer = find(main, "text", "Oplossing")
        enter_text(answer, KEYWORDS[1])
        # Xvfb runs no window manager to give the main window the keyboard back once the
        # question has closed; xdotool does what it would.
        wait_for("the question to close", lambda: window(app, "dialog", "Naam Speler") is None)
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(folder.process.pid)],
                                 check=True, timeout=10, capture_output=True, text=True).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=True, timeout=10)
        # The player's Enter, as the keyboard gives it to the box that has the focus.
        answer.queryComponent().grabFocus()
        wait_for("the focus in the answer box", lambda: answer.getState().contains(pyatspi.STATE_FOCUSED))
        pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)

        found = KEYWORDS[1].upper()
        row = wait_for("the found keyword", lambda: next(
            (item for item in descendants(main) if item.name.startswith("Trefwoord ") and item.name.endswith(": " + found)),
            None))
        score = wait_for("the new score", lambda: find(main, "label", "Score: 20"))
        notice = wait_for("the announcement", lambda: next(
            (item for item in main if item is not None and item.getRoleName() == "notification"
             and item.name == "Gevonden: %s. Score 20." % found), None))
        wait_for("the announcement as an event", lambda: notices.heard_text(notice.name))
        print("read back:", row.name, "|", score.name, "|", notice.name)
        print("announcements heard:", notices.heard)

        press(buttons["Exit, afsluiten"])
        leave = wait_for("the exit question", lambda: window(app, "dialog", " Exit programma")
                         or window(app, "alert", " Exit programma"))
        press(wait_for("its Ja button", lambda: find(leave, "push button", "Ja")))
        wait_for_clean_exit(folder.process)
    finally:
        folder.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: atspi_game.py <program>")
    run(lambda: test(os.path.abspath(sys.argv[1])))
