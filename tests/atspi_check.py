#!/usr/bin/python3
"""Uses the program the way a screen reader does, over the desktop's accessibility bus (AT-SPI),
and checks what a user who cannot see the window gets from it.

    atspi_check.py PROGRAM

For each of the sixteen topics, chosen through the menu bar's accessible actions: every control
on screen has a name, a role and, if it can be operated, an action; pressing a button and a
clickable label through the bus runs its handler; the drawing describes in words and values
what it shows, follows every redraw and announces each change once; the side panel's texts and
the coordinate read-out are readable. Then the Help menu's dialogs open and close from the
keyboard, and Ctrl+Q ends the program.

Needs Debian's python3-pyatspi (run with /usr/bin/python3), at-spi2-core and xdotool, a display
and a D-Bus session: run_atspi_check.sh provides them. Exit status 1 with one line per fault.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Qt presses a button as an animated click: a tenth of a second down, then the click.
PRESS_SETTLE = 0.4
OPERABLE = ("push button", "check box")
NAMED = ("push button", "check box", "label", "image")

faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text, file=sys.stderr)


# --- The accessibility tree -----------------------------------------------------------------


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, on_screen=False):
    """The node and its descendants; on_screen: only those showing, not looking into what is
    hidden (every frame of the other topics)."""
    if on_screen and not showing(node):
        return
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, on_screen)


def actions(node):
    try:
        act = node.queryAction()
    except NotImplementedError:
        return []
    return [act.getName(i) for i in range(act.nActions)]


def find(root, role, name, on_screen=True):
    for node in walk(root, on_screen):
        if node.getRoleName() == role and (node.name or "") == name:
            return node
    return None


def do_action(node, *names):
    available = actions(node)
    for name in names:
        if name in available:
            node.queryAction().doAction(available.index(name))
            return True
    return False


# --- Events: the announcements of a changed description --------------------------------------


class Announcements:
    def __init__(self):
        self.by_name = {}
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-description")

    def heard(self, event):
        name = event.source.name if event.source is not None else ""
        self.by_name[name] = self.by_name.get(name, 0) + 1

    def count(self, name):
        return self.by_name.get(name, 0)

    def clear(self):
        self.by_name.clear()


def pump(seconds):
    """Lets the bus deliver what the program sends, for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


# --- The program -----------------------------------------------------------------------------


def start(program):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=env)
    end = time.time() + 30
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == process.pid:
                return process, app
        time.sleep(0.25)
    process.kill()
    sys.exit(f"the program (pid {process.pid}) did not appear on the accessibility bus")


def window_id():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^The Aurelion relationship"],
                         capture_output=True, text=True).stdout.split()
    return out[0] if out else None


def keys(*names, to_window=True):
    """Keys typed on the keyboard; to_window: into the program's window, else wherever the focus
    is (a dialog that has just opened)."""
    window = window_id() if to_window else None
    if window:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
    pump(0.5)


def move_pointer(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)


# --- The topics --------------------------------------------------------------------------------

# Each topic: its menu path; parts of the drawing's description; a line of the side panel (None
# when the topic hides it); presses: (role, name, what must follow), where what follows is
# ("drawing", part of the new description) or ("label", the name of a label now on screen).
# The topics run in this order in one program, so each starts from the state the last left.
TOPICS = [
    (("Aurelion Relationship", "Graph P"),
     ["Graph P: the points P(i) = (F(i), F(i+1))", "start values F(0) = 1 and F(1) = 1",
      "the line y = phi x for growing i"],
     None,
     [("push button", "F(1) up", ("drawing", "F(1) = 1.2")),
      ("push button", "start values 1 and phi", ("drawing", "every point lies on the line y = phi x"))]),
    (("Aurelion Relationship", "Graph y = F(i+1) / F(i)"),
     ["Ratio graph F(i+1)/F(i)", "F(1) = 1.61803", "every point lies on phi = 1.618"],
     None,
     [("push button", "ratio index down", ("label", "i =9")),
      ("push button", "start values 1 and 1", ("drawing", "approach phi = 1.618 for growing i"))]),
    (("Aurelion Relationship", "Graph y = F(i)"),
     ["Graph y = F(i)", "with the curve y = 1 phi^x"],
     None,
     [("push button", "F(0) down", ("drawing", "F(0) = 0.8")),
      ("push button", "start values 1 and -1/phi", ("drawing", "F(1) = -0.61803"))]),
    (("Aurelion Relationship", "Fibonacci's rabblis"),
     ["Fibonacci's rabbits, month 0 of 12: 1 pair"],
     "The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...",
     [("push button", "month forward", ("drawing", "month 1 of 12: 1 pair"))]),
    (("Golden ratio", "Golden ratio graphic"), ["OA = phi = 1.618", "OB = 1/phi = 0.618"],
     "OA  =  OC + CA  =  phi", []),
    (("Golden ratio", "Golden ratio analitic"), ["k1 = phi = 1.618", "k2 = -1/phi = -0.618"],
     "SOLUTION    k\u00b2 - k - 1 = 0", []),
    (("Golden ratio", "Golden rectangle"), ["Golden rectangle", "phi\u00b2 = 2.618"], "AB = 1", []),
    (("Golden ratio", "Golden ellips   Golden hyperbola"),
     ["Golden ellipse", "sqrt(phi) = 1.272", "51.827\u00b0"],
     "If e = phi you get a GOLDEN HYPERBOLA. If the", []),
    (("Golden ratio", "Pentagram"), ["Pentagram", "diagonals of length phi = 1.618"],
     "c = a + b", []),
    (("Golden ratio", "Golden spiral"), ["Golden spiral", "grows by phi = 1.618"],
     "phi\u00b2 = phi + 1", []),
    (("Golden ratio", "Exponential function"), ["P at x = 2.0, y = 2.61803"],
     "y = yo . phi ^ x",
     [("push button", "x of P up", ("drawing", "P at x = 2.1"))]),
    (("Population", "Life Generator"),
     ["k = 0.300, w = 0.0, yo = 10.0 and d = 0.000", "T1 = -3.33", "goes up at t=0"],
     "LIFE GENERATOR         LINEAR MODEL",
     [("push button", "birth factor k up", ("drawing", "k = 0.350")),
      ("push button", "reset birth factor k", ("drawing", "k = 0.000"))]),
    (("Population", "Dynamic Population Model"),
     ["model 1A", "year 0", "a total of 210.0", "birth rate 2.667"],
     None,
     [("push button", "next year", ("drawing", "year 1")),
      ("push button", "start model 3", ("drawing", "model 3, ages 0 to 20, year 0"))]),
    (("CHAOS",), ["on 3 corners with k = 0.5", "fast"], "Given is a point F1",
     [("push button", "square, k = 1/2", ("drawing", "on 4 corners with k = 0.5")),
      ("push button", "slow play", ("drawing", "slow, one point a second"))]),
    (("Pythagoras",), ["a = 40 and b = 30.00", "c = 50.00", "e = 18.00"],
     "Make a square CBDE with lenght  c",
     [("push button", "leg a up", ("drawing", "a = 41 and b = 30.00")),
      ("push button", "reset leg a", ("drawing", "a = 40 and b = 30.00"))]),
    (("Platonic Figures",), ["turned 220\u00b0 and tilted 70\u00b0", "no other solid"],
     "There are only five platonic figures",
     [("push button", "turn angle up", ("drawing", "turned 225\u00b0")),
      ("push button", "reset tilt angle", ("drawing", "tilted 0\u00b0")),
      ("check box", "show dodecahedron", ("drawing", "the dodecahedron outside the cube"))]),
]

READOUT = re.compile(r"^(-?\d+\.\d{3})    (-?\d+\.\d{3})$")


def menu_item(app, path):
    """The menu command at the end of the path, reached through the menu bar's children."""
    node = next((n for n in walk(app, on_screen=True) if n.getRoleName() == "menu bar"), None)
    for name in path:
        if node is None:
            return None
        node = find(node, "menu item", name, on_screen=False)
    return node


def choose(app, path):
    node = menu_item(app, path)
    if node is None:
        fault(f"menu {' > '.join(path)}: no such command")
        return False
    if not do_action(node, "Press"):
        fault(f"menu {' > '.join(path)}: no Press action")
        return False
    pump(0.3)
    return True


def check_controls(app, topic):
    for node in walk(app, on_screen=True):
        role = node.getRoleName()
        if role in ("unknown", "invalid"):
            fault(f"{topic}: a control without a role ({node.name!r})")
        if role in NAMED and not (node.name or "").strip():
            fault(f"{topic}: a {role} without a name")
        if role in OPERABLE and not {"Press", "Toggle", "Click"} & set(actions(node)):
            fault(f"{topic}: {role} {node.name!r} has no action")


def check_presses(app, topic, drawing, heard, presses):
    for role, name, (kind, expected) in presses:
        node = find(app, role, name)
        if node is None:
            fault(f"{topic}: no {role} {name!r} on screen")
            continue
        before = drawing.description
        heard.clear()
        if not do_action(node, "Press", "Toggle", "Click"):
            fault(f"{topic}: {role} {name!r} cannot be pressed")
            continue
        pump(PRESS_SETTLE)
        after = drawing.description
        announced = heard.count("drawing")
        if kind == "drawing":
            if expected not in after:
                fault(f"{topic}: after {name!r} the drawing reads {after!r}, not {expected!r}")
            if announced != 1:
                fault(f"{topic}: after {name!r} the drawing's change was announced {announced} times")
        else:
            if find(app, "label", expected) is None:
                fault(f"{topic}: after {name!r} no label {expected!r} on screen")
            if after != before or announced:
                fault(f"{topic}: {name!r} changed the drawing's description")


def check_readout(app, topic, drawing, heard, exact=None):
    """Moves the pointer across the drawing in steps; the read-out gives its coordinates and
    announces them once, when the pointer rests."""
    readout = find(app, "label", "coordinates under the pointer")
    if readout is None:
        return
    box = drawing.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    heard.clear()
    for step in range(1, 5):
        move_pointer(box.x + box.width * step // 10, box.y + box.height * step // 10)
        pump(0.03)
    move_pointer(box.x + box.width // 2, box.y + box.height // 2)
    pump(0.8)
    text = readout.description
    match = READOUT.match(text)
    if topic.startswith("Platonic"):
        match = text == "3D"
    if not match:
        fault(f"{topic}: the read-out reads {text!r}")
    elif exact is not None:
        x, y = float(match.group(1)), float(match.group(2))
        if abs(x - exact[0]) > 0.1 or abs(y - exact[1]) > 0.1:
            fault(f"{topic}: the read-out reads {text!r} at the drawing's middle, not {exact}")
    if heard.count("coordinates under the pointer") != 1:
        fault(f"{topic}: the read-out was announced {heard.count('coordinates under the pointer')} "
              "times for one rest of the pointer")


def check_topic(app, heard, path, parts, panel_line, presses):
    topic = " > ".join(path)
    heard.clear()
    if not choose(app, path):
        return
    drawing = find(app, "image", "drawing")
    if drawing is None:
        fault(f"{topic}: no drawing on screen")
        return
    text = drawing.description
    for part in parts:
        if part not in text:
            fault(f"{topic}: the drawing reads {text!r}, without {part!r}")
    if heard.count("drawing") != 1:
        fault(f"{topic}: the new drawing was announced {heard.count('drawing')} times")
    panel = find(app, "image", "explanation", on_screen=False)
    if panel_line is None:
        if panel is not None and showing(panel):
            fault(f"{topic}: the side panel is on screen")
    elif panel is None or not showing(panel):
        fault(f"{topic}: the side panel is not on screen")
    elif panel_line not in panel.description.split("\n"):
        fault(f"{topic}: the side panel reads {panel.description!r}, without {panel_line!r}")
    check_controls(app, topic)
    # The golden rectangle's scale runs from -4.39 to 9.39 both ways: its middle is (2.5, 2.5).
    check_readout(app, topic, drawing, heard, (2.5, 2.5) if path[-1] == "Golden rectangle" else None)
    check_presses(app, topic, drawing, heard, presses)


def check_chaos_game(app, heard):
    """While the game runs, the count of points in the description grows, told about once a
    second, not with every tick."""
    choose(app, ("CHAOS",))
    fast = find(app, "push button", "fast play")
    if fast is None or not do_action(fast, "Press"):
        fault("CHAOS: fast play cannot be pressed")
        return
    drawing = find(app, "image", "drawing")
    pump(PRESS_SETTLE)
    heard.clear()
    first = drawing.description
    pump(3.0)
    last = drawing.description
    told = heard.count("drawing")
    counts = [int(m) for m in re.findall(r": (\d+) points? drawn", first + " " + last)]
    if len(counts) != 2 or counts[1] <= counts[0]:
        fault(f"CHAOS: the points drawn did not grow: {first!r}, then {last!r}")
    if not 2 <= told <= 5:
        fault(f"CHAOS: in 3 seconds of play the drawing was announced {told} times")


def check_dialogs(app):
    keys("F1")
    shortcuts = find(app, "dialog", "Keyboard Shortcuts")
    if shortcuts is None:
        fault("F1 opens no dialog named Keyboard Shortcuts")
    else:
        # Every row, also those scrolled out of view, which a screen reader reaches by arrowing.
        names = {n.name for n in walk(shortcuts)}
        for row in ("Ctrl+Q", "F1", "End"):
            if row not in names:
                fault(f"Keyboard Shortcuts: no {row!r} among {sorted(names)}")
        keys("Escape", to_window=False)
        if find(app, "dialog", "Keyboard Shortcuts") is not None:
            fault("Esc does not close Keyboard Shortcuts")
    about_item = menu_item(app, ("Help", "About Aurelion"))
    if about_item is None or not do_action(about_item, "Press"):
        fault("Help > About Aurelion cannot be pressed")
        return
    pump(0.5)
    about = find(app, "dialog", "About Aurelion")
    if about is None:
        fault("Help > About Aurelion opens no dialog named so")
        return
    text = " ".join(n.name or "" for n in walk(about, on_screen=True))
    for part in ("Version 1.6", "GPL-3.0-or-later", "SIL Open Font License 1.1"):
        if part not in text:
            fault(f"About Aurelion: {part!r} not read in {text!r}")
    keys("Escape", to_window=False)
    if find(app, "dialog", "About Aurelion") is not None:
        fault("Esc does not close About Aurelion")


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    process, app = start(argv[1])
    try:
        heard = Announcements()
        pump(1.0)
        for path, parts, panel_line, presses in TOPICS:
            check_topic(app, heard, path, parts, panel_line, presses)
            if process.poll() is not None:
                fault(f"the program ended by itself (status {process.returncode})")
                return 1
        check_chaos_game(app, heard)
        check_dialogs(app)
        keys("ctrl+q")
        try:
            status = process.wait(timeout=10)
            if status != 0:
                fault(f"Ctrl+Q ended the program with status {status}")
        except subprocess.TimeoutExpired:
            fault("Ctrl+Q does not end the program")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    print(f"{len(TOPICS)} topics checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
