#!/usr/bin/python3
"""The running program as a screen reader meets it, through AT-SPI.

`fane5 --demo` runs on a private X server (Xvfb with openbox) and a private
D-Bus session bus. The test
  - walks every window's accessible tree (the main window, then with the
    channel window open, then with the options window open too, and every
    message box and file dialog met on the way) and names each control a
    screen reader would find without a name, by its role and its path;
  - by keys alone, listening to what a screen reader hears, reads the demo
    radio into the channel window, gives channel 81 a frequency, a tone from
    its list and a name (the hidden name column: View, Show all columns),
    ticks Edit, Verify after write, writes, saves the file through the file
    dialog, then changes the volume in the options window and writes it;
  - checks the saved file holds channel 81.

Usage: tst_screenreader.py FANE5 [REPORT]; REPORT receives the unnamed
controls and the events heard along row 81. Exits 77 (CTest's skip) when a
tool is missing.
"""
import ctypes
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
TIMEOUT = 60.0  # for one step; the machine may be busy, nothing is timed
TOOLS = {"Xvfb": "xvfb", "openbox": "openbox", "xdotool": "xdotool", "dbus-run-session": "dbus"}

# The grid's columns, as a screen reader hears them.
COLUMNS = ["Channel", "RX Frequency(MHZ)", "TX Frequency(MHZ)", "CTCSS/DCS Dec", "CTCSS/DCS Enc", "TX Power", "W/N",
           "Busy Lock", "OptSingal", "SPUnmute", "Repeater", "ScanningAdd", "CH-Name"]

# Qt's own file dialog: its unnamed parts are reported, not failed.
QT_FILE_DIALOG = "file dialog (Qt's own, not counted)"

# The columns whose cells open their list at once, which takes the focus.
LISTS = set(COLUMNS[3:12])

# Objects a screen reader does not announce by themselves: structure, the
# parts of a scroll bar, text shown as it is.
SILENT = {"filler", "panel", "separator", "scroll bar", "label", "redundant object"}


def Missing():
    """What is missing to run, as Debian package names."""
    missing = [package for tool, package in TOOLS.items() if not shutil.which(tool)]
    if not importlib.util.find_spec("pyatspi") or not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        missing.append("python3-pyatspi at-spi2-core")
    return missing


class Failure(Exception):
    pass


HEARD = []  # what a screen reader heard, shown when the test fails


def Main():
    fane5 = os.path.abspath(sys.argv[1])
    report = sys.argv[2] if len(sys.argv) > 2 else None
    missing = Missing()
    if missing:
        print("SKIPPED: the screen reader test needs " + ", ".join(missing))
        return SKIP
    home = os.environ.get("FANE5_TEST_HOME")
    if not home:
        # Again, inside a session bus of its own that ends with it. The
        # accessibility bus it starts keeps its socket in the runtime folder,
        # which is made private too so that two runs never share one, and
        # none of the user's own desktop is seen or touched.
        with tempfile.TemporaryDirectory(prefix="fane5-a11y-", ignore_cleanup_errors=True) as home:
            runtime = os.path.join(home, "runtime")
            os.mkdir(runtime, mode=0o700)
            env = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS")}
            env.update(FANE5_TEST_HOME=home, XDG_RUNTIME_DIR=runtime)
            return subprocess.call(["dbus-run-session", "--", sys.executable, __file__] + sys.argv[1:], env=env)
    desktop = Desktop(home)
    try:
        return Run(desktop, fane5, home, report)
    except Failure as failure:
        print("FAILED: " + str(failure))
        print("last heard:\n  " + "\n  ".join(str(h[:3]) for h in HEARD[-12:]))
        print("program output:\n" + desktop.ProgramOutput())
        return 1
    finally:
        desktop.Stop()


# The X server, the window manager and the program, each ended by its own id.
class Desktop:
    def __init__(self, home):
        self.processes = []
        self.log = os.path.join(home, "fane5.log")
        for sub in ("config", "data"):
            os.makedirs(os.path.join(home, sub), mode=0o700)
        self.env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_DATA_HOME=os.path.join(home, "data"), QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        read, write = os.pipe()
        self.Start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as displays:
            number = displays.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        self.Start(["openbox", "--sm-disable"])

    def Start(self, command, **options):
        out = open(self.log, "ab") if command[0].endswith("fane5") else subprocess.DEVNULL
        self.processes.append(subprocess.Popen(command, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                                               preexec_fn=EndWithParent, **options))

    def Key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), env=self.env, check=True)

    def Type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def ProgramOutput(self):
        return open(self.log, errors="replace").read()[-3000:] if os.path.exists(self.log) else ""

    def Stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def EndWithParent():
    """In a started process: ended when this test ends, even killed."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def Pump():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def WaitFor(what, found):
    """Returns found()'s first true answer, reading events meanwhile."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        Pump()
        try:
            answer = found()
        except Exception:  # an object gone while it was asked
            answer = None
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise Failure("no " + what + " within %d s" % TIMEOUT)
        time.sleep(0.05)


def Label(node):
    name = node.name
    return node.getRoleName() + (" '%s'" % name if name else "")


def Children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount)) if child is not None]


def Walk(node):
    yield node
    for child in Children(node):
        yield from Walk(child)


def Find(root, role, name=None):
    """The first node of the role, named so or, for a list, named so with its value after."""
    for node in Walk(root):
        if node.getRoleName() == role and (name is None or node.name == name or
                                           (role == "combo box" and node.name.startswith(name + ", "))):
            return node
    return None


def PlaceOf(heard):
    """(column, channel) of a grid cell heard as 'column, channel N, ...'."""
    parts = heard.split(", ")
    if len(parts) < 2 or parts[0] not in COLUMNS or not parts[1].startswith("channel "):
        return None
    return COLUMNS.index(parts[0]), int(parts[1].split()[1])


def Has(node, state):
    import pyatspi
    return node.getState().contains(getattr(pyatspi, "STATE_" + state))


def Unnamed(node, here=None):
    """The path of each object under node that a screen reader would find
    without a name; an unnamed object is named in the path by its index."""
    here = here or Label(node)
    found = [here] if not node.name.strip() and node.getRoleName() not in SILENT else []
    for index, child in enumerate(Children(node)):
        found += Unnamed(child, here + " / " + (Label(child) if child.name else "%s #%d" % (Label(child), index)))
    return found


def WindowOf(node):
    """The child window (in the main window's area) holding node."""
    chain = [node]
    while chain[-1].parent and chain[-1].getRoleName() != "layered pane":
        chain.append(chain[-1].parent)
    return next(n for n in reversed(chain) if n.getRoleName() == "frame")


class Program:
    """fane5 as AT-SPI shows it, with what a screen reader hears."""

    def __init__(self, desktop, command):
        import pyatspi
        self.desktop = desktop
        self.heard = HEARD  # (event, role, name, object) of each focus and descendant change
        self.unnamed = {}
        self.notes = []
        # The accessibility bus and its registry are up before the program
        # looks for them.
        pyatspi.Registry.registerEventListener(self.Hear, "object:state-changed:focused",
                                               "object:active-descendant-changed")
        Children(pyatspi.Registry.getDesktop(0))
        desktop.Start(command)
        self.app = WaitFor("fane5 on the accessibility bus", self.App)
        self.app.setCacheMask(0)  # every question goes to the program
        self.main = WaitFor("main window", self.MainWindow)

    @staticmethod
    def App():
        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        return next((app for app in Children(desktop) if app.name == "fane5"), None)

    def Hear(self, event):
        if event.type.startswith("object:state-changed") and not event.detail1:
            return
        source = event.any_data if event.type.startswith("object:active") and event.any_data else event.source
        try:
            self.heard.append((event.type, source.getRoleName(), source.name, source))
        except Exception:
            pass

    def MainWindow(self):
        return next((w for w in Children(self.app) if w.getRoleName() == "frame" and Has(w, "SHOWING")
                     and w.childCount and Find(w, "menu bar")), None)

    def Dialog(self):
        return next((w for w in Children(self.app) if w != self.main and Has(w, "SHOWING")), None)

    def Focused(self):
        return self.heard[-1][2] if self.heard else ""

    def Check(self, where, window):
        """Every unnamed control in the window, kept by where."""
        self.unnamed[where] = Unnamed(window)

    def Key(self, key, then):
        """Presses key and waits until then() holds."""
        self.desktop.Key(key)
        return WaitFor("answer to " + key, then)

    def Move(self, key, count=1):
        """Presses key count times, each time until a new focus is heard."""
        for _ in range(count):
            before = len(self.heard)
            self.Key(key, lambda: len(self.heard) > before)
        return self.Focused()

    def Choose(self, menu_key, menu_name, item_name, tick=None):
        """Opens a menu by its Alt key and presses Down until the item is
        heard, then presses Enter; tick=True/False leaves a tickable item so
        (Escape when it already is). Returns the item."""
        menu = self.OpenMenu(menu_key, menu_name)
        item = Find(menu, "check box", item_name) or Find(menu, "menu item", item_name)
        if not item:
            raise Failure("the %s menu has no item '%s': %s" % (menu_name, item_name,
                          [Label(c) for c in Children(menu)]))
        for _ in range(menu.childCount):
            if Has(item, "FOCUSED"):
                break
            self.Move("Down")
        if not Has(item, "FOCUSED"):
            raise Failure("Down never reached '%s' in the %s menu" % (item_name, menu_name))
        if tick is not None and Has(item, "CHECKED") == tick:
            self.Key("Escape", lambda: not self.ShownMenu(menu_name))
            return item
        self.Key("Return", lambda: not self.ShownMenu(menu_name))
        if tick is not None:
            WaitFor("'%s' ticked" % item_name, lambda: Has(item, "CHECKED") == tick)
        return item

    def OpenMenu(self, menu_key, menu_name):
        """Opens a menu by its Alt key. On a busy machine a menu has been seen
        to close as it opened (its items heard, then the focus back in the
        window): it is opened again, and that is noted."""
        for _ in range(3):
            start = len(self.heard)

            def Opened():
                later = [role for _, role, _, _ in self.heard[start:]]
                closed = "menu item" in later and later[-1] != "menu item"
                return self.ShownMenu(menu_name) or (closed and "closed")
            menu = self.Key("alt+" + menu_key, Opened)
            if menu != "closed":
                return menu
            self.notes.append("the %s menu closed as it opened; opened again" % menu_name)
        raise Failure("the %s menu closed as it opened, three times" % menu_name)

    def ShownMenu(self, name):
        bar = Find(self.main, "menu bar")
        for title in Children(bar):
            if title.name == name:
                menu = Children(title)
                return menu[0] if menu and Has(menu[0], "SHOWING") else None
        raise Failure("no menu '%s' in the menu bar: %s" % (name, [Label(t) for t in Children(bar)]))

    def Answer(self, expected):
        """Waits for a message box, checks its text and closes it with Enter."""
        box = WaitFor("message box with '%s'" % expected, self.Dialog)
        text = " ".join(n.name for n in Walk(box) if n.getRoleName() == "label" and n.name).replace("\n", " ")
        self.Check("message box '%s'" % text, box)
        if expected not in text:
            raise Failure("the message box says '%s', not '%s'" % (text, expected))
        self.Key("Return", lambda: self.Dialog() is None)
        return text

    def Place(self):
        """(column, channel) of the grid's current cell, as last heard."""
        return PlaceOf(self.Focused())

    def Step(self, key):
        """Presses key in the grid until another current cell is heard (for a
        list cell, its list), or the same again after another one (a cell that
        cannot be chosen); returns what was heard meanwhile."""
        before, start = self.Place(), len(self.heard)

        def Settled():
            places = [PlaceOf(h[2]) for h in self.heard[start:]]
            place, last = (places[-1], self.heard[-1][1]) if places else (None, None)
            if place == before:
                return any(p and p != before for p in places) and last == "table cell"
            return place and (COLUMNS[place[0]] not in LISTS or last == "combo box")
        self.Key(key, Settled)
        return ", ".join(h[2] for h in self.heard[start:])

    def GoToCell(self, column, channel):
        """Moves the current cell with the arrows until it is heard as
        'column, channel N, ...'."""
        target = (COLUMNS.index(column), channel)
        if self.Place() is None:  # the grid itself heard: a move names the cell
            self.Step("Down")
        for _ in range(300):
            place = self.Place()
            if place == target:
                return self.Focused()
            self.Step("Down" if place[1] < channel else "Up" if place[1] > channel
                      else "Right" if place[0] < target[0] else "Left")
        raise Failure("the arrows never reached %s of channel %d" % (column, channel))


def Run(desktop, fane5, home, report):
    program = Program(desktop, [fane5, "--demo"])
    started = time.monotonic()
    program.Check("main window", program.main)

    program.Choose("e", "Edit", "Channel")
    grid = WaitFor("channel grid", lambda: Find(program.main, "table", "Channels"))
    program.Check("channel window", WindowOf(grid))
    program.Key("F5", program.Dialog)
    program.Answer("Recive data complete!")
    program.Choose("v", "View", "Show all columns", tick=True)

    # Channel 81: a frequency typed, a tone chosen from its list, a name.
    program.GoToCell("RX Frequency(MHZ)", 81)
    desktop.Type("433.125")
    program.Step("Return")
    program.GoToCell("CTCSS/DCS Dec", 81)
    program.Key("alt+Down", lambda: program.heard[-1][1] == "list")  # the cell's list opened
    tone = program.Move("Down", 3)
    program.Key("Return", lambda: program.heard[-1][1] not in ("list", "list item"))
    row = [program.GoToCell("RX Frequency(MHZ)", 81)]
    for _ in range(11):  # up to the end of the row, or a cell that cannot be chosen
        before = program.Place()
        row.append(program.Step("Right"))
        if program.Place() == before:
            break
    if program.Place() != (COLUMNS.index("CH-Name"), 81):
        row.append(program.Step("End"))
    if program.Place() != (COLUMNS.index("CH-Name"), 81):
        raise Failure("the name column is not shown: heard %s" % row)
    desktop.Type("E2E81")
    program.Step("Return")

    program.Choose("e", "Edit", "Verify after write", tick=False)  # ticked from the start
    program.Choose("e", "Edit", "Verify after write", tick=True)
    program.Key("F6", program.Dialog)
    program.Answer("the radio holds every byte written")

    saved = os.path.join(home, "channel81.chnw")
    program.Choose("f", "File", "Save as")
    program.Check(QT_FILE_DIALOG, WaitFor("file dialog", program.Dialog))
    desktop.Type(saved)
    program.Key("Return", lambda: os.path.exists(saved) and program.Dialog() is None)

    program.Choose("e", "Edit", "Param")
    volume = WaitFor("options window", lambda: Find(program.main, "combo box", "Volume"))
    program.Check("options window", WindowOf(volume))
    for _ in range(30):
        if program.Focused().startswith("Volume, "):
            break
        program.Move("Tab")
    # The list is heard with its value, and again with the new one.
    before = program.Focused()
    program.Key("Down", lambda: volume.name.startswith("Volume, ") and volume.name != before)
    program.Key("F6", program.Dialog)
    program.Answer("the radio holds every option written")

    program.unnamed["focus heard without a name"] = sorted(set(
        "%s, after '%s'" % (role, program.heard[i - 1][2]) for i, (_, role, name, _) in enumerate(program.heard)
        if not name and i))
    cells = SavedRow(saved, 81)
    seconds = time.monotonic() - started
    Report(report, program, row, tone, cells, seconds)
    problems = ["%s: %s" % (where, path) for where, paths in program.unnamed.items() for path in paths
                if where != QT_FILE_DIALOG]
    if not cells[0].startswith("433.125") or cells[11] != "E2E81" or cells[2] != tone:
        problems.append("channel 81 saved as %s, not 433.125 / tone %s / E2E81" % (cells, tone))
    for problem in problems:
        print("FAILED: " + problem)
    print("%d passed, %d failed" % (1 - bool(problems), bool(problems)))
    return 1 if problems else 0


def SavedRow(path, channel):
    """The twelve cells of one channel in a channel file."""
    lines = open(path, encoding="gb18030").read().splitlines()
    rows = int(lines[1]) - 1 if len(lines) > 1 and lines[1].isdigit() else 0
    if channel > rows or len(lines) < 2 + 12 * rows:
        raise Failure("the saved file %s is no channel file of %d rows: %s" % (path, channel, lines[:3]))
    return [lines[2 + column * rows + channel - 1] for column in range(12)]


def Report(path, program, row, tone, cells, seconds):
    lines = ["unnamed controls per window:"]
    for where, paths in program.unnamed.items():
        lines.append("  %s: %d" % (where, len(paths)))
        lines += ["    " + p for p in paths]
    lines.append("heard along row 81, pressing Right from its RX frequency:")
    lines += ["    " + heard for heard in row]
    lines.append("tone chosen: " + tone)
    lines.append("saved channel 81: %s" % cells)
    lines += ["note: " + note for note in program.notes]
    lines.append("keys and checks took %.0f s" % seconds)
    text = "\n".join(lines)
    print(text)
    if path:
        with open(path, "w") as out:
            out.write(text + "\n")


if __name__ == "__main__":
    sys.exit(Main())
