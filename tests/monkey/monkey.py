#!/usr/bin/python3
"""A monkey for Faktorlupe's windows: random but valid X input through xdotool for a bounded time.

Clicks anywhere (also on the "x" buttons), types, pastes huge texts and nothing at all (the
clipboard of a program that copied and quit), presses Tab, Return, Space, Escape and the editing
keys, resizes the frame between its minimum and a large one; in the comparison window also
Messen, Abbrechen, the axis switch and new numbers while it measures (by their mnemonics, since
its layout changes). Numbers stay below 10^8, so that no scan's loop keeps the window busy for
long. It fails when the program ends, when a sanitizer reports, when the window does not answer a
window manager's ping within a minute (a hang; slower answers are counted and the slowest is
printed, since a machine busy with other work stretches a sanitizer build's answers), or when its resident memory at rest grows by more than 50 MB
from after a warm-up, which does once the costliest things (the largest frame, megabyte pastes),
to the end. It prints the seed to replay a run with, the events and the memory.

    monkey.py --program PATH --window main|vergleich --probe PATH/x-answers [--seconds N]
              [--seed N]
    monkey.py --hostile --program PATH --vergleich PATH --probe PATH/x-answers

The second form starts both programs in hostile environments instead: no XDG_RUNTIME_DIR, a
read-only HOME, LANG=C and tr_TR.UTF-8, QT_SCALE_FACTOR=3; each must show its window, answer,
run a scan or measure, close on request and report nothing.
Run it inside an X server without a window manager, e.g. under xvfb-run.
"""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# A window that has not answered a ping after 5 s has stalled; one that has not after a minute
# hangs.
STALL_SECONDS = 5
HANG_SECONDS = 60
GROWTH_LIMIT_MB = 50
# Pastes are up to 2^20 characters long, a megabyte.
LONGEST_PASTE_BITS = 20
SCREEN = (1600, 1000)
# The main form's designed size and the centres of its controls at that size, in pixels, as the
# layout table places them (read by layout_from).
DESIGNED = (0, 0)
MAIN_CONTROLS = {}
KEYS = ["Tab", "shift+Tab", "Return", "space", "Escape", "BackSpace", "Delete", "Home", "End",
        "Left", "Right", "Up", "Down", "Prior", "Next", "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+z",
        "ctrl+shift+z", "ctrl+v", "shift+Insert", "shift+End", "shift+Home"]
# Typed text holds no digits: digits typed into the input box could make a number whose scan
# keeps the window busy. Numbers come from set_number alone.
TYPED = "abcdefghijklmnopqrstuvwxyzäöüß ABCXYZ.,;:-+*/()!?"
SANITIZER = re.compile(r"ERROR: (Address|Leak)Sanitizer|runtime error:|"
                       r"SUMMARY: UndefinedBehaviorSanitizer")


class Failure(Exception):
    pass


def run(*command, check=False):
    return subprocess.run(command, capture_output=True, text=True, check=check).stdout


def xdotool(*arguments):
    subprocess.run(("xdotool",) + arguments, capture_output=True)


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


class Program:
    """A program under test with its output in a log, and its window."""

    def __init__(self, command, title, env, folder, log_path, probe):
        self.log_path = log_path
        self.probe = probe
        self.log = open(log_path, "w")
        # Random keys in a file dialog can delete files, so the program sees the whole file
        # system read-only, but for the monkey's folder and the X server's sockets.
        sandbox = ["bwrap", "--ro-bind", "/", "/", "--dev-bind", "/dev", "/dev",
                   "--bind", folder, folder, "--bind", "/tmp/.X11-unix", "/tmp/.X11-unix",
                   "--chdir", folder, "--"]
        self.process = subprocess.Popen(sandbox + command, stdout=self.log,
                                        stderr=subprocess.STDOUT, env=env)
        self.pid = self.program_pid(os.path.realpath(command[0]))
        self.window = self.find_window(title)
        self.stalls = []

    def program_pid(self, path):
        """The program's own process, which the sandbox starts below itself."""
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            self.check_running()
            waiting = [self.process.pid]
            while waiting:
                pid = waiting.pop()
                try:
                    if os.path.realpath("/proc/%d/exe" % pid) == path:
                        return pid
                    with open("/proc/%d/task/%d/children" % (pid, pid)) as children:
                        waiting += [int(child) for child in children.read().split()]
                except OSError:
                    pass
            time.sleep(0.1)
        raise Failure("the program did not start")

    def find_window(self, title):
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            self.check_running()
            found = run("xdotool", "search", "--onlyvisible", "--pid", str(self.pid),
                        "--name", title).split()
            if found:
                return found[0]
            time.sleep(0.2)
        raise Failure("the window '%s' did not appear" % title)

    def check_running(self):
        status = self.process.poll()
        if status is not None:
            raise Failure("the program ended with status %d" % status)

    def answers(self, seconds):
        return subprocess.run([self.probe, "ping", self.window, str(seconds * 1000)],
                              capture_output=True).returncode == 0

    def check_answers(self):
        self.check_running()
        asked = time.monotonic()
        if self.answers(STALL_SECONDS):
            return
        if not self.answers(HANG_SECONDS - STALL_SECONDS):
            self.check_running()
            raise Failure("the window did not answer for %d s" % HANG_SECONDS)
        self.stalls.append(time.monotonic() - asked)
        print("monkey: the window answered only after %.1f s" % self.stalls[-1], flush=True)

    def stall_note(self):
        if not self.stalls:
            return "every ping answered within %d s" % STALL_SECONDS
        return "%d pings answered after more than %d s, the slowest after %.1f s" % (
            len(self.stalls), STALL_SECONDS, max(self.stalls))

    def sanitizer_report(self):
        self.log.flush()
        with open(self.log_path, errors="replace") as log:
            text = log.read()
        match = SANITIZER.search(text)
        return text[max(0, match.start() - 200):match.start() + 3000] if match else None

    def close(self):
        """Closes the window as its frame would; returns whether the program ended by itself."""
        for _ in range(3):
            xdotool("key", "Escape")
        subprocess.run([self.probe, "close", self.window], capture_output=True)
        try:
            self.process.wait(timeout=15)
            return True
        except subprocess.TimeoutExpired:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=30)
            return False


class Clipboard:
    """Owns the clipboard and the selection with xclip, or leaves them without an owner."""

    def __init__(self, folder):
        self.folder = folder
        self.owners = []

    def own(self, text):
        path = os.path.join(self.folder, "paste.txt")
        with open(path, "w") as file:
            file.write(text)
        self.release()
        for selection in ("clipboard", "primary"):
            self.owners.append(subprocess.Popen(
                ["xclip", "-quiet", "-selection", selection, "-i", path],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(0.1)

    def release(self):
        """Ends the owners: what the program then pastes is nothing."""
        for owner in self.owners:
            owner.terminate()
            owner.wait()
        self.owners = []

    def empty(self):
        self.own("x")
        self.release()


class Monkey:
    def __init__(self, program, kind, rng, clipboard):
        self.program = program
        self.kind = kind
        self.rng = rng
        self.clipboard = clipboard
        self.size = (0, 0)
        self.counts = {}
        self.update_size()

    def update_size(self):
        geometry = run("xdotool", "getwindowgeometry", self.program.window)
        match = re.search(r"Geometry: (\d+)x(\d+)", geometry)
        if match:
            self.size = (int(match.group(1)), int(match.group(2)))

    def count(self, name):
        self.counts[name] = self.counts.get(name, 0) + 1

    def click_at(self, x, y, button=1):
        xdotool("mousemove", "--window", self.program.window, str(x), str(y), "click",
                str(button))

    def control(self, name):
        """Where a control of the main form is drawn at the window's present size."""
        factor = max(0.6, min(self.size[0] / DESIGNED[0], self.size[1] / DESIGNED[1]))
        left = max(0, (self.size[0] - DESIGNED[0] * factor) / 2)
        top = max(0, (self.size[1] - DESIGNED[1] * factor) / 2)
        x, y = MAIN_CONTROLS[name]
        return int(left + x * factor), int(top + y * factor)

    def number(self):
        return str(int(10 ** self.rng.uniform(0, 8)))

    def anywhere(self):
        return self.rng.randrange(max(1, self.size[0])), self.rng.randrange(max(1, self.size[1]))

    # The actions, each one event as the report counts them.
    def click_anywhere(self):
        self.click_at(*self.anywhere(), button=self.rng.choice([1, 1, 1, 1, 2, 3]))

    def click_control(self):
        if self.kind == "main":
            self.click_at(*self.control(self.rng.choice(list(MAIN_CONTROLS))))
        else:
            self.click_anywhere()

    def set_number(self):
        if self.kind == "main":
            self.click_at(*self.control("txtEingabe"))
            xdotool("key", "ctrl+a")
            xdotool("type", "--delay", "5", self.number())
        else:
            xdotool("key", "alt+z")
            xdotool("type", "--delay", "5", " ".join(self.number() for _ in
                                                     range(self.rng.randint(1, 4))))
            xdotool("key", self.rng.choice(["Return", "alt+m"]))

    def type_text(self):
        text = "".join(self.rng.choice(TYPED) for _ in range(self.rng.randint(1, 12)))
        xdotool("type", "--delay", "5", text)

    def press_key(self):
        xdotool("key", self.rng.choice(KEYS))

    def mnemonic(self):
        xdotool("key", self.rng.choice(["alt+m", "alt+a", "alt+l", "alt+z"]))

    def paste_huge(self, length=None, unbroken=None, way=None):
        length = length or int(2 ** self.rng.uniform(10, LONGEST_PASTE_BITS))
        if unbroken if unbroken is not None else self.rng.random() < 0.5:
            text = self.rng.choice("0123456789x") * length
        else:
            words = ["lorem", "ipsum", "1 - 2 - 3", "Teiler", "\n", "\t", "ÄÖÜ"]
            text = " ".join(self.rng.choice(words) for _ in range(length // 6))
        self.clipboard.own(text)
        self.paste(way)

    def paste_nothing(self):
        self.clipboard.empty()
        self.paste()

    def paste(self, way=None):
        way = way or self.rng.choice(["ctrl+v", "shift+Insert", "middle"])
        if way == "middle":
            self.click_at(*self.anywhere(), button=2)
        else:
            xdotool("key", way)
        # A long paste takes a moment to lay out; the next event waits for it anyway.
        time.sleep(0.2)

    def resize(self):
        width = self.rng.randint(int(DESIGNED[0] * 0.6), SCREEN[0])
        height = self.rng.randint(int(DESIGNED[1] * 0.6), SCREEN[1])
        xdotool("windowsize", self.program.window, str(width), str(height))
        time.sleep(0.1)
        self.update_size()

    def warm_up(self):
        """Does once what costs the most memory: the largest frame, and the longest pastes of
        both kinds into every box, a scan in each row. Memory that a program takes for such work
        and keeps for the next time is then counted before the random events, not as growth."""
        xdotool("windowsize", self.program.window, str(SCREEN[0]), str(SCREEN[1]))
        time.sleep(0.3)
        self.update_size()
        if self.kind == "main":
            boxes = ["txtEingabe", "txtAlle", "txtHalbe", "txtWurzel", "txtZeitAlle"]
        else:
            boxes = [None]
        for box in boxes:
            for unbroken in (True, False):
                if box is None:
                    xdotool("key", "alt+z")
                else:
                    self.click_at(*self.control(box))
                xdotool("key", "ctrl+a")
                self.paste_huge(2 ** LONGEST_PASTE_BITS, unbroken, "ctrl+v")
                time.sleep(1)
        if self.kind == "main":
            for button in ("cmdAlle", "cmdHalbe", "cmdWurzel"):
                self.click_at(*self.control(button))
        else:
            for keys in ("alt+z", "ctrl+a", "alt+m", "alt+l", "alt+l", "alt+a"):
                xdotool("key", keys)
        self.settle()

    def settle(self):
        """Closes dialogs and, in the main window, empties the rows and sets the preset number,
        in the comparison window stops measuring, so that the memory compared is that of the
        same window at rest, not of what its boxes hold or its thread is doing."""
        for _ in range(3):
            xdotool("key", "Escape")
        time.sleep(0.3)
        if self.kind == "main":
            for clear in ("Command1", "Command2", "Command3"):
                self.click_at(*self.control(clear))
            self.click_at(*self.control("txtEingabe"))
            xdotool("key", "ctrl+a")
            xdotool("type", "717313")
        else:
            # Abbrechen: the measuring thread ends after the run it is in.
            xdotool("key", "alt+a")
            time.sleep(3)
        time.sleep(1)

    def resident_mb(self):
        """The least of a few readings: memory still taken for a moment counts as free."""
        readings = []
        for _ in range(5):
            readings.append(resident_mb(self.program.pid))
            time.sleep(0.4)
        return min(readings)

    def actions(self):
        common = [(self.click_anywhere, 25), (self.click_control, 15), (self.set_number, 8),
                  (self.type_text, 10), (self.press_key, 20), (self.paste_huge, 3),
                  (self.paste_nothing, 5), (self.resize, 4)]
        if self.kind == "vergleich":
            common.append((self.mnemonic, 15))
        return common

    def step(self):
        actions = self.actions()
        action = self.rng.choices([a for a, _ in actions], [w for _, w in actions])[0]
        action()
        self.count(action.__name__)


def environment():
    env = dict(os.environ)
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "lsan-suppressions.txt")
    env["LSAN_OPTIONS"] = "suppressions=%s:%s" % (suppressions, env.get("LSAN_OPTIONS", ""))
    # A small quarantine, and freed memory given back soon, so that resident memory tells of
    # leaks rather than of what AddressSanitizer holds back.
    env["ASAN_OPTIONS"] = ("quarantine_size_mb=1:allocator_release_to_os_interval_ms=100:"
                           + env.get("ASAN_OPTIONS", ""))
    return env


def monkey(arguments):
    seed = arguments.seed if arguments.seed is not None else random.randrange(2 ** 31)
    print("monkey: %s window, seed %d, %d s (replay with --seed %d)"
          % (arguments.window, seed, arguments.seconds, seed), flush=True)
    rng = random.Random(seed)
    folder = tempfile.mkdtemp(prefix="faktorlupe-monkey-")
    clipboard = Clipboard(folder)
    command = [arguments.program] + (["--fenster", "11", "101", "1009"]
                                     if arguments.window == "vergleich" else [])
    title = "^Faktorlupe$" if arguments.window == "main" else "^Faktorlupe – Laufzeitvergleich$"
    env = environment()
    env["HOME"] = folder
    program = Program(command, title, env, folder, os.path.join(folder, "program.log"),
                      arguments.probe)
    driver = Monkey(program, arguments.window, rng, clipboard)
    events = 0
    before = None
    failure = None
    deadline = time.monotonic() + arguments.seconds
    last_probe = time.monotonic()
    last_note = time.monotonic()
    try:
        os.chdir(folder)
        program.check_answers()
        driver.warm_up()
        program.check_answers()
        before = driver.resident_mb()
        print("monkey: warmed up, resident memory %.1f MB" % before, flush=True)
        while time.monotonic() < deadline:
            driver.step()
            events += 1
            program.check_running()
            if time.monotonic() - last_probe > 2:
                program.check_answers()
                last_probe = time.monotonic()
            if time.monotonic() - last_note > 60:
                print("monkey: %d events, resident memory %.1f MB"
                      % (events, resident_mb(program.pid)), flush=True)
                last_note = time.monotonic()
        driver.settle()
        program.check_answers()
        after = driver.resident_mb()
        print("monkey: %d events %s; resident memory %.1f MB after the warm-up, %.1f MB at "
              "the end, growth %.1f MB (limit %d MB); %s"
              % (events, dict(sorted(driver.counts.items())), before, after, after - before,
                 GROWTH_LIMIT_MB, program.stall_note()), flush=True)
        if after - before > GROWTH_LIMIT_MB:
            failure = "resident memory grew by %.1f MB" % (after - before)
        if not program.close():
            print("monkey: the program did not end when its window was closed (a dialog may "
                  "be open); ended it", flush=True)
    except Failure as error:
        failure = str(error)
        print("monkey: after %d events %s" % (events, dict(sorted(driver.counts.items()))))
    finally:
        clipboard.release()
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()
    report = program.sanitizer_report()
    if report:
        failure = failure or "a sanitizer reported"
        print(report)
    if failure:
        print("FAIL: %s (seed %d, program output in %s)" % (failure, seed, program.log_path))
        return 1
    shutil.rmtree(folder, ignore_errors=True)
    print("1 passed, 0 failed")
    return 0


def hostile(arguments):
    """Each program in each hostile environment: window, answer, one scan, close, no report."""
    failures = 0
    folder = tempfile.mkdtemp(prefix="faktorlupe-hostile-")
    home = os.path.join(folder, "home")
    os.makedirs(home)
    read_only = False
    if os.geteuid() == 0:
        # root writes through permissions: a read-only mount it cannot write through.
        read_only = subprocess.run(["mount", "-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", home],
                                   capture_output=True).returncode == 0
    if not read_only:
        os.chmod(home, 0o555)
    cases = [
        ("no XDG_RUNTIME_DIR", {"XDG_RUNTIME_DIR": None}),
        ("read-only HOME", {"HOME": home, "XDG_CONFIG_HOME": None, "XDG_CACHE_HOME": None}),
        ("LANG=C", {"LANG": "C", "LC_ALL": "C"}),
        ("tr_TR.UTF-8", {"LANG": "tr_TR.UTF-8", "LC_ALL": "tr_TR.UTF-8"}),
        ("QT_SCALE_FACTOR=3", {"QT_SCALE_FACTOR": "3"}),
    ]
    programs = [
        ("faktorlupe", [arguments.program], "^Faktorlupe$"),
        ("faktorlupe-vergleich", [arguments.vergleich, "--fenster", "11", "101"],
         "^Faktorlupe – Laufzeitvergleich$"),
    ]
    try:
        for case, changes in cases:
            for name, command, title in programs:
                env = environment()
                for key, value in changes.items():
                    if value is None:
                        env.pop(key, None)
                    else:
                        env[key] = value
                log = os.path.join(folder, "%s-%s.log" % (name, re.sub(r"\W+", "-", case)))
                try:
                    program = Program(command, title, env, folder, log, arguments.probe)
                    program.check_answers()
                    # The focus starts in the input box: Tab reaches the first scan button.
                    xdotool("key", "--window", program.window, "Tab", "space")
                    time.sleep(1)
                    program.check_answers()
                    ended = program.close()
                    report = program.sanitizer_report()
                    if report:
                        raise Failure("a sanitizer reported:\n" + report)
                    if not ended:
                        raise Failure("did not end when its window was closed")
                    if program.process.returncode != 0:
                        raise Failure("ended with status %d" % program.process.returncode)
                    print("ok: %s starts, answers and ends cleanly with %s" % (name, case))
                except Failure as error:
                    failures += 1
                    print("FAIL: %s with %s: %s (output in %s)" % (name, case, error, log))
    finally:
        if read_only:
            subprocess.run(["umount", home], capture_output=True)
        else:
            os.chmod(home, 0o755)
    if failures == 0:
        shutil.rmtree(folder, ignore_errors=True)
    print("%d passed, %d failed" % (len(cases) * len(programs) - failures, failures))
    return 1 if failures else 0


def read_layout(centres):
    """The designed size and the controls' centres, from the layout table's own printout."""
    global DESIGNED
    printed = subprocess.run([centres], capture_output=True, text=True, check=True).stdout
    for line in printed.splitlines():
        name, x, y = line.split()
        if name == "client":
            DESIGNED = (int(x), int(y))
        else:
            MAIN_CONTROLS[name] = (int(x), int(y))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--window", choices=["main", "vergleich"], default="main")
    parser.add_argument("--seconds", type=int, default=120)
    parser.add_argument("--seed", type=int)
    parser.add_argument("--hostile", action="store_true")
    parser.add_argument("--vergleich")
    parser.add_argument("--layout-centres", required=True)
    arguments = parser.parse_args()
    # The monkey works in a folder of its own.
    for name in ("program", "probe", "vergleich"):
        if getattr(arguments, name):
            setattr(arguments, name, os.path.abspath(getattr(arguments, name)))
    read_layout(arguments.layout_centres)
    return hostile(arguments) if arguments.hostile else monkey(arguments)


if __name__ == "__main__":
    sys.exit(main())
