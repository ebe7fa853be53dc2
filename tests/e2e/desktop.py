"""The private X display as a person meets it: top-level windows known by
their captions, the mouse, the keyboard, the clipboard and screenshots.
Everything goes through xdotool, xclip and ImageMagick's import, so the
program under test gets real input events, as from a person."""
import os
import select
import subprocess
import time


class Timeout(Exception):
    pass


def _run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout


def wait_for(condition, timeout, what, interval=0.1):
    """Polls condition() until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout("%s: not within %.1f s" % (what, timeout))
        time.sleep(interval)


def visible_windows():
    """Every mapped top-level window with a caption, by id."""
    ids = _run("xdotool", "search", "--onlyvisible", "--name", ".", check=False).split()
    windows = {}
    for window in ids:
        name = _run("xdotool", "getwindowname", window, check=False).rstrip("\n")
        if name:
            windows[int(window)] = name
    return windows


def wait_for_new_window(known, timeout, what):
    """The id and caption of a window that was not among `known`."""
    def new_one():
        for window, name in visible_windows().items():
            if window not in known:
                return window, name
        return None
    return wait_for(new_one, timeout, what)


def wait_for_window_named(predicate, timeout, what):
    def named():
        for window, name in visible_windows().items():
            if predicate(name):
                return window, name
        return None
    return wait_for(named, timeout, what)


def wait_until_gone(window, timeout, what):
    wait_for(lambda: window not in visible_windows(), timeout, what)


def geometry(window):
    """left, top, width, height of a window on the screen."""
    values = dict(line.split("=", 1) for line in
                  _run("xdotool", "getwindowgeometry", "--shell", str(window)).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def screen_size():
    width, height = _run("xdotool", "getdisplaygeometry").split()
    return int(width), int(height)


def click(x, y):
    _run("xdotool", "mousemove", str(x), str(y), "click", "1")


def right_click(x, y):
    _run("xdotool", "mousemove", str(x), str(y), "click", "3")


def press(*keys):
    _run("xdotool", "key", "--delay", "40", *keys)


def type_ascii(text):
    # xdotool types characters outside the keyboard map by remapping a key
    # for each, which Wine does not always see in time; ASCII is on the map.
    assert text.isascii(), text
    _run("xdotool", "type", "--delay", "20", text)


def paste(text):
    """Puts text on the X clipboard and pastes it with Ctrl+V, as a person
    pastes names copied from elsewhere."""
    with _ClipboardText(text) as clipboard:
        clipboard.wait_for_requests(1, 5)  # xclip owns the selection
        press("ctrl+v")
        clipboard.wait_for_requests(2, 5)  # the program has asked for it
        clipboard.wait_for_requests(99, 0.5)  # and has had all it asked for


class _ClipboardText:
    """xclip serving one text on the clipboard; with -quiet it stays in the
    foreground and announces each selection request that it waits for."""

    def __init__(self, text):
        self.server = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"], stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.server.stdin.write(text.encode("utf-8"))
        self.server.stdin.close()
        self.announced = 0

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.server.terminate()
        self.server.wait()

    def wait_for_requests(self, count, timeout):
        deadline = time.monotonic() + timeout
        while self.announced < count and time.monotonic() < deadline:
            if select.select([self.server.stdout], [], [], 0.05)[0]:
                output = os.read(self.server.stdout.fileno(), 4096)
                self.announced += output.count(b"Waiting for selection request")


class Screenshot:
    """One picture of the whole screen, for looking at pixels."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                              capture_output=True).stdout
        magic, size, maximum, self.pixels = data.split(b"\n", 3)
        assert magic == b"P6" and maximum == b"255", data[:20]
        self.width, self.height = map(int, size.split())

    def grey(self, x, y):
        at = (y * self.width + x) * 3
        return sum(self.pixels[at:at + 3]) // 3

    def dark_pixels(self, left, top, width, height, below=100):
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if self.grey(x, y) < below)

    def area(self, left, top, width, height):
        rows = []
        for y in range(top, top + height):
            at = (y * self.width + left) * 3
            rows.append(self.pixels[at:at + width * 3])
        return b"".join(rows)


def save_screenshot(path):
    subprocess.run(["import", "-window", "root", str(path)], check=False, capture_output=True)


def wait_until_still(areas, timeout, quiet=0.6):
    """Waits until the given screen areas have not changed for `quiet`
    seconds: the window has finished what a click started and drawn it."""
    deadline = time.monotonic() + timeout
    last = None
    since = time.monotonic()
    while True:
        shot = Screenshot()
        now = [shot.area(*area) for area in areas]
        if now != last:
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return
        if time.monotonic() > deadline:
            raise Timeout("the window still changing after %.1f s" % timeout)
        time.sleep(0.1)
