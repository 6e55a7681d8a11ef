"""What the tests of the running program share: a program folder of its own with a known
puzzle database, the program started in it, and waiting with a time limit."""

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
        self.process = subprocess.Popen([self.program], cwd=self.path, env=env)
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


def run(test):
    """Runs test(), printing a failure and ending with status 1 on any exception."""
    try:
        test()
    except Exception as error:  # the message is the test's report
        print("FAIL:", error, file=sys.stderr)
        sys.exit(1)
    print("PASS")
