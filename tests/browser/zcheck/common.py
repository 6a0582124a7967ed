"""What every part of the browser check shares: sizes and time bounds, the
failures, one page's result, the pointer's path and the keys."""

import os

WIDTH, HEIGHT = 800, 600
PHONE = (375, 667)    # a phone held upright, in host mode
LOAD_TIMEOUT = 30.0  # a bound for a page that never loads, generous for a busy machine
CALL_TIMEOUT = 30.0  # a generous bound: the machine may be busy
CLI_TIMEOUT = 60.0
PROBE_TIMEOUT = 60.0
DRIVER_PREFIX = "__zentrava"  # names the driver adds to a page; the globals check ignores them
PAGE_PREFIX = "zcheck-"       # generated pages, saved beside temp.htm so relative paths still work


class CheckFailure(Exception):
    """The entry could not be checked, or the check found a fault."""


class BrowserGone(CheckFailure):
    """The browser process ended while a page was checked."""


def js(name):
    """The source of one of the check's scripts in the js folder."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "js", name), encoding="utf-8") as f:
        return f.read()


def text_of(data):
    return data.decode("utf-8", "replace").strip()


class Result:
    """What one page check found."""

    def __init__(self):
        self.errors, self.notes, self.dialogs, self.standard = [], [], [], []
        self.decoration = set()
        self.failure = None
        self.screenshot = None
        self.still_shot = None
        self.fingerprint = None  # what the page showed and computed after the probe (parameters mode)


# --- the pointer's path over the page ---------------------------------------

def pointer_path():
    """A zig-zag over the whole page; the empty bottom-right corner, where
    the clicks go (links and buttons of the effects stand elsewhere); and the
    way back to the middle, where the pointer rests for the screenshot, so
    that effects that follow it are in the picture."""
    sweep = [(40 + i * (WIDTH - 80) // 24, 60 + (i % 6) * (HEIGHT - 120) // 5) for i in range(25)]
    corner = (WIDTH - 20, HEIGHT - 20)
    back = [(corner[0] - i * (corner[0] - WIDTH // 2) // 8, corner[1] - i * (corner[1] - HEIGHT // 2) // 8)
            for i in range(1, 9)]
    return sweep, corner, back


# Keys by DOM name: (code, Windows key code, text typed).
KEYS = {
    "Enter": ("Enter", 13, "\r"), "Escape": ("Escape", 27, ""), "Tab": ("Tab", 9, ""),
    " ": ("Space", 32, " "), "Backspace": ("Backspace", 8, ""), "Delete": ("Delete", 46, ""),
    "ArrowLeft": ("ArrowLeft", 37, ""), "ArrowUp": ("ArrowUp", 38, ""), "ArrowRight": ("ArrowRight", 39, ""),
    "ArrowDown": ("ArrowDown", 40, ""), "Home": ("Home", 36, ""), "End": ("End", 35, ""),
    "PageUp": ("PageUp", 33, ""), "PageDown": ("PageDown", 34, ""),
}


def key_info(name):
    if name == "Space":
        name = " "
    if name in KEYS:
        return (name,) + KEYS[name]
    if len(name) == 1:
        if name.isascii() and name.isalpha():
            return name, "Key" + name.upper(), ord(name.upper()), name
        if name.isdigit():
            return name, "Digit" + name, ord(name), name
        return name, "", 0, name
    raise CheckFailure(f"the probe asked for an unknown key {name!r}")


