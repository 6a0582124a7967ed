#!/usr/bin/env python3
"""Browser check of the effect library.

Takes every entry of every catalogue in a program directory, generates it
with its defaults through `zentrava-cli --preview` in a scratch copy of that
directory, opens the preview page in a browser, moves the pointer over the
page, clicks an empty corner with the left and the right button, runs the
category's probe and fails on any uncaught script error or console error that
comes from the page itself, or any failure the probe reports. Alerts,
confirms and prompts are dismissed.

Categories add what their effects must visibly do in the probes folder
(--probes, by default `probes/` beside this script; its README describes the
files): variants (an entry generated with other values), the probe run in the
page, and the names each form may define.

The standard checks (Chromium, on unless --no-standard):
  globals      every name the page adds to `window` (or declares with let,
               const or class at the top level) must be one its form allows;
  still        with prefers-reduced-motion: reduce, the page loaded again and
               left alone shows the same picture for a second (an entry
               marked as a clock may change once a second); variants are
               left out of this one, as they run the entry's code;
  rest         an entry marked as a pointer effect stops drawing once the
               pointer has rested two seconds (and 120 frames);
  decoration   a shown element that lets the pointer through
               (pointer-events: none), or is itself aria-hidden="true", is
               decoration: it must sit in an aria-hidden="true" subtree, be
               unselectable (user-select: none) and let the pointer through
               (unless it is part of a link, button or form control).
Entries named with --pending report their standard faults as PENDING
without failing the run; --host-pending does the same for what the host and
pair modes find (the blog page, two copies), and only for that: an entry
named there still fails on a fault of its own generated page.

Pages run in parallel (--jobs), generated while the first ones are checked:
in Chromium each job has a window of its own in one browser process, into
which its pages load one after the other; in WebEngine each job is a checker
process.

One PNG screenshot per page lands in the --shots folder (and one of the
still page under reduced motion), with an index.html that shows them all.
Nothing is skipped: an entry that cannot be generated, loaded or
photographed is a failure with the reason.

Browsers:
  chromium   Debian's Chromium, headless, driven over the DevTools protocol
             on a pipe (file descriptors 3 and 4).
  webengine  Qt WebEngine, the engine of the app's own preview, through the
             small checker program given with --checker.

Only the Python standard library is used.
"""

import argparse
import base64
import hashlib
import html
import json
import os
import queue
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

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


class Entry:
    """One page to check: a catalogue entry with its defaults, or one of its
    variants (other values given to zentrava-cli)."""

    def __init__(self, base, caption, index, ename, form, variant=None, number=0, mode=None):
        self.base = base
        self.mode = mode        # None: the generated page; "host" or "twice": in the blog page
        self.caption = caption
        self.index = index
        self.ename = ename
        self.form = form
        self.variant = variant  # the variant's description from <category>.json
        self.entry_key = f"{base}-{index:02d}"
        self.key = self.entry_key + (f"-v{number}" if variant else "") + (f"-{mode}" if mode else "")
        self.args = expand_args(variant) if variant else []
        limit = variant.get("timeout") if variant else None
        self.timeout = float(limit) if limit else LOAD_TIMEOUT               # load
        self.probe_timeout = float(limit) if limit else PROBE_TIMEOUT        # probe
        self.page = None
        self.errors = []     # the page's own script and console errors, and the probe's failures
        self.notes = []      # errors from elsewhere (other files, the browser)
        self.dialogs = []    # texts of the dialogs that were dismissed
        self.standard = []   # faults the standard checks found
        self.pending = False  # standard faults are reported but do not fail the run
        self.failure = None  # why the entry could not be checked
        self.screenshot = None
        self.still_shot = None
        self.lock = threading.Lock()

    @property
    def label(self):
        if self.mode:
            return self.ename + (" [in a blog page]" if self.mode == "host" else " [twice in a blog page]")
        if not self.variant:
            return self.ename
        return f"{self.ename} [{self.variant.get('label', ' '.join(self.args))}]"

    @property
    def passed(self):
        return self.failure is None and not self.errors and (self.pending or not self.standard)

    def reasons(self):
        if self.failure:
            return [self.failure]
        return self.errors + ([] if self.pending else self.standard)


def expand_args(variant):
    """The variant's zentrava-cli options, with its last --add repeated
    `repeat_add` times in all and {n} in its value numbered from 1."""
    args = [str(a) for a in variant.get("args", [])]
    if "repeat_add" in variant:
        times = int(variant["repeat_add"])
        last = max((i for i, a in enumerate(args[:-1]) if a == "--add"), default=None)
        if last is None:
            raise ValueError("repeat_add needs an --add option to repeat")
        template = args[last + 1]
        repeated = []
        for n in range(1, times + 1):
            repeated += ["--add", template.replace("{n}", str(n))]
        args = args[:last] + repeated + args[last + 2:]
    return args


# --- the program directory and the command-line generator ------------------

def run_cli(cli, program_dir, args):
    try:
        return subprocess.run([cli, "--dir", program_dir] + args, capture_output=True,
                              timeout=CLI_TIMEOUT, stdin=subprocess.DEVNULL)
    except subprocess.TimeoutExpired:
        raise CheckFailure(f"zentrava-cli {' '.join(args)} did not finish within {CLI_TIMEOUT:.0f} s")


def text_of(data):
    return data.decode("utf-8", "replace").strip()


def list_entries(cli, program_dir):
    """Every entry of every catalogue present; a catalogue file that lists
    nothing is reported as a problem."""
    problems = []
    done = run_cli(cli, program_dir, ["categories"])
    if done.returncode != 0:
        raise CheckFailure(f"zentrava-cli categories failed: {text_of(done.stderr)}")
    entries = []
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        caption, file_name = line.split("\t")
        base = file_name.rsplit(".", 1)[0]
        user_dir = os.path.join(os.environ.get("XDG_DATA_HOME", ""), "zentrava")
        if not any(os.path.exists(os.path.join(folder, file_name)) for folder in (program_dir, user_dir)):
            continue
        listed = run_cli(cli, program_dir, ["list", base])
        if listed.returncode != 0:
            problems.append(f"{file_name}: zentrava-cli list failed: {text_of(listed.stderr)}")
            continue
        rows = listed.stdout.decode("utf-8", "replace").splitlines()
        if not rows:
            problems.append(f"{file_name} is present but lists no entries")
        for row in rows:
            fields = row.split("\t")
            entries.append(Entry(base, caption, int(fields[0]), fields[1], fields[2] if len(fields) > 2 else ""))
    return entries, problems


# --- declared parameters: each one changed alone must change the effect -----

def declared_parameters(cli, program_dir, entry):
    """The parameters an entry of the generic form declares, as `form` lists
    them: (name, kind, default, what it takes)."""
    done = run_cli(cli, program_dir, ["form", entry.base, str(entry.index)])
    if done.returncode != 0:
        raise CheckFailure(f"zentrava-cli form failed: {text_of(done.stderr)}")
    params = []
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        fields = line.split("\t")
        if len(fields) < 4 or fields[1] in ("button", "label"):
            continue
        params.append((fields[0], fields[1], fields[3]))
    return params


def changed_value(kind, default):
    """Another value than the default, one the declaration takes."""
    if kind.startswith("swatch"):
        return "#123456" if default.upper() != "#123456" else "#654321"
    if kind.startswith("checkbox"):
        return "no" if default == "yes" else "yes"
    if kind.startswith("choicebox"):
        items = kind[kind.index("one of: ") + 8:-1].split(", ")
        return next(i for i in items if i != default)
    if kind.startswith("spinedit"):
        low, high = (kind[kind.index("from ") + 5:-1]).split(" to ")
        return high if default != high else low
    if kind.startswith("fontbox"):
        return "monospace" if default != "monospace" else "serif"
    return default + " changed"


def rendered(chromium, page, work, name):
    """A hash of the page's picture in headless Chromium once its timers have
    run for a while, and the page as its scripts left it without their own text."""
    shot = os.path.join(work, name + ".png")
    common = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
              "--window-size=800,600", "--virtual-time-budget=1500",
              f"--user-data-dir={os.path.join(work, 'profile-' + name)}"]
    url = "file://" + page
    subprocess.run(common + [f"--screenshot={shot}", url], capture_output=True, timeout=60,
                   stdin=subprocess.DEVNULL)
    dom = subprocess.run(common + ["--dump-dom", url], capture_output=True, timeout=60,
                         stdin=subprocess.DEVNULL).stdout.decode("utf-8", "replace")
    dom = re.sub(r"(?is)(<script\b[^>]*>).*?(</script>)", r"\1\2", dom)
    dom = re.sub(r"(?is)(<style\b[^>]*>).*?(</style>)", r"\1\2", dom)
    with open(shot, "rb") as f:
        picture = hashlib.sha256(f.read()).hexdigest() if os.path.exists(shot) else ""
    return picture, dom


def check_parameters(cli, program_dir, entries, chromium, work):
    """Generates every entry of the generic form with its defaults and with
    each parameter changed alone; a change that leaves the generated page the
    same, or leaves both the picture and the page as its scripts made it (its
    style sheets and scripts left out) the same, is a failure."""
    failures = []
    checked = 0
    for entry in entries:
        if entry.form != "TParamForm":
            continue
        def page_of(options, name):
            done = run_cli(cli, program_dir, ["generate", entry.base, str(entry.index), "--show", "page"] + options)
            if done.returncode != 0:
                raise CheckFailure(f"{entry.entry_key}: zentrava-cli generate {' '.join(options)} failed: "
                                   f"{text_of(done.stderr)}")
            path = os.path.join(program_dir, f"params-{name}.html")
            with open(path, "wb") as f:
                f.write(done.stdout)
            return done.stdout, path
        try:
            base_text, base_path = page_of([], entry.entry_key)
            base_seen = rendered(chromium, base_path, work, entry.entry_key)
            for name, kind, default in declared_parameters(cli, program_dir, entry):
                value = changed_value(kind, default)
                text, path = page_of(["--set", f"{name}={value}"], f"{entry.entry_key}-{name}")
                checked += 1
                if text == base_text:
                    failures.append(f"{entry.entry_key} {name}={value}: the generated page did not change")
                    continue
                seen = rendered(chromium, path, work, f"{entry.entry_key}-{name}")
                if seen[0] == base_seen[0] and seen[1] == base_seen[1]:
                    failures.append(f"{entry.entry_key} {name}={value}: neither the picture nor the page "
                                    "as its scripts left it changed")
        except (CheckFailure, subprocess.TimeoutExpired, StopIteration, ValueError) as e:
            failures.append(f"{entry.entry_key}: {e}")
    return checked, failures


def generate(cli, program_dir, entry):
    """Generates the page (the entry with its defaults, or with the variant's
    options) and keeps the preview file under a name of its own."""
    preview = os.path.join(program_dir, "temp.htm")
    if os.path.exists(preview):
        os.remove(preview)
    done = run_cli(cli, program_dir, ["generate", entry.base, str(entry.index)] + entry.args + ["--preview"])
    if done.returncode != 0:
        said = text_of(done.stderr).splitlines()  # a usage error goes on with the usage text
        raise CheckFailure(f"generate failed (exit {done.returncode}): {said[0] if said else 'no message'}")
    if not os.path.isfile(preview):
        raise CheckFailure("generate succeeded but wrote no temp.htm")
    page = os.path.join(program_dir, PAGE_PREFIX + entry.key + ".htm")
    os.replace(preview, page)
    return page


# --- the category probes -----------------------------------------------------

class Probes:
    """What the probes folder says about each category."""

    def __init__(self, folder):
        self.folder = folder
        self.scripts = {}    # category -> the sources of its probes, run one after the other
        self.settings = {}   # category -> its .json files merged
        self.allowed = {}    # form class -> allowed global names
        self.problems = []
        if not os.path.isdir(folder):
            self.problems.append(f"no probes folder {folder}")
            return
        # <category>.json and .js first, then <category>.<part>.json and .js
        # (several developers may add to one category) in name order.
        names = sorted(os.listdir(folder), key=lambda n: (n.split(".")[0], n.count("."), n))
        for name in names:
            path = os.path.join(folder, name)
            category, ext = name.split(".")[0], os.path.splitext(name)[1]
            try:
                if ext == ".js":
                    with open(path, encoding="utf-8") as f:
                        self.scripts.setdefault(category, []).append(f.read())
                elif ext == ".json":
                    with open(path, encoding="utf-8") as f:
                        self.merge(category, name, json.load(f))
            except (OSError, ValueError, AttributeError) as e:
                self.problems.append(f"{path}: {e}")

    def merge(self, category, name, settings):
        merged = self.settings.setdefault(category, {"variants": [], "clock": [], "pointer": []})
        for key in ("variants", "clock", "pointer"):
            merged[key] += settings.get(key, [])
        for form, names in settings.get("globals", {}).items():
            if form == "TNoParamForm" and names:
                self.problems.append(f"{name}: TNoParamForm entries allow no globals")
                continue
            self.allowed.setdefault(form, set()).update(names)

    def marked(self, entry, mark):
        return entry.ename in self.settings.get(entry.base, {}).get(mark, [])

    def variants(self, entries):
        """The variant pages of the entries; names that match no entry are problems."""
        by_name = {(e.base, e.ename): e for e in entries}
        pages, counts = [], {}
        for category, settings in sorted(self.settings.items()):
            for mark in ("clock", "pointer"):
                for name in settings.get(mark, []):
                    if (category, name) not in by_name:
                        self.problems.append(f"{category}.json: \"{mark}\" names no entry \"{name}\"")
            for variant in settings.get("variants", []):
                entry = by_name.get((category, variant.get("entry")))
                if entry is None:
                    self.problems.append(f"{category}.json: a variant names no entry \"{variant.get('entry')}\"")
                    continue
                counts[entry.key] = counts.get(entry.key, 0) + 1
                try:
                    pages.append(Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form,
                                       variant, counts[entry.key]))
                except ValueError as e:
                    self.problems.append(f"{category}.json: variant of \"{entry.ename}\": {e}")
        return pages


# The probe's driver inside the page: the `z` helpers, the probe run as an
# async function, and its failures sent back. SEND is the browser's way out
# of the page; the driver answers through window.__zentravaResolve.
DRIVER_JS = r"""
(() => {
  const send = SEND;
  const pending = new Map();
  let next = 0;
  Object.defineProperty(window, '__zentravaResolve', {configurable: true, value: (id, value) => {
    const resolve = pending.get(id);
    if (resolve) { pending.delete(id); resolve(value); }
  }});
  const ask = (op, args) => new Promise(resolve => {
    const id = ++next;
    pending.set(id, resolve);
    send(JSON.stringify({id, op, args}));
  });
  const middle = el => {
    if (!el || !el.getBoundingClientRect) throw new Error('no element to point at');
    el.scrollIntoView({block: 'nearest', inline: 'nearest'});
    const r = el.getBoundingClientRect();
    return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)];
  };
  const visible = el => {
    if (!el || !el.isConnected || !el.getBoundingClientRect) return false;
    const r = el.getBoundingClientRect();
    if (r.width <= 0 || r.height <= 0) return false;
    if (r.right <= 0 || r.bottom <= 0 || r.left >= innerWidth || r.top >= innerHeight) return false;
    const s = getComputedStyle(el);
    if (s.visibility === 'hidden' || s.display === 'none') return false;
    for (let e = el; e && e.nodeType === 1; e = e.parentElement) {
      if (parseFloat(getComputedStyle(e).opacity) === 0) return false;
    }
    return true;
  };
  const text = () => {
    const parts = [];
    const walk = n => {
      if (n.nodeType === 3) parts.push(n.data);
      if ((n.tagName === 'INPUT' || n.tagName === 'TEXTAREA') && n.value) parts.push(n.value);
      if (n.shadowRoot) walk(n.shadowRoot);
      for (const c of n.childNodes) walk(c);
    };
    walk(document.documentElement);
    return parts.join(' ');
  };
  const canvasDrawn = () => Array.from(document.querySelectorAll('canvas')).some(c => {
    if (!c.width || !c.height) return false;
    try {
      const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let i = 3; i < data.length; i += 4) if (data[i]) return true;
      return false;
    } catch (e) {
      return true;  // a canvas that holds a picture from a file cannot be read back
    }
  });
  const z = {
    hover: el => ask('move', middle(el)),
    click: (el, button = 'left') => ask('click', middle(el).concat([button])),
    clickAt: (x, y, button = 'left') => ask('click', [x, y, button]),
    key: name => ask('key', [name]),
    type: chars => ask('type', [String(chars)]),
    wait: ms => new Promise(resolve => setTimeout(resolve, ms)),
    visible,
    anyVisible: selector => Array.from(document.querySelectorAll(selector)).some(visible),
    text,
    canvasDrawn,
    snapshot: () => ask('snapshot', []),
  };
  const finish = failures => send(JSON.stringify({id: 0, op: 'done', args: failures}));
  (async () => {
    const AsyncFunction = Object.getPrototypeOf(async function () {}).constructor;
    const failures = [];
    for (const source of SOURCES) {
      try {
        const result = await new AsyncFunction('entry', 'z', source)(ENTRY, z);
        if (Array.isArray(result)) failures.push(...result.map(String));
        else failures.push('the probe returned ' + typeof result + ', not a list of failures');
      } catch (e) {
        failures.push('the probe threw: ' + String(e && e.stack ? e.stack : e).split('\n')[0]);
      }
    }
    finish(failures);
  })();
})();
"""


def driver_script(send, entry, sources):
    info = {"category": entry.base, "index": entry.index, "ename": entry.ename, "form": entry.form,
            "variant": entry.variant.get("label", entry.key) if entry.variant else None}
    values = {"SEND": send, "ENTRY": json.dumps(info), "SOURCES": json.dumps(sources)}
    return re.sub(r"\b(SEND|ENTRY|SOURCES)\b", lambda m: values[m.group(1)], DRIVER_JS)


# Names the page added to window since the document started (the list taken
# then by BASELINE_JS), leaving out the driver's own and frame indexes.
BASELINE_JS = ("Object.defineProperty(window, '__zentravaBaseline', "
               "{value: Object.getOwnPropertyNames(window), configurable: true});")
GLOBALS_JS = r"""
(() => {
  if (!window.__zentravaBaseline) return null;
  const before = new Set(window.__zentravaBaseline);
  return Object.getOwnPropertyNames(window)
      .filter(n => !before.has(n) && !n.startsWith('__zentrava') && !/^[0-9]+$/.test(n));
})()
"""

# Two seconds of rest, and at least 120 frames in them, so that an effect
# that eases frame by frame has its frames even when the machine is busy.
REST_JS = r"""
Object.defineProperty(window, '__zentravaRest', {configurable: true, value: new Promise(resolve => {
  const began = performance.now();
  let frames = 0;
  const frame = () => {
    if (++frames >= 120 && performance.now() - began >= 2000) resolve(frames);
    else requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
})}), 0
"""

# A blinking text caret is the browser's, not the effect's motion: hide it
# before screenshots are compared.
NO_CARET_JS = r"""
(() => {
  const style = document.createElement('style');
  style.textContent = '* { caret-color: transparent !important; }';
  (document.head || document.documentElement).appendChild(style);
})()
"""

# The decoration rule (see the module's description): shown elements that
# look decorative, with what they lack.
DECORATION_JS = r"""
(() => {
  const faults = [];
  const shown = (el, s) => {
    const r = el.getBoundingClientRect();
    if (r.width < 1 || r.height < 1) return false;
    if (r.right <= 0 || r.bottom <= 0 || r.left >= innerWidth || r.top >= innerHeight) return false;
    return s.display !== 'none' && s.visibility !== 'hidden' && parseFloat(s.opacity) > 0;
  };
  const ariaHidden = el => !!el.closest('[aria-hidden="true"]');
  const selectable = el => {
    for (let e = el; e; e = e.parentElement) {
      const s = getComputedStyle(e);
      const v = s.userSelect || s.webkitUserSelect;
      if (v && v !== 'auto') return v !== 'none';
    }
    return true;
  };
  const control = 'a[href], button, input, select, textarea, label, [role=button], [role=link], [tabindex]';
  const describe = el => {
    let d = el.tagName.toLowerCase() + (el.id ? '#' + el.id : '');
    if (typeof el.className === 'string' && el.className.trim()) d += '.' + el.className.trim().split(/\s+/).join('.');
    const t = (el.textContent || '').trim().slice(0, 20);
    return t ? d + ' "' + t + '"' : d;
  };
  // Each element is reported once, however often the check looks.
  if (!window.__zentravaDecoration) {
    Object.defineProperty(window, '__zentravaDecoration', {value: new WeakSet(), configurable: true});
  }
  const reported = window.__zentravaDecoration;
  for (const el of document.querySelectorAll('body *')) {
    if (/^(SCRIPT|STYLE|NOSCRIPT|TEMPLATE|BR)$/.test(el.tagName) || reported.has(el)) continue;
    const s = getComputedStyle(el);
    const through = s.pointerEvents === 'none';
    const marked = el.getAttribute('aria-hidden') === 'true';
    if (!(through || marked) || !shown(el, s)) continue;
    const lacks = [];
    if (!ariaHidden(el)) lacks.push('not aria-hidden');
    if (selectable(el)) lacks.push('selectable');
    if (!through && !el.closest(control)) lacks.push('catches the pointer');
    if (lacks.length) {
      reported.add(el);
      faults.push(describe(el) + ': ' + lacks.join(', '));
    }
  }
  return faults;
})()
"""


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


# --- host and pair modes -----------------------------------------------------
#
# A user pastes the generated code into a page of their own. In host mode an
# entry's head part goes into the head and its body part into the body of a
# standards-mode blog page with a viewport, a CSS reset, a sticky header, its
# own init() and other globals, and a window.onload that its own script sets
# after the snippet. Pair mode puts the entry there twice, the second copy
# with other values.

HOST_HEAD = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>A blog page</title>
<style>
*, *::before, *::after { box-sizing: border-box; }
html, body, h1, p, ul { margin: 0; padding: 0; }
ul { list-style: none; }
img { max-width: 100%; height: auto; }
body { font: 16px/1.5 Georgia, serif; color: #222; background: #fff; }
.host-header { position: sticky; top: 0; z-index: 100; display: flex; align-items: center; gap: 16px;
  height: 56px; padding: 0 16px; background: #1f3b57; }
.host-header a { color: #fff; font: bold 18px Arial, sans-serif; text-decoration: none; }
.host-main { max-width: 760px; margin: 0 auto; padding: 16px; }
.host-after { margin: 16px 0; color: #222; font-size: 16px; }
.host-filler { height: 1600px; border-top: 1px dotted #ccc; }
</style>
<script>
var hostSiteName = 'A blog';
var hostCalls = {};
function init() { hostCalls.init = (hostCalls.init || 0) + 1; }
function fade() { hostCalls.fade = (hostCalls.fade || 0) + 1; }
function reset() { hostCalls.reset = (hostCalls.reset || 0) + 1; }
function Show() { hostCalls.Show = (hostCalls.Show || 0) + 1; }
function Hide() { hostCalls.Hide = (hostCalls.Hide || 0) + 1; }
function Scroll() { hostCalls.Scroll = (hostCalls.Scroll || 0) + 1; }
var text = 'the blog\\'s text', msg = 'the blog\\'s message';
var hostOwn = {hostSiteName: hostSiteName, init: init, fade: fade, reset: reset, Show: Show, Hide: Hide,
               Scroll: Scroll, text: text, msg: msg};
</script>
"""

HOST_BODY = """</head>
<body>
<header class="host-header"><a id="host-logo" href="#top">A blog</a><a href="#about">About</a></header>
<main class="host-main">
<h1>An article</h1>
<p id="host-before">The article begins before the effect.</p>
"""

HOST_TAIL = """
<p id="host-after" class="host-after">The article goes on after the effect.</p>
<div class="host-filler"></div>
</main>
<script>
// The blog's own script, after the effect: it sets its own onload.
window.onload = function () { hostCalls.onload = (hostCalls.onload || 0) + 1; };
</script>
</body>
</html>
"""


def page_parts(page):
    """The head part (after the title) and the body part (after the body tag)
    of a generated page."""
    with open(page, encoding="utf-8", errors="replace") as f:
        text = f.read()
    head = re.search(r"</title>(.*?)</head>", text, re.S | re.I)
    body = re.search(r"<body[^>]*>(.*)$", text, re.S | re.I)
    if not head or not body:
        raise CheckFailure("the generated page has no head or no body to take the code from")
    return head.group(1), re.sub(r"</(body|html)\s*>", "", body.group(1), flags=re.I)


def host_page(parts, path):
    """The blog page with the parts; two copies each sit in a block of the
    article of their own, so that the check can take the first one out."""
    body = ("".join(b for _, b in parts) if len(parts) < 2 else
            "\n".join(f'<div class="host-copy">{b}</div>' for _, b in parts))
    with open(path, "w", encoding="utf-8") as f:
        f.write(HOST_HEAD + "".join(h for h, _ in parts) + HOST_BODY + body + HOST_TAIL)
    return path


def second_values(cli, program_dir, entry):
    """Options that give the entry's second copy other values: its text edits
    changed (a link edit keeps a link)."""
    done = run_cli(cli, program_dir, ["form", entry.base, str(entry.index)])
    args = []
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        fields = line.split("\t")
        if len(fields) < 4 or fields[1] != "edit" or not fields[3]:
            continue
        value = fields[3]
        if re.match(r"https?://", value):
            args += ["--set", f"{fields[0]}={value}second"]
        elif re.search(r"\.(jpe?g|gif|png)$", value, re.I):
            continue
        elif re.fullmatch(r"[0-9 ,:./-]+", value):
            continue  # dates and numbers stay as they are
        else:
            args += ["--set", f"{fields[0]}=Second {value}"]
    return args


def generate_host(cli, program_dir, entry):
    """The host page of a host or pair entry."""
    first = generate(cli, program_dir, entry)
    parts = [page_parts(first)]
    if entry.mode == "twice":
        second = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form)
        second.key = entry.key + "-second"
        second.args = second_values(cli, program_dir, entry)
        parts.append(page_parts(generate(cli, program_dir, second)))
    return host_page(parts, os.path.join(program_dir, PAGE_PREFIX + entry.key + "-page.htm"))


# What the host page checks after load: its onload ran, its globals are its
# own (a name the form's fixed lines define may change, but a function the
# blog had under that name still works when called), its header is not
# covered and the text after the effect is still shown as the blog styles it.
HOST_JS = r"""
((allowed) => {
  const faults = [];
  const z_shown = e => { const r = e.getBoundingClientRect(), st = getComputedStyle(e);
    return r.width > 0 && r.height > 0 && st.visibility === 'visible' && parseFloat(st.opacity) > 0; };
  if (!hostCalls.onload) faults.push("the blog's own window.onload did not run");
  for (const name of Object.keys(hostOwn)) {
    const now = window[name], was = hostOwn[name];
    if (now === was) continue;
    if (!allowed.includes(name)) { faults.push(`the blog's global ${name} was replaced`); continue; }
    if (typeof was !== 'function') continue;
    if (typeof now !== 'function') { faults.push(`the blog's function ${name} is no longer a function`); continue; }
    const before = hostCalls[name] || 0;
    try { now.call(window); } catch (e) { faults.push(`calling ${name}() threw: ${e}`); continue; }
    if ((hostCalls[name] || 0) <= before) faults.push(`the blog's own ${name}() no longer runs when ${name}() is called`);
  }
  const after = document.getElementById('host-after');
  const style = after && getComputedStyle(after);
  const box = after && after.getBoundingClientRect();
  if (!after || !box.width || !box.height || style.visibility !== 'visible' || style.display === 'none' ||
      parseFloat(style.opacity) < 1) faults.push('the text after the effect is hidden');
  else if (style.color !== 'rgb(34, 34, 34)' || style.fontSize !== '16px' || !/Georgia/.test(style.fontFamily))
    faults.push(`the text after the effect is restyled (${style.color}, ${style.fontSize}, ${style.fontFamily})`);
  else if (!after.closest('main.host-main')) faults.push('the text after the effect was moved into the effect');
  // A text split into letters is read and copied whole: the letters are
  // decoration (aria-hidden), the text is there once as a whole.
  const single = Array.from(document.querySelectorAll('.host-main span, .host-main div, .host-main font, .host-main b'))
      .filter(e => !e.children.length && /^\S$/u.test(e.textContent) && !e.closest('[aria-hidden="true"], a, button, [role], td, th'));
  const split = single.map(e => e.parentElement).filter((p, i, all) => all.indexOf(p) === i &&
      single.filter(e => e.parentElement === p).length >= 3);
  if (split.length) faults.push(`letters are read one by one ("${split[0].textContent.trim().slice(0, 24)}")`);
  // Fixed strips and bars stay below the page's own dialogs (a moderate stacking order).
  for (const e of document.querySelectorAll('body *')) {
    const st = getComputedStyle(e);
    if (st.position !== 'fixed' || !(parseInt(st.zIndex, 10) > 1000) || st.pointerEvents === 'none' ||
        e.closest('[role=dialog], [role=menu], [role=tooltip]') || !z_shown(e)) continue;
    faults.push(`a fixed ${e.tagName.toLowerCase()}${e.className && typeof e.className === 'string' ? '.' + e.className.split(' ')[0] : ''} stacks at z-index ${st.zIndex}, above the page's own dialogs`);
    break;
  }
  const logo = document.getElementById('host-logo').getBoundingClientRect();
  const over = document.elementFromPoint(logo.left + 4, logo.top + logo.height / 2);
  if (!over || !over.closest('.host-header')) faults.push('something covers the blog\'s header');
  return faults;
})
"""


PHONE_JS = r"""
(() => {
  const width = document.documentElement.scrollWidth;
  if (width <= innerWidth) return '';
  const wide = Array.from(document.querySelectorAll('body *')).filter(e => e.getBoundingClientRect().right > innerWidth + 1)
      .map(e => e.tagName.toLowerCase() + (e.id ? '#' + e.id : '') + (e.className && typeof e.className === 'string' ? '.' + e.className.split(' ')[0] : ''));
  return `the page is ${width} px wide on a ${innerWidth} px phone (${wide.slice(-3).join(', ')})`;
})()
"""


def host_kinds(entry):
    return ["host", "phone"] if entry.mode == "host" else ["host"]


# --- the browsers ------------------------------------------------------------

class Chromium:
    """Debian's Chromium over the DevTools protocol: one browser process for
    all jobs, each job with its own browser context and one window per page.
    A reader thread hands answers to the callers and events to the page they
    belong to."""

    FLAGS = [
        "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--disable-extensions", "--disable-default-apps", "--mute-audio", "--hide-scrollbars",
        "--no-default-browser-check", "--disable-features=Translate,MediaRouter",
        # Every page is a window of its own and shown: nothing in it may be throttled.
        "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
        "--disable-backgrounding-occluded-windows",
        f"--window-size={WIDTH},{HEIGHT}", "--remote-debugging-pipe",
        # Headless Chromium reports no pointer at all; the check drives a mouse, so say there is one
        # (fine and able to hover), or pointer effects rightly stay away.
        "--blink-settings=primaryPointerType=4,availablePointerTypes=4,primaryHoverType=2,availableHoverTypes=2",
    ]

    def __init__(self, program, work_dir, probes, standard):
        self.program = program
        self.work_dir = work_dir
        self.probes = probes
        self.standard = standard
        self.proc = None
        self.starts = 0
        self.generation = 0
        self.start_lock = threading.Lock()
        self.write_lock = threading.Lock()
        self.cond = threading.Condition()
        self.contexts = {}
        self.tabs = {}
        self.blank = None             # the blog page's own work at rest (host mode)
        self.blank_lock = threading.Lock()

    # -- the process and the protocol --

    def log_tail(self):
        try:
            with open(self.log_path, "rb") as f:
                return text_of(f.read()[-600:])
        except (OSError, AttributeError):
            return "(none)"

    def alive(self):
        return self.proc is not None and self.proc.poll() is None and not self.closed

    def ensure_running(self, generation=None):
        """Starts the browser if it is not running (or is still the one of
        `generation`, which failed); returns the running generation."""
        with self.start_lock:
            if generation is not None and generation == self.generation and self.proc is not None:
                self.kill()
            if not self.alive():
                self.start()
            return self.generation

    def start(self):
        self.kill()
        self.starts += 1
        self.log_path = os.path.join(self.work_dir, f"chromium-{self.starts}.log")
        profile = os.path.join(self.work_dir, f"chromium-profile-{self.starts}")
        os.makedirs(profile)
        to_browser_r, to_browser_w = os.pipe()
        from_browser_r, from_browser_w = os.pipe()

        def pipes_on_3_and_4():
            # Copy first: a pipe may already sit on 3 or 4, where dup2 would
            # keep its close-on-exec flag.
            reading, writing = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        with open(self.log_path, "wb") as log:
            self.proc = subprocess.Popen([self.program, f"--user-data-dir={profile}"] + self.FLAGS + ["about:blank"],
                                         stdin=subprocess.DEVNULL, stdout=log, stderr=log, close_fds=False,
                                         preexec_fn=pipes_on_3_and_4, start_new_session=True)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.out = to_browser_w
        self.closed = False
        self.next_id = 0
        self.responses = {}
        self.sessions = {}
        self.contexts = {}
        self.tabs = {}
        self.generation += 1
        threading.Thread(target=self.read, args=(from_browser_r,), daemon=True).start()
        try:
            self.call("Browser.getVersion", timeout=30)
        except CheckFailure as e:
            raise CheckFailure(f"Chromium did not start ({e}); its log: {self.log_tail()}")

    def kill(self):
        if self.proc is None:
            return
        try:
            self.send("Browser.close")
        except OSError:
            pass
        try:
            self.proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        try:
            os.close(self.out)
        except OSError:
            pass
        self.proc = None

    def stop(self):
        with self.start_lock:
            self.kill()

    def read(self, fd):
        buffer = b""
        try:
            while True:
                chunk = os.read(fd, 1 << 20)
                if not chunk:
                    break
                buffer += chunk
                while b"\0" in buffer:
                    raw, buffer = buffer.split(b"\0", 1)
                    self.dispatch(json.loads(raw))
        finally:
            os.close(fd)
            with self.cond:
                self.closed = True
                self.cond.notify_all()

    def dispatch(self, message):
        if message.get("method") == "Page.javascriptDialogOpening":
            params = message["params"]
            try:
                self.send("Page.handleJavaScriptDialog",
                          {"accept": True, "promptText": params.get("defaultPrompt", "")}, message.get("sessionId"))
            except OSError:
                pass
        with self.cond:
            if "id" in message:
                self.responses[message["id"]] = message
            elif message.get("sessionId") in self.sessions:
                self.sessions[message["sessionId"]].append(message)
            self.cond.notify_all()

    def send(self, method, params=None, session=None):
        with self.write_lock:
            self.next_id += 1
            call_id = self.next_id
            message = {"id": call_id, "method": method, "params": params or {}}
            if session:
                message["sessionId"] = session
            os.write(self.out, json.dumps(message).encode() + b"\0")
            return call_id

    def wait(self, seconds, until):
        """Waits up to `seconds` for `until()` (checked under the lock)."""
        deadline = time.monotonic() + seconds
        with self.cond:
            while not until():
                if self.closed:
                    raise BrowserGone(f"Chromium closed its pipe; its log: {self.log_tail()}")
                left = deadline - time.monotonic()
                if left <= 0:
                    return False
                self.cond.wait(left)
            return True

    def call(self, method, params=None, session=None, timeout=CALL_TIMEOUT):
        try:
            call_id = self.send(method, params, session)
        except OSError:
            raise BrowserGone("Chromium is gone")
        if not self.wait(timeout, lambda: call_id in self.responses):
            raise CheckFailure(f"Chromium did not answer {method} within {timeout:.0f} s")
        with self.cond:
            response = self.responses.pop(call_id)
        if "error" in response:
            raise CheckFailure(f"{method} failed: {response['error'].get('message')}")
        return response.get("result", {})

    def evaluate(self, session, expression, timeout=CALL_TIMEOUT):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True}, session, timeout)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            raise CheckFailure("the check's own script failed in the page: "
                               + (details.get("exception", {}).get("description") or details.get("text", "")))
        return result.get("result", {}).get("value")

    # -- a page --

    def context(self, job):
        if job not in self.contexts:
            self.contexts[job] = self.call("Target.createBrowserContext")["browserContextId"]
        return self.contexts[job]

    def check(self, job, entry, kind, shots):
        """Checks a page ("main": input, probe, globals, decoration, rest;
        "still": reduced motion, no input). A page cut short because the
        browser went down under it (another page may have hung it) is
        checked once more in a new browser."""
        for attempt in (1, 2):
            generation = self.ensure_running()
            result = Result()
            try:
                self.check_once(job, entry, kind, shots, result)
                return result
            except CheckFailure as e:
                result.failure = str(e)
                if attempt == 2 or (generation == self.generation and self.alive()):
                    return result
        return result

    def tab(self, job):
        """The job's window, opened when first needed (and again after its
        browser went, or its last page hung it); pages load into it one
        after the other, so its renderer is started once."""
        tab = self.tabs.get(job)
        if tab and tab[2] == self.generation:
            return tab[0], tab[1]
        generation = self.generation
        target = self.call("Target.createTarget", {"url": "about:blank", "newWindow": True,
                                                    "browserContextId": self.context(job)})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        with self.cond:
            self.sessions[session] = []
        self.tabs[job] = (target, session, generation)
        try:
            for domain in ("Page", "Runtime", "Log"):
                self.call(f"{domain}.enable", session=session)
            self.call("Emulation.setDeviceMetricsOverride",
                      {"width": WIDTH, "height": HEIGHT, "deviceScaleFactor": 1, "mobile": False}, session)
            self.call("Emulation.setFocusEmulationEnabled", {"enabled": True}, session)
            if self.standard:
                self.call("Page.addScriptToEvaluateOnNewDocument", {"source": BASELINE_JS}, session)
            self.call("Runtime.addBinding", {"name": DRIVER_PREFIX + "Input"}, session)
        except CheckFailure:
            self.close_tab(job, False)  # half made: the next page gets a new window
            raise
        return target, session

    def close_tab(self, job, hung):
        target, session, generation = self.tabs.pop(job)
        if generation != self.generation:
            return
        try:
            if hung:
                # A page stuck in a script: stop the script so the window can close.
                self.send("Runtime.terminateExecution", {}, session)
            self.call("Target.closeTarget", {"targetId": target}, timeout=5)
        except BrowserGone:
            pass
        except (CheckFailure, OSError):
            self.ensure_running(generation)  # the page took the browser down with it
        with self.cond:
            self.sessions.pop(session, None)

    def loaded(self, session, timeout):
        return self.wait(timeout, lambda: any(e.get("method") == "Page.loadEventFired"
                                              for e in self.sessions[session]))

    def check_once(self, job, entry, kind, shots, result):
        url = "file://" + urllib.parse.quote(os.path.abspath(entry.page))
        target, session = self.tab(job)
        with self.cond:
            self.sessions[session] = []
        hung = False
        try:
            self.call("Emulation.setEmulatedMedia",
                      {"features": [{"name": "prefers-reduced-motion", "value": "reduce" if kind == "still" else ""}]},
                      session)
            phone = kind == "phone"
            self.call("Emulation.setDeviceMetricsOverride",
                      {"width": PHONE[0] if phone else WIDTH, "height": PHONE[1] if phone else HEIGHT,
                       "deviceScaleFactor": 1, "mobile": phone}, session)
            self.call("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 5}, session)
            navigation = self.call("Page.navigate", {"url": url}, session, timeout=entry.timeout)
            if navigation.get("errorText"):
                raise CheckFailure(f"the page failed to load: {navigation['errorText']}")
            if not self.loaded(session, entry.timeout):
                hung = True
                raise CheckFailure(f"the page did not finish loading within {entry.timeout:.0f} s")
            time.sleep(0.3)
            if self.evaluate(session, "document.visibilityState") != "visible":
                raise CheckFailure("the page is not shown, so the check would see nothing move")
            if kind == "still":
                self.check_still(entry, session, shots, result)
            elif kind == "host":
                self.check_host(entry, session, shots, result)
            elif kind == "phone":
                self.check_phone(entry, session, shots, result)
            else:
                self.check_main(entry, session, shots, result)
        except CheckFailure:
            hung = hung or not self.alive() or self.responsive(session) is False
            raise
        finally:
            # Leave the page (what it reports while unloading is still its
            # own), then take its events; a page that cannot be left closes
            # with its window.
            if not hung and self.alive():
                try:
                    with self.cond:
                        count = len(self.sessions[session])
                    self.call("Page.navigate", {"url": "about:blank"}, session, timeout=5)
                    hung = not self.wait(5, lambda: any(e.get("method") == "Page.loadEventFired"
                                                        for e in self.sessions[session][count:]))
                except CheckFailure:
                    hung = True
            with self.cond:
                events, self.sessions[session] = self.sessions.get(session, []), []
            collect(result, events, url)
            if hung or not self.alive():
                self.close_tab(job, hung)

    def responsive(self, session):
        try:
            self.call("Runtime.evaluate", {"expression": "1"}, session, timeout=2)
            return True
        except BrowserGone:
            return None
        except CheckFailure:
            return False

    def mouse(self, session, kind, x, y, button="none", buttons=0):
        self.call("Input.dispatchMouseEvent",
                  {"type": kind, "x": x, "y": y, "button": button, "buttons": buttons,
                   "clickCount": 1 if kind != "mouseMoved" else 0}, session)

    def move_along(self, session, points):
        """Moves the pointer through the points 25 ms apart, without waiting
        for each move to be handled (the browser queues them in order), then
        waits until all of them are."""
        sent = []
        for x, y in points:
            try:
                sent.append(self.send("Input.dispatchMouseEvent",
                                      {"type": "mouseMoved", "x": x, "y": y, "button": "none", "buttons": 0}, session))
            except OSError:
                raise BrowserGone("Chromium is gone")
            time.sleep(0.025)
        if not self.wait(CALL_TIMEOUT, lambda: all(i in self.responses for i in sent)):
            raise CheckFailure(f"Chromium did not handle the pointer's moves within {CALL_TIMEOUT:.0f} s")
        with self.cond:
            answers = [self.responses.pop(i) for i in sent]
        for answer in answers:
            if "error" in answer:
                raise CheckFailure(f"Input.dispatchMouseEvent failed: {answer['error'].get('message')}")

    def click(self, session, x, y, button):
        mask = {"left": 1, "right": 2, "middle": 4}.get(button)
        if mask is None:
            raise CheckFailure(f"the probe asked for an unknown button {button!r}")
        self.mouse(session, "mouseMoved", x, y)
        self.mouse(session, "mousePressed", x, y, button, mask)
        self.mouse(session, "mouseReleased", x, y, button, 0)

    def key(self, session, name):
        key, code, vk, text = key_info(name)
        common = {"key": key, "code": code, "windowsVirtualKeyCode": vk, "nativeVirtualKeyCode": vk}
        if text:
            self.call("Input.dispatchKeyEvent", dict(common, type="keyDown", text=text, unmodifiedText=text), session)
        else:
            self.call("Input.dispatchKeyEvent", dict(common, type="rawKeyDown"), session)
        self.call("Input.dispatchKeyEvent", dict(common, type="keyUp"), session)

    def shot(self, session):
        # Lossless still, only compressed less.
        return self.call("Page.captureScreenshot", {"format": "png", "optimizeForSpeed": True}, session)["data"]

    def check_main(self, entry, session, shots, result):
        sweep, corner, back = pointer_path()
        self.move_along(session, sweep + [corner])
        if self.standard:
            result.decoration.update(self.evaluate(session, DECORATION_JS) or [])
        for button, mask in (("left", 1), ("right", 2)):
            self.mouse(session, "mousePressed", *corner, button, mask)
            time.sleep(0.05)
            self.mouse(session, "mouseReleased", *corner, button, 0)
            time.sleep(0.15)
        self.move_along(session, back)
        resting = self.standard and self.probes.marked(entry, "pointer")
        if resting:
            self.evaluate(session, REST_JS)
        time.sleep(0.8)
        png = os.path.join(shots, entry.key + ".png")
        with open(png, "wb") as f:
            f.write(base64.b64decode(self.shot(session)))
        result.screenshot = png
        if resting:
            self.call("Runtime.evaluate", {"expression": "window.__zentravaRest", "awaitPromise": True},
                      session, timeout=60)
            self.evaluate(session, NO_CARET_JS)
            changes, span = self.count_changes(session, [0.35, 0.3, 0.35])
            # A clock that follows the pointer still ticks once a second.
            if changes > (int(span) + 1 if self.probes.marked(entry, "clock") else 0):
                result.standard.append("rest: still drawing two seconds after the pointer stopped "
                                       f"({changes} changes in the next second)")
        sources = self.probes.scripts.get(entry.base)
        if sources:
            result.errors += self.run_probe(entry, session, sources)
            # The picture shows what the probe left open (a menu, a game under way),
            # once it has finished sliding or fading in.
            time.sleep(0.6)
            with open(png, "wb") as f:
                f.write(base64.b64decode(self.shot(session)))
        if self.standard:
            names = self.evaluate(session, GLOBALS_JS)
            if names is None:
                raise CheckFailure("the globals the page started with were not recorded")
            lexical = self.call("Runtime.globalLexicalScopeNames", {}, session).get("names", [])
            allowed = self.probes.allowed.get(entry.form, set()) if entry.form != "TNoParamForm" else set()
            stray = sorted(set(names + lexical) - allowed)
            if stray:
                result.standard.append(f"globals: {', '.join(stray)} (allowed for {entry.form or 'its form'}: "
                                       f"{', '.join(sorted(allowed)) or 'none'})")
            result.decoration.update(self.evaluate(session, DECORATION_JS) or [])
            if result.decoration:
                listed = sorted(result.decoration)
                more = f" and {len(listed) - 3} more" if len(listed) > 3 else ""
                result.standard.append("decoration: " + "; ".join(listed[:3]) + more)

    def check_host(self, entry, session, shots, result):
        """The entry in the blog page: the blog is left alone, the keyboard
        still scrolls it, little work at rest out of view, the probe passes."""
        began = time.monotonic()
        time.sleep(0.5)
        allowed = sorted(self.probes.allowed.get(entry.form, set()))
        faults = self.evaluate(session, f"({HOST_JS})({json.dumps(allowed)})") or []
        # The keyboard scrolls the page while the focus is on the page itself.
        self.evaluate(session, "document.activeElement && document.activeElement.blur(); scrollTo(0, 0); 0")
        self.key(session, "PageDown")
        time.sleep(0.5)
        if not self.evaluate(session, "scrollY > 0"):
            faults.append("Page Down with the focus on the page did not scroll it")
        # At rest and out of view: main-thread work over two seconds, once what
        # starts with the page (a reveal, a fade) has had four seconds to finish.
        self.evaluate(session, "scrollTo(0, document.documentElement.scrollHeight); 0")
        time.sleep(max(0.0, 4.0 - (time.monotonic() - began)))
        blank = self.blank_work(session)
        # Other pages checked at the same time make a single measurement noisy:
        # an effect that keeps working does so every time, a busy moment passes.
        work = self.task_seconds(session, 2.0)
        for _ in range(2):
            if work <= max(2 * blank, 0.04):
                break
            work = min(work, self.task_seconds(session, 2.0))
        if work > max(2 * blank, 0.04):
            faults.append(f"at rest and out of view the page worked {work * 1000:.0f} ms in 2 s "
                          f"(a blank page: {blank * 1000:.0f} ms)")
        self.evaluate(session, "scrollTo(0, 0); 0")
        time.sleep(0.3)
        result.standard += [f"host: {f}" for f in faults]
        sources = self.probes.scripts.get(entry.base)
        if sources:
            # what fails only in the blog page (or with two copies) is a fault of the standard
            result.standard += [f"host: {f}" for f in self.run_probe(entry, session, sources)]
            time.sleep(0.6)
            if entry.mode == "twice":
                # The second copy works by itself too: with the first one's block
                # taken out of the page, the probe finds and plays the second.
                self.evaluate(session, "document.querySelector('.host-copy').remove(); "
                                       "document.activeElement && document.activeElement.blur(); scrollTo(0, 0); 0")
                time.sleep(0.5)
                result.standard += [f"second copy: {f}" for f in self.run_probe(entry, session, sources)]
                time.sleep(0.6)
        png = os.path.join(shots, entry.key + ".png")
        with open(png, "wb") as f:
            f.write(base64.b64decode(self.shot(session)))
        result.screenshot = png

    def task_seconds(self, session, seconds):
        self.call("Performance.enable", {}, session)
        def now():
            metrics = self.call("Performance.getMetrics", {}, session)["metrics"]
            return next((m["value"] for m in metrics if m["name"] == "TaskDuration"), 0.0)
        began = now()
        time.sleep(seconds)
        return now() - began

    def blank_work(self, session):
        """The work of the blog page without an effect, measured once."""
        with self.blank_lock:
            if self.blank is None:
                self.blank = self.measure_blank()
            return self.blank

    def measure_blank(self):
        path = os.path.join(self.work_dir, "program", PAGE_PREFIX + "blank-page.htm")
        host_page([], path)
        tab, blank_session = self.tab("blank")
        self.call("Page.navigate", {"url": "file://" + urllib.parse.quote(path)}, blank_session)
        self.loaded(blank_session, LOAD_TIMEOUT)
        self.evaluate(blank_session, "scrollTo(0, document.documentElement.scrollHeight); 0")
        return self.task_seconds(blank_session, 2.0)

    def check_phone(self, entry, session, shots, result):
        """On a phone: nothing is wider than its screen."""
        time.sleep(0.8)
        wide = self.evaluate(session, PHONE_JS)
        if wide:
            result.standard.append(f"phone: {wide}")
        png = os.path.join(shots, entry.key + "-phone.png")
        with open(png, "wb") as f:
            f.write(base64.b64decode(self.shot(session)))
        result.still_shot = png

    def count_changes(self, session, gaps):
        """Screenshots with the given pauses between them: how many times
        the picture changed, and the seconds the series spanned at most."""
        began = time.monotonic()
        last, changes, first = self.shot(session), 0, None
        for gap in gaps:
            time.sleep(gap)
            current = self.shot(session)
            changes += current != last
            last = current
        return changes, time.monotonic() - began

    def check_still(self, entry, session, shots, result):
        self.evaluate(session, NO_CARET_JS)
        time.sleep(0.7)  # start-up: pictures decoded, the first frame drawn
        png = os.path.join(shots, entry.key + "-still.png")
        with open(png, "wb") as f:
            f.write(base64.b64decode(self.shot(session)))
        result.still_shot = png
        changes, span = self.count_changes(session, [0.2, 0.3, 0.2, 0.3])
        if self.probes.marked(entry, "clock"):
            allowed = int(span) + 1  # a clock that changes once a second
            if changes > allowed:
                result.standard.append(f"still: with reduced motion the clock changed {changes} times in "
                                       f"{span:.1f} s (at most once a second)")
        elif changes:
            result.standard.append(f"still: with reduced motion the page changed {changes} times in "
                                   f"{span:.1f} s without input")

    def run_probe(self, entry, session, sources):
        with self.cond:
            seen = len(self.sessions[session])  # a second run on the page waits for its own answers
        self.evaluate(session, driver_script("window.__zentravaInput", entry, sources))
        deadline = time.monotonic() + entry.probe_timeout
        while True:
            left = deadline - time.monotonic()

            def called():
                return any(e.get("method") == "Runtime.bindingCalled" for e in self.sessions[session][seen:])
            if left <= 0 or not self.wait(left, called):
                return [f"the probe did not finish within {entry.probe_timeout:.0f} s"]
            with self.cond:
                events = self.sessions[session]
                index = next(i for i in range(seen, len(events)) if events[i].get("method") == "Runtime.bindingCalled")
                seen = index + 1
                request = json.loads(events[index]["params"]["payload"])
            op, args = request["op"], request["args"]
            if op == "done":
                return [f"probe: {f}" for f in args]
            answer = None
            if op == "move":
                self.mouse(session, "mouseMoved", args[0], args[1])
            elif op == "click":
                self.click(session, args[0], args[1], args[2])
            elif op == "key":
                self.key(session, args[0])
            elif op == "type":
                for char in args[0]:
                    if char.isascii() and char.isprintable():
                        self.key(session, char)
                    else:
                        self.call("Input.insertText", {"text": char}, session)
            elif op == "snapshot":
                answer = hashlib.sha1(self.shot(session).encode()).hexdigest()
            else:
                return [f"the probe's driver asked for an unknown operation {op!r}"]
            self.evaluate(session, f"window.__zentravaResolve({int(request['id'])}, {json.dumps(answer)})")


class Result:
    """What one page check found."""

    def __init__(self):
        self.errors, self.notes, self.dialogs, self.standard = [], [], [], []
        self.decoration = set()
        self.failure = None
        self.screenshot = None
        self.still_shot = None


def collect(result, events, url):
    def own(source):
        return not source or source == url

    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            description = details.get("exception", {}).get("description") or details.get("text", "")
            text = f"{description.splitlines()[0] if description else 'exception'} " \
                   f"(line {details.get('lineNumber', 0) + 1})"
            (result.errors if own(details.get("url", "")) else result.notes).append(text)
        elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            words = " ".join(str(a.get("value", a.get("description", ""))) for a in params.get("args", []))
            frames = params.get("stackTrace", {}).get("callFrames", [])
            source = frames[0]["url"] if frames else ""
            (result.errors if own(source) else result.notes).append(f"console.{params['type']}: {words}")
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            log = params["entry"]
            text = f"{log.get('source')}: {log.get('text')} ({log.get('url', '')})"
            (result.errors if own(log.get("url", "")) else result.notes).append(text)
        elif method == "Page.javascriptDialogOpening":
            result.dialogs.append(f"{params.get('type')}: {params.get('message')}")
        elif method == "Inspector.targetCrashed":
            result.errors.append("the page's renderer crashed")


# --- Qt WebEngine through the checker program ------------------------------

class WebEngine:
    """Qt WebEngine: one checker process per job, each checking one page at
    a time and started again after it died."""

    def __init__(self, program, work_dir, probes):
        self.program = program
        self.work_dir = work_dir
        self.probes = probes
        self.checkers = {}
        self.lock = threading.Lock()
        self.starts = 0

    def stop(self):
        for checker in self.checkers.values():
            checker.stop()

    def check(self, job, entry, kind, shots):
        with self.lock:
            if job not in self.checkers:
                self.checkers[job] = Checker(self.program, self.work_dir, job)
            checker = self.checkers[job]
        result = Result()
        png = os.path.join(shots, entry.key + ".png")
        sweep, corner, back = pointer_path()
        request = {"page": os.path.abspath(entry.page), "png": png, "size": [WIDTH, HEIGHT],
                   "sweep": sweep, "corner": corner, "back": back, "timeout": entry.timeout,
                   # the entry with its defaults: a variant (a text that fills the
                   # window, say) may rightly stand still
                   "pointer": self.probes.marked(entry, "pointer") and not entry.variant}
        sources = self.probes.scripts.get(entry.base)
        if sources:
            request["probe"] = driver_script("(m => console.log('" + DRIVER_PREFIX + " ' + m))", entry, sources)
            request["probe_timeout"] = entry.probe_timeout
        try:
            answer = checker.ask(request, entry.timeout + entry.probe_timeout + 30)
            result.errors += answer.get("errors", [])
            result.errors += answer.get("probe", [])
            result.notes += answer.get("notes", [])
            result.dialogs += answer.get("dialogs", [])
            if answer.get("failure"):
                raise CheckFailure(answer["failure"])
            if not answer.get("screenshot"):
                raise CheckFailure("the screenshot could not be saved")
            result.screenshot = png
        except CheckFailure as e:
            result.failure = str(e)
        return result


class Checker:
    def __init__(self, program, work_dir, job):
        self.program = program
        self.work_dir = work_dir
        self.job = job
        self.proc = None
        self.starts = 0

    def start(self):
        env = dict(os.environ)
        if not env.get("DISPLAY") and not env.get("WAYLAND_DISPLAY"):
            env.setdefault("QT_QPA_PLATFORM", "offscreen")
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # the engine's sandbox refuses to run as root
        env.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking")
        self.starts += 1
        self.log_path = os.path.join(self.work_dir, f"webengine-{self.job}-{self.starts}.log")
        self.log = open(self.log_path, "wb")
        self.proc = subprocess.Popen([self.program], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=self.log, env=env, start_new_session=True)
        self.buffer = b""

    def stop(self):
        if self.proc is None:
            return
        try:
            self.proc.stdin.close()
            self.proc.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        self.log.close()
        self.proc = None

    def log_tail(self):
        try:
            self.log.flush()
            with open(self.log_path, "rb") as f:
                return text_of(f.read()[-600:])
        except (OSError, AttributeError, ValueError):
            return "(none)"

    def ask(self, request, timeout):
        if self.proc is None or self.proc.poll() is not None:
            self.stop() if self.proc is not None else None
            self.start()
        try:
            self.proc.stdin.write(json.dumps(request).encode() + b"\n")
            self.proc.stdin.flush()
        except OSError:
            tail = self.log_tail()
            self.stop()
            raise CheckFailure(f"the WebEngine checker is gone; its log: {tail}")
        line = self.read_line(timeout)
        if line is None:
            tail = self.log_tail()
            self.stop()
            raise CheckFailure(f"the WebEngine checker gave no answer; its log: {tail}")
        return json.loads(line)

    def read_line(self, timeout):
        deadline = time.monotonic() + timeout
        fd = self.proc.stdout.fileno()
        while b"\n" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    return None
                self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.decode("utf-8", "replace")


# --- the report -------------------------------------------------------------

def write_index(shots, browser, entries, problems):
    rows = []
    for e in entries:
        if e.passed:
            status = "passed" + (" (standard: PENDING " + html.escape("; ".join(e.standard)) + ")"
                                 if e.standard else "")
        else:
            status = "FAILED: " + html.escape("; ".join(e.reasons()))
        pictures = "".join(f'<img src="{html.escape(os.path.basename(p))}" width="400" height="300">'
                           for p in (e.screenshot, e.still_shot) if p)
        extra = "".join(f"<div class=note>{html.escape(n)}</div>" for n in e.notes + e.dialogs)
        rows.append(f'<figure class="{"ok" if e.passed else "bad"}">'
                    f"{pictures or '<div class=none>no screenshot</div>'}<figcaption>"
                    f"<b>{html.escape(e.key)}</b> {html.escape(e.label)}<br>{status}{extra}"
                    "</figcaption></figure>")
    listed = "".join(f"<p class=bad>{html.escape(p)}</p>" for p in problems)
    page = ("<!DOCTYPE html><meta charset=utf-8><title>Effect library in " + browser + "</title>"
            "<style>body{font:13px sans-serif}figure{display:inline-block;vertical-align:top;min-width:404px;"
            "margin:6px}img{border:1px solid #888;margin-right:4px}.bad{color:#b00}.note{color:#666}</style>"
            f"<h1>Effect library in {browser}</h1><p>Beside each screenshot: the page left alone with "
            f"reduced motion (Chromium).</p>{listed}" + "".join(rows))
    with open(os.path.join(shots, "index.html"), "w", encoding="utf-8") as f:
        f.write(page)


def report(entry):
    lines = [("PASS " if entry.passed else "FAIL ") + f"{entry.key} {entry.label}"
             + ("" if entry.passed else ": " + "; ".join(entry.reasons()))]
    if entry.pending and entry.standard and not entry.failure:
        lines += [f"     PENDING standard: {s}" for s in entry.standard]
    lines += [f"     note: {n}" for n in entry.notes]
    lines += [f"     dismissed {d}" for d in entry.dialogs]
    return "\n".join(lines)


def run_checks(browser, pages, kinds, shots, jobs, prepare):
    """Prepares (generates) the pages one after the other while `jobs`
    workers check those already prepared; prints each page once all its
    checks are done."""
    work = queue.Queue()
    left = {}
    print_lock = threading.Lock()

    def worker(job):
        while True:
            item = work.get()
            if item is None:
                return
            entry, kind = item
            try:
                result = browser.check(job, entry, kind, shots)
            except (OSError, ValueError, KeyError, TypeError) as e:
                result = Result()
                result.failure = f"the check itself broke down: {e!r}"
            prefix = "(reduced motion) " if kind == "still" else ""
            with entry.lock:
                if result.failure and not entry.failure:
                    entry.failure = prefix + result.failure
                entry.errors += [prefix + e for e in result.errors]
                entry.notes += [prefix + n for n in result.notes]
                entry.dialogs += result.dialogs if kind in ("main", "host") else []
                entry.standard += result.standard
                entry.screenshot = result.screenshot or entry.screenshot
                entry.still_shot = result.still_shot or entry.still_shot
                left[entry.key] -= 1
                done = left[entry.key] == 0
            if done:
                with print_lock:
                    print(report(entry), flush=True)

    threads = [threading.Thread(target=worker, args=(job,), daemon=True) for job in range(jobs)]
    for t in threads:
        t.start()
    for entry in pages:
        prepare(entry)
        if entry.failure:
            with print_lock:
                print(report(entry), flush=True)
            continue
        left[entry.key] = len(kinds(entry))
        for kind in kinds(entry):
            work.put((entry, kind))
    for t in threads:
        work.put(None)
    for t in threads:
        t.join()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--browser", choices=["chromium", "webengine"], required=True)
    parser.add_argument("--cli", required=True, help="the zentrava-cli to generate with")
    parser.add_argument("--program-dir", required=True, help="program directory to copy (catalogues, scripts)")
    parser.add_argument("--shots", required=True, help="folder for the screenshots and index.html")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--checker", help="the WebEngine checker program (for --browser webengine)")
    parser.add_argument("--probes", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "probes"),
                        help="folder of the category probes (default: probes/ beside this script)")
    parser.add_argument("--jobs", type=int, default=None,
                        help="pages checked at the same time (default: 6 in Chromium, 4 in WebEngine)")
    parser.add_argument("--no-standard", dest="standard", action="store_false",
                        help="leave out the standard checks (globals, still, rest, decoration)")
    parser.add_argument("--pending", nargs="*", default=[], metavar="NAME",
                        help="categories or entries whose standard faults are reported without failing")
    parser.add_argument("--host-pending", nargs="*", default=[], metavar="NAME",
                        help="the same for the host and pair modes only (the blog page, two copies)")
    parser.add_argument("--expect-fail", nargs="*", default=None, metavar="KEY",
                        help="pass only if exactly these pages (category-NN, category-NN-vK) fail")
    parser.add_argument("--modes", nargs="*", default=["plain", "host", "pair"], choices=["plain", "host", "pair"],
                        help="plain: the generated page; host: the entry in a blog page (and on a phone); "
                             "pair: the entry twice in a blog page (host and pair: Chromium with the standard checks)")
    parser.add_argument("--keep", action="store_true", help="keep the scratch folder")
    parser.add_argument("--user-dir", help="a folder of the user's own effects to check as well "
                        "(catalogues, script files and pictures, as in ~/.local/share/zentrava)")
    parser.add_argument("--parameters", action="store_true",
                        help="also change each declared parameter alone and check that the effect changes "
                        "(Chromium only)")
    parser.add_argument("--only", nargs="*", default=None, metavar="NAME",
                        help="check only these categories (catalogue base names) or entries (category-NN)")
    args = parser.parse_args()

    if args.browser == "chromium" and not os.access(args.chromium, os.X_OK):
        print(f"FAIL: no Chromium at {args.chromium} (scripts/setup.sh installs Debian's chromium)")
        return 1
    if args.browser == "webengine" and not (args.checker and os.access(args.checker, os.X_OK)):
        print(f"FAIL: no WebEngine checker program at {args.checker}")
        return 1
    standard = args.standard and args.browser == "chromium"
    # Pages mostly wait (for timers, for the pointer to rest): more of them
    # than cores keeps both busy. Each WebEngine job is a checker process.
    jobs = max(1, args.jobs or (6 if args.browser == "chromium" else 4))

    def interrupted(signum, frame):
        raise KeyboardInterrupt  # ends the browsers on the way out, as Ctrl+C does
    signal.signal(signal.SIGTERM, interrupted)

    shots = os.path.abspath(args.shots)
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    work = tempfile.mkdtemp(prefix="zentrava-browser-")
    program = os.path.join(work, "program")
    shutil.copytree(args.program_dir, program, ignore=shutil.ignore_patterns("temp.htm"))
    # The user's effects folder: the one given, copied, or none at all (not
    # the effects of whoever runs the check).
    os.environ["XDG_DATA_HOME"] = os.path.join(work, "data")
    os.makedirs(os.environ["XDG_DATA_HOME"])
    if args.user_dir:
        shutil.copytree(args.user_dir, os.path.join(work, "data", "zentrava"))
    probes = Probes(os.path.abspath(args.probes))
    browser = (Chromium(args.chromium, work, probes, standard) if args.browser == "chromium"
               else WebEngine(args.checker, work, probes))

    print(f"Checking the effect library of {args.program_dir} in {args.browser} "
          f"({jobs} at a time; standard checks {'on' if standard else 'off'}; probes {probes.folder})")
    print(f"Screenshots: {shots}/index.html", flush=True)
    began = time.monotonic()
    problems = []
    try:
        entries, problems = list_entries(args.cli, program)
        pages = (entries + probes.variants(entries)) if "plain" in args.modes else []
        if standard:
            pages += [Entry(e.base, e.caption, e.index, e.ename, e.form, mode=mode)
                      for e in entries for mode, wanted in (("host", "host"), ("twice", "pair"))
                      if wanted in args.modes]
        pages.sort(key=lambda e: (e.entry_key, e.key))
        problems += probes.problems
        if args.only is not None:
            pages = [e for e in pages if e.base in args.only or e.key in args.only or e.entry_key in args.only]
        if not pages and args.modes:
            problems.append(f"no catalogue in {args.program_dir} lists any entry")

        def prepare(entry):
            names = args.host_pending if entry.mode else args.pending
            entry.pending = entry.base in names or entry.entry_key in names
            try:
                entry.page = (generate_host(args.cli, program, entry) if entry.mode
                              else generate(args.cli, program, entry))
            except CheckFailure as e:
                entry.failure = str(e)

        if args.parameters and args.browser == "chromium":
            chosen = [e for e in entries if args.only is None or e.base in args.only or e.entry_key in args.only]
            checked, failures = check_parameters(args.cli, program, chosen, args.chromium, work)
            print(f"Declared parameters: {checked} changes checked, {len(failures)} without effect", flush=True)
            problems += failures

        run_checks(browser, pages, lambda e: host_kinds(e) if e.mode else
                   ["main", "still"] if standard and not e.variant else ["main"], shots, jobs, prepare)
    finally:
        browser.stop()
        if args.keep:
            print(f"Scratch folder kept: {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)

    write_index(shots, args.browser, pages, problems)
    for p in problems:
        print(f"FAIL {p}")
    failed = [e.key for e in pages if not e.passed]
    pending = [e.key for e in pages if e.passed and e.standard]
    print(f"{len(pages) - len(failed)} pages passed, {len(failed)} failed in {args.browser}"
          + (f"; {len(pending)} with pending standard faults: {' '.join(pending)}" if pending else "")
          + f" ({time.monotonic() - began:.0f} s)")
    if args.expect_fail is not None:
        expected = set(args.expect_fail)
        if set(failed) != expected or problems:
            print(f"expected exactly these to fail: {sorted(expected)}; failed: {sorted(failed)}")
            return 1
        return 0
    return 1 if failed or problems else 0


if __name__ == "__main__":
    sys.exit(main())
