"""What the tests of the running program share: a screen of their own, a program folder of
its own with a known puzzle database, the program started in it, and waiting with a time
limit."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Three items: every round holds exactly these three keywords.
KEYWORDS = ("koe", "varken", "schaap")
PUZZLES = (b"Brovelt Software 2019\r\n--------------------------\r\n"
           b"koe,loeien,herkauwer,melkrobot,Blaarkop\r\n"
           b"varken,knorren,krulstaart,spaarpot,big\r\n"
           b"schaap,blaten,ooi,herdershond,Shaun\r\n")


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=30.0, step=0.05):
    """Polls until condition() returns something true and returns it; fails after 'seconds'."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = condition()
        except Exception:  # an object that went away while it was read: try again
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(step)


def wait_for_clean_exit(process):
    """Waits for the program to end after its exit question and fails unless it ended well."""
    wait_for("the program to end", lambda: process.poll() is not None, seconds=15)
    if process.returncode != 0:
        raise Failure("the program ended with status %d" % process.returncode)
    # A warning of the toolkit (a thread taken for the main one, a timer or a painter used
    # wrongly) is a fault even when the game played well; what the machine's set-up says
    # about its own folders is not the program's.
    with open(process.error_output, encoding="utf-8", errors="replace") as f:
        warnings = [line for line in f.read().splitlines()
                    if line.strip() and not line.startswith(("QStandardPaths:", "qt.qpa."))]
    if warnings:
        raise Failure("the program wrote to its error output: " + " / ".join(warnings))


class ProgramFolder:
    """A copy of the program beside a Data folder of its own, so it reads the puzzles
    above and writes its settings and scores there, never in the build tree."""

    def __init__(self, program, playing_time=600):
        self.path = tempfile.mkdtemp(prefix="raadkwartet-xvfb.")
        self.program = os.path.join(self.path, "Raadkwartet")
        shutil.copy2(program, self.program)
        os.mkdir(os.path.join(self.path, "Data"))
        with open(self.data("Puzzel.lib"), "wb") as f:
            f.write(PUZZLES)
        with open(os.path.join(self.path, "Raadkwartet.ini"), "wb") as f:
            f.write(b'"Brovelt Software 2019"\r\n"--------------------------"\r\n%d\r\n30,30,40\r\n'
                    b'"Brovelt Software 2019"\r\n' % playing_time)
        self.process = None

    def data(self, name):
        return os.path.join(self.path, "Data", name)

    def start(self, **environment):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", **environment)
        # Without a session bus, libdbus would fork a bus launcher from the program's bus
        # thread while its other threads run (under AddressSanitizer the child can then hang
        # in malloc) and leave a bus behind: a bus that is not there is refused at once.
        env.setdefault("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + os.path.join(self.path, "no-session-bus"))
        error_output = os.path.join(self.path, "error-output.txt")
        with open(error_output, "wb") as f:
            self.process = subprocess.Popen([self.program], cwd=self.path, env=env, stderr=f)
        self.process.error_output = error_output
        return self.process

    def finish(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.path, ignore_errors=True)


class VirtualScreen:
    """An Xvfb of 1280 x 1024 on a display of its own. The number is drawn at random from a
    range no other tool starts at (xvfb-run takes 99 and up, -displayfd 0 and up), and the
    screen is used only once a client has reached it: on a shared machine two tests can
    otherwise end up on one number, one of them on a server it may not use."""

    def __init__(self):
        import random
        for _ in range(20):
            number = random.randrange(2000, 30000)
            # No reset when the last client leaves: the probe below and the accessibility
            # bus come and go, and a program connecting during a reset is turned away.
            server = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                       "-noreset"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            env = dict(os.environ, DISPLAY=":%d" % number)
            env.pop("XAUTHORITY", None)
            deadline = time.monotonic() + 10
            while server.poll() is None and time.monotonic() < deadline:
                probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=env, capture_output=True, text=True)
                if probe.stdout.split() == ["1280", "1024"]:
                    self.server = server
                    os.environ["DISPLAY"] = env["DISPLAY"]
                    os.environ.pop("XAUTHORITY", None)
                    return
                time.sleep(0.05)
            if server.poll() is None:
                server.terminate()
            server.wait()
        raise Failure("no Xvfb screen could be started")

    def stop(self):
        self.server.terminate()
        self.server.wait()


def run(test):
    """Runs test() on a screen of its own, printing a failure and ending with status 1 on
    any exception."""
    screen = VirtualScreen()
    try:
        test()
    except Exception as error:  # the message is the test's report
        print("FAIL:", error, file=sys.stderr)
        sys.exit(1)
    finally:
        screen.stop()
    print("PASS")
