#!/usr/bin/python3
"""toka-demo on a real X server, as a user meets it.

Run by scripts/desktop-check.sh, which provides the X server ($DISPLAY), the
session bus and the accessibility bus. This script starts and stops the demo
and the window manager (openbox) itself, each by its process id, drives the
pointer and keyboard with xdotool and reads the panel through AT-SPI, as a
screen reader does. It checks every item and exits 1 when one failed; the
figures it measured are printed either way.

    desktop_check.py TOKA_DEMO WORK_DIR
"""

import ctypes
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DEMO, WORK = sys.argv[1], sys.argv[2]
TAPS = 10
failures = []


class Timeout(Exception):
    pass


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def figure(text):
    print("      " + text, flush=True)


def poll(condition, timeout, what):
    """The first true value of condition() within timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Timeout(what)
        time.sleep(0.02)


def eventually(condition, timeout):
    """Whether condition() comes true within timeout seconds."""
    try:
        poll(condition, timeout, "")
        return True
    except Timeout:
        return False


def stays(condition, period):
    """Whether condition() holds all through period seconds."""
    end = time.monotonic() + period
    while time.monotonic() < end:
        if not condition():
            return False
        time.sleep(0.02)
    return True


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


# --- X: windows, their shape, the pointer ----------------------------------

class XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


x11 = ctypes.CDLL("libX11.so.6")
xext = ctypes.CDLL("libXext.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xext.XShapeGetRectangles.restype = ctypes.POINTER(XRectangle)
xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                     ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
display = x11.XOpenDisplay(None)


def shape_of(window):
    """The window's bounding shape as (x, y, width, height) rectangles."""
    x11.XSync(display, 0)
    count, ordering = ctypes.c_int(), ctypes.c_int()
    rects = xext.XShapeGetRectangles(display, window, 0, ctypes.byref(count), ctypes.byref(ordering))
    shape = [(rects[i].x, rects[i].y, rects[i].width, rects[i].height) for i in range(count.value)]
    if rects:
        x11.XFree(rects)
    return shape


def window_named(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)],
                           capture_output=True, text=True).stdout.split()
    return int(found[0]) if found else None


def position(window):
    fields = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(fields["X"]), int(fields["Y"])


def wm_running():
    return "window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                         capture_output=True, text=True).stdout


# --- AT-SPI: the panel as a screen reader reads it -------------------------

def application(process):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == process.pid:
                return app
        except Exception:
            pass
    return None


def node_named(app, name, role=None):
    for node in walk(app):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def walk(node):
    node.clearCache()
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def states(node):
    node.clearCache()
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def description(node):
    node.clearCache()
    return node.description


def text_of(node):
    node.clearCache()
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def do_action(node, name):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            return actions.doAction(i)
    raise AssertionError("%s has no action %s" % (node.name, name))


def action_names(node):
    try:
        actions = node.queryAction()
    except NotImplementedError:
        return []
    return [actions.getName(i) for i in range(actions.nActions)]


# --- the programs ----------------------------------------------------------

# The panel's window title on each front end (toka-demo --quick for Qt Quick).
TITLES = {"widgets": "TOKA", "quick": "TOKA (Qt Quick)"}


def start_demo(tag, extra_env=None, front="widgets"):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(extra_env or {}))
    errors = os.path.join(WORK, tag + ".stderr")
    options = ["--quick"] if front == "quick" else []
    title = TITLES[front]
    process = subprocess.Popen([DEMO, *options, "--language", "en", "--seed", "7",
                                "--settings", os.path.join(WORK, tag + ".ini")],
                               env=env, stdout=subprocess.DEVNULL, stderr=open(errors, "w"))
    try:
        window = poll(lambda: window_named(title), 20,
                      "the %s window" % title)
        app = poll(lambda: application(process), 20, "toka-demo on the accessibility bus")
        frame = poll(lambda: node_named(app, title), 20, "the %s window's accessible" % title)
        # The panel is ready once its rows show the radios.
        poll(lambda: node_named(frame, "COM1 room"), 20, "the panel's controls")
    except Timeout as waited:
        state = "running" if process.poll() is None else "ended with %d" % process.returncode
        stop(process, "toka-demo")
        raise Timeout("%s (toka-demo %s; %s)" % (waited, state, open(errors).read()[-400:].strip()))
    return process, window, app, frame


def stop(process, what):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    print("      stopped %s (pid %d)" % (what, process.pid), flush=True)


# --- the checks --------------------------------------------------------------

def offsets(frame, window, names):
    """Where each named control's middle lies in the window."""
    origin = position(window)
    points = {}
    for name in names:
        x, y, w, h = extents(node_named(frame, name))
        points[name] = (x + w // 2 - origin[0], y + h // 2 - origin[1])
    return points


def drag_moves_by_the_pointers_distance(window, grip, label):
    start = position(window)
    x, y = start[0] + grip[0], start[1] + grip[1]
    xdotool("mousemove", x, y)
    xdotool("mousedown", 1)
    # The window follows once the panel has handed the move to the window
    # system (or its own drag); pixel by pixel until it does.
    for step in range(30):
        x, y = x + 1, y + 1
        xdotool("mousemove", x, y)
        if eventually(lambda: position(window) != start, 0.1):
            break
    began = position(window)
    xdotool("mousemove", x + 60, y + 40)
    eventually(lambda: position(window) == (began[0] + 60, began[1] + 40), 3)
    end = position(window)
    xdotool("mouseup", 1)
    xdotool("mousemove", x + 90, y + 90)
    released = stays(lambda: position(window) == end, 0.3)
    check(end == (began[0] + 60, began[1] + 40) and released,
          "%s: a drag moves the window by the pointer's distance (60, 40: moved by %d, %d) and the release "
          "ends it (%s)" % (label, end[0] - began[0], end[1] - began[1], released))


def taps_leave_the_window_in_place(window, surfaces, label):
    stuck = 0
    names = list(surfaces)
    for tap in range(TAPS):
        name = names[tap % len(names)]
        here = position(window)
        grip = surfaces[name]
        xdotool("mousemove", here[0] + grip[0], here[1] + grip[1])
        xdotool("click", 1)
        xdotool("mousemove", here[0] + grip[0] + 30, here[1] + grip[1] + 25)
        if not stays(lambda: position(window) == here, 0.4):
            stuck += 1
            # A click ends the move the tap left behind.
            xdotool("click", 1)
            poll(lambda: stays(lambda p=position(window): position(window) == p, 0.2), 3, "the window at rest")
    figure("%s: %d of %d taps on drag surfaces left the window following the pointer" % (label, stuck, TAPS))
    check(stuck == 0, "%s: %d quick clicks on drag surfaces leave the window where it was" % (label, TAPS))


def focused(frame):
    for node in walk(frame):
        if "focused" in states(node):
            return node.name
    return None


def key_to_next_focus(frame, key, previous):
    xdotool("key", key)
    return poll(lambda: (lambda now: now if now and now != previous else None)(focused(frame)), 3,
                "the focus to move on %s" % key)


def tab_cycle_reaches_every_control(frame):
    # From wherever a click left the focus, into the cycle.
    first = key_to_next_focus(frame, "Tab", focused(frame))
    forward = [first]
    while True:
        name = key_to_next_focus(frame, "Tab", forward[-1])
        if name == first or len(forward) > 40:
            break
        forward.append(name)
    backward = [first]
    while len(backward) < len(forward):
        backward.append(key_to_next_focus(frame, "shift+Tab", backward[-1]))
    figure("Tab stops: %d %s" % (len(forward), forward))
    focusable = {node.name for node in walk(frame) if "focusable" in states(node)}
    check(set(forward) == focusable and len(forward) == len(set(forward)),
          "the Tab cycle stops once at every focusable control (%d stops, %d focusable)"
          % (len(forward), len(focusable)))
    check(backward[1:] == forward[:0:-1], "Shift+Tab walks the cycle in reverse")


def typing_over_a_selection_keeps_every_letter(frame):
    box = node_named(frame, "Free channel room name", "combo box")
    room = node_named(frame, "Free channel room")
    # The Widgets box has a text field inside; the Qt Quick box reads its text itself.
    edit = next((node for node in walk(box) if node.getRoleName() == "text"), box)
    join = [("EGLL_TWR", "click"), ("LFPG_TWR", "Tab")]
    for name, how in join:
        if how == "click":
            x, y, w, h = extents(box)
            xdotool("mousemove", x + w // 3, y + h // 2)
            xdotool("click", 1)
            xdotool("key", "ctrl+a")
        else:
            # Away and back by keyboard: Qt selects the whole text on the way in.
            key_to_next_focus(frame, "shift+Tab", focused(frame))
            key_to_next_focus(frame, "Tab", focused(frame))
        xdotool("type", "--delay", "30", name)
        eventually(lambda: text_of(edit) == name, 3)
        typed = text_of(edit)
        check(typed == name, "typing %s over the selected text (focus by %s) keeps every letter: %r"
              % (name, how, typed))
        xdotool("key", "Return")
        eventually(lambda: "Connected" in description(room), 5)
        shown = description(room)
        check("Connected" in shown and name in shown,
              "Enter joins %s and the room's button tells it: %r" % (name, shown))
    items = [node.name for node in walk(box) if node.getRoleName() == "list item"]
    check(items[:2] == ["LFPG_TWR", "EGLL_TWR"], "the box lists the remembered rooms: %s" % items)


def dropped_list_picks_a_room(frame):
    """The box's list drops down below it, beyond the panel's window, where a
    click on a room takes it."""
    box = node_named(frame, "Free channel room name", "combo box")
    edit = next((node for node in walk(box) if node.getRoleName() == "text"), box)
    x, y, w, h = extents(box)
    xdotool("mousemove", x + w - 4, y + h // 2)
    xdotool("click", 1)
    rows = lambda: [node for node in walk(box) if node.getRoleName() == "list item" and "showing" in states(node)]
    shown = eventually(lambda: len(rows()) >= 2, 3)
    check(shown, "the box's button drops its list down: %s" % [node.name for node in rows()])
    if not shown:
        return
    above, row = rows()[0].name, rows()[1]
    rx, ry, rw, rh = extents(row)
    figure("dropped list: %s at %d, %d (the box's bottom at %d)" % (row.name, rx, ry, y + h))
    xdotool("mousemove", rx + rw // 2, ry + rh // 2)
    xdotool("click", 1)
    check(ry >= y + h and eventually(lambda: text_of(edit) == row.name, 3),
          "a click on %s below the box takes it: %r" % (row.name, text_of(edit)))
    # And from the keyboard: Alt+Down drops it down at the box's room, Up
    # marks the one above, Return takes it.
    for key in ("alt+Down", "Up", "Return"):
        xdotool("key", key)
    check(eventually(lambda: text_of(edit) == above, 3),
          "Alt+Down, Up and Return take %s from the list: %r" % (above, text_of(edit)))


def tree_tells_no_lies(frame):
    nodes = list(walk(frame))
    figure("%s: accessible nodes in the panel's window: %d" % (frame.name, len(nodes)))
    unnamed = [node.getRoleName() for node in nodes if not node.name]
    figure("%s: unnamed: %d %s" % (frame.name, len(unnamed), unnamed))
    check(not unnamed, "every node is named")
    unknown = [node.name for node in nodes if node.getRoleName() in ("unknown", "filler", "invalid")]
    check(not unknown, "no node of role unknown or filler: %s" % unknown)
    check(frame.getRoleName() == "frame", "the window is a frame (%s)" % frame.getRoleName())

    # Children are listed bottom first: a node is covered when the nodes
    # after it, none of them its own, hide every pixel of it.
    showing = [(node, extents(node)) for node in nodes[1:] if "showing" in states(node)]
    covered = []
    for i, (node, (x, y, w, h)) in enumerate(showing):
        hidden = set()
        for other, (ox, oy, ow, oh) in showing[i + 1:]:
            if other.parent == node:
                continue
            for px in range(max(x, ox), min(x + w, ox + ow)):
                for py in range(max(y, oy), min(y + h, oy + oh)):
                    hidden.add((px, py))
        if w > 0 and h > 0 and len(hidden) == w * h:
            covered.append(node.name)
    check(not covered, "no node reported showing is covered: %s" % covered)

    toggles = [node for node in nodes
               if node.name.endswith((" receive", " transmit", " priority", " to speaker"))
               or node.name == "All channels to speaker"]
    uncheckable = [node.name for node in toggles
                   if node.getRoleName() not in ("check box", "toggle button") and "checkable" not in states(node)]
    check(len(toggles) == 13 and not uncheckable,
          "the %d toggles are checkable: not %s" % (len(toggles), uncheckable))
    priority = node_named(frame, "Free channel priority")
    was = "checked" in states(priority)
    do_action(priority, action_names(priority)[0])
    check(eventually(lambda: ("checked" in states(priority)) != was, 3), "a toggle's action flips its checked state")
    focusable_indicators = [node.name for node in nodes if node.name.endswith("activity")
                            and "focusable" in states(node)]
    check(not focusable_indicators, "activity indicators take no focus: %s" % focusable_indicators)
    frequency = node_named(frame, "COM1 frequency")
    check(text_of(frequency) == "122.800", "a frequency label reads as it shows: %r" % text_of(frequency))
    box = node_named(frame, "Free channel room name", "combo box")
    check("Press" in action_names(box) or "ShowMenu" in action_names(box),
          "the box opens its list by an action: %s" % action_names(box))


class Heard:
    """The description changes assistive technology is told of."""

    def __init__(self):
        self.told = []
        pyatspi.Registry.registerEventListener(self.hear, "object:property-change:accessible-description")

    def hear(self, event):
        # Qt sends the source, not the words: they are read as it is heard.
        self.told.append((event.source.name, event.source.description))

    def drain(self):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def forget(self):
        """Drops what was told so far (of a demo that has ended, say)."""
        self.drain()
        self.told.clear()

    def of(self, name, words):
        self.drain()
        return any(source == name and words in said for source, said in self.told)


def room_button_connects(frame, heard):
    heard.forget()
    room = node_named(frame, "COM1 room")
    do_action(room, "Press")
    eventually(lambda: heard.of("COM1 room", "EDDF_TWR"), 5)
    shown = description(room)
    check("Connected" in shown and "EDDF_TWR" in shown and "Frankfurt Tower" in shown,
          "pressing COM1 room connects it, and its name and information are read: %r" % shown)
    check(heard.of("COM1 room", "EDDF_TWR"), "the change is told to assistive technology while another control "
          "has the focus (%s)" % focused(frame))


def shape_has_device_pixel_corners(window, scale):
    rects = shape_of(window)
    # A shape made at the window's own pixels and enlarged has even edges only.
    odd = [r for r in rects if r[0] % 2 or r[2] % 2]
    figure("scale %s: %d shape rectangles, %d with an edge on an odd device pixel" % (scale, len(rects), len(odd)))
    check(len(rects) > 1 and (scale == 1 or odd), "scale %s: the window is rounded at device pixels" % scale)


def quit_closes(process, frame, title="TOKA", blinks=True):
    """The close button ends the demo; the Widgets host lets it blink first."""
    x, y, w, h = extents(node_named(frame, "Close panel"))
    xdotool("mousemove", x + w // 2, y + h // 2)
    clicked = time.monotonic()
    xdotool("click", 1)
    poll(lambda: window_named(title) is None, 5, "the window to close")
    shown = time.monotonic() - clicked
    status = process.wait(5)
    figure("%s close button: window gone %.2f s after the click" % (title, shown))
    if blinks:
        check(shown >= 0.5 and status == 0, "the close button blinks, then the demo ends with status 0 (%d)" % status)
    else:
        check(status == 0, "%s: the close button ends the demo with status 0 (%d)" % (title, status))


def used_as_a_user_uses_it(window, frame, surfaces, heard, where):
    """One front end's panel under openbox: dragged and tapped, then worked
    by keyboard, mouse and screen reader."""
    xdotool("windowactivate", "--sync", window)
    drag_moves_by_the_pointers_distance(window, surfaces["COM2 frequency"], where)
    taps_leave_the_window_in_place(window, surfaces, where)
    xdotool("windowactivate", "--sync", window)
    tab_cycle_reaches_every_control(frame)
    typing_over_a_selection_keeps_every_letter(frame)
    dropped_list_picks_a_room(frame)
    room_button_connects(frame, heard)
    tree_tells_no_lies(frame)


def quick_panel_as_a_user_meets_it(surfaces, heard):
    """The Qt Quick panel (toka-demo --quick) at the Widgets panel's places,
    read as a screen reader reads the Widgets panel."""
    process, window, _, frame = start_demo("quick", front="quick")
    try:
        used_as_a_user_uses_it(window, frame, surfaces, heard, "Qt Quick")
        shape_has_device_pixel_corners(window, 1)
        quit_closes(process, frame, TITLES["quick"], blinks=False)
    finally:
        stop(process, "toka-demo --quick")


def no_call_log_on_stderr(tag):
    lines = [line for line in open(os.path.join(WORK, tag + ".stderr")) if "Norvo." in line]
    figure("%s: %d call-log lines on standard error" % (tag, len(lines)))
    check(not lines, "%s: the call log stays off standard error" % tag)


def main():
    started = time.monotonic()
    processes = []
    try:
        # Without a window manager the panel moves its window itself.
        demo, window, app, frame = start_demo("bare")
        processes.append((demo, "toka-demo without a window manager"))
        surfaces = offsets(frame, window, ["COM1 frequency", "COM2 frequency", "Send activity",
                                           "COM1 send activity", "Free channel receive activity"])
        drag_moves_by_the_pointers_distance(window, surfaces["COM1 frequency"], "no window manager")
        taps_leave_the_window_in_place(window, surfaces, "no window manager")
        stop(*processes.pop())

        wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append((wm, "openbox"))
        poll(wm_running, 10, "openbox to manage the screen")
        heard = Heard()
        demo, window, app, frame = start_demo("desktop")
        processes.append((demo, "toka-demo"))
        used_as_a_user_uses_it(window, frame, surfaces, heard, "openbox")
        console = node_named(app, "TOKA demo: simulated voice network")
        check(console is not None and console.getRoleName() == "frame", "the console window is a frame")
        shape_has_device_pixel_corners(window, 1)
        quit_closes(demo, frame)
        no_call_log_on_stderr("desktop")
        quick_panel_as_a_user_meets_it(surfaces, heard)

        scaled, scaled_window, _, _ = start_demo("scaled", {"QT_SCALE_FACTOR": "2"})
        processes.append((scaled, "toka-demo at scale 2"))
        shape_has_device_pixel_corners(scaled_window, 2)
    except Timeout as waited:
        check(False, "timed out waiting for %s" % waited)
    finally:
        while processes:
            stop(*processes.pop())
    figure("desktop checks took %.1f s" % (time.monotonic() - started))
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
