#!/usr/bin/env python3
"""Browser check of the effect library.

Takes every entry of every catalogue in a program directory, generates it
with its defaults through `zentrava-cli --preview` in a scratch copy of that
directory, opens the preview file "temp.htm" in a browser, moves the pointer
over the page, clicks an empty corner with the left and the right button,
waits a moment and fails on any uncaught script error or console error that
comes from the page itself. Alerts, confirms and prompts are dismissed.

One PNG screenshot per entry lands in the --shots folder, with an index.html
that shows them all together. Nothing is skipped: an entry that cannot be
generated, loaded or photographed is a failure with the reason.

Browsers:
  chromium   Debian's Chromium, headless, driven over the DevTools protocol
             on a pipe (file descriptors 3 and 4).
  webengine  Qt WebEngine, the engine of the app's own preview, through the
             small checker program given with --checker.

Only the Python standard library is used.
"""

import argparse
import base64
import html
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

WIDTH, HEIGHT = 800, 600
LOAD_TIMEOUT = 15.0
CALL_TIMEOUT = 15.0
CLI_TIMEOUT = 60.0


class CheckFailure(Exception):
    """The entry could not be checked, or the check found a fault."""


class Entry:
    def __init__(self, base, caption, index, ename):
        self.base = base
        self.caption = caption
        self.index = index
        self.ename = ename
        self.key = f"{base}-{index:02d}"
        self.errors = []     # the page's own script and console errors
        self.notes = []      # errors from elsewhere (other files, the browser)
        self.dialogs = []    # texts of the dialogs that were dismissed
        self.failure = None  # why the entry could not be checked
        self.screenshot = None

    @property
    def passed(self):
        return self.failure is None and not self.errors

    def reason(self):
        if self.failure:
            return self.failure
        return "; ".join(self.errors)


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
        if not os.path.exists(os.path.join(program_dir, file_name)):
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
            entries.append(Entry(base, caption, int(fields[0]), fields[1]))
    return entries, problems


def generate(cli, program_dir, entry):
    """Generates the entry with its defaults; returns the preview file."""
    preview = os.path.join(program_dir, "temp.htm")
    if os.path.exists(preview):
        os.remove(preview)
    done = run_cli(cli, program_dir, ["generate", entry.base, str(entry.index), "--preview"])
    if done.returncode != 0:
        said = text_of(done.stderr).splitlines()  # a usage error goes on with the usage text
        raise CheckFailure(f"generate failed (exit {done.returncode}): {said[0] if said else 'no message'}")
    if not os.path.isfile(preview):
        raise CheckFailure("generate succeeded but wrote no temp.htm")
    return preview


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


# --- the browsers ------------------------------------------------------------

class Browser:
    """A browser process, started when first needed and again after it died;
    its output goes to a log in the scratch folder."""

    def __init__(self, program, work_dir):
        self.program = program
        self.work_dir = work_dir
        self.proc = None
        self.starts = 0

    def new_log(self, name):
        self.starts += 1
        self.log_path = os.path.join(self.work_dir, f"{name}-{self.starts}.log")
        return open(self.log_path, "wb")

    def log_tail(self):
        try:
            with open(self.log_path, "rb") as f:
                return text_of(f.read()[-600:])
        except (OSError, AttributeError):
            return "(none)"

    def ensure_running(self):
        if self.proc is None or self.proc.poll() is not None:
            self.start()


class Chromium(Browser):
    """Debian's Chromium over the DevTools protocol."""

    FLAGS = [
        "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--disable-extensions", "--disable-default-apps", "--mute-audio", "--hide-scrollbars",
        "--no-default-browser-check", "--disable-features=Translate,MediaRouter",
        f"--window-size={WIDTH},{HEIGHT}", "--remote-debugging-pipe",
        # Headless Chromium reports no pointer at all; the check drives a mouse, so say there is one
        # (fine and able to hover), or pointer effects rightly stay away.
        "--blink-settings=primaryPointerType=4,availablePointerTypes=4,primaryHoverType=2,availableHoverTypes=2",
    ]

    def start(self):
        log = self.new_log("chromium")
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

        with log:
            self.proc = subprocess.Popen([self.program, f"--user-data-dir={profile}"] + self.FLAGS + ["about:blank"],
                                         stdin=subprocess.DEVNULL, stdout=log, stderr=log, close_fds=False,
                                         preexec_fn=pipes_on_3_and_4, start_new_session=True)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.out = to_browser_w
        self.inp = from_browser_r
        self.buffer = b""
        self.next_id = 0
        self.responses = {}
        self.events = []
        try:
            self.call("Browser.getVersion", timeout=30)
        except (CheckFailure, OSError) as e:
            raise CheckFailure(f"Chromium did not start ({e}); its log: {self.log_tail()}")

    def stop(self):
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
        for fd in (self.out, self.inp):
            try:
                os.close(fd)
            except OSError:
                pass
        self.proc = None

    def restart(self):
        self.stop()
        self.start()

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.out, json.dumps(message).encode() + b"\0")
        return self.next_id

    def pump(self, seconds, until=lambda: False):
        """Reads messages for up to `seconds`, or until `until()` holds;
        dismisses dialogs as they open."""
        deadline = time.monotonic() + seconds
        while not until():
            left = deadline - time.monotonic()
            if left <= 0:
                return
            ready, _, _ = select.select([self.inp], [], [], left)
            if not ready:
                return
            chunk = os.read(self.inp, 1 << 20)
            if not chunk:
                raise CheckFailure(f"Chromium closed its pipe; its log: {self.log_tail()}")
            self.buffer += chunk
            while b"\0" in self.buffer:
                raw, self.buffer = self.buffer.split(b"\0", 1)
                self.dispatch(json.loads(raw))

    def dispatch(self, message):
        if "id" in message:
            self.responses[message["id"]] = message
            return
        if message.get("method") == "Page.javascriptDialogOpening":
            params = message["params"]
            self.send("Page.handleJavaScriptDialog",
                      {"accept": True, "promptText": params.get("defaultPrompt", "")}, message.get("sessionId"))
        self.events.append(message)

    def call(self, method, params=None, session=None, timeout=CALL_TIMEOUT):
        call_id = self.send(method, params, session)
        self.pump(timeout, lambda: call_id in self.responses)
        if call_id not in self.responses:
            raise CheckFailure(f"Chromium did not answer {method} within {timeout:.0f} s")
        response = self.responses.pop(call_id)
        if "error" in response:
            raise CheckFailure(f"{method} failed: {response['error'].get('message')}")
        return response.get("result", {})

    def wait_event(self, method, session, timeout):
        def seen():
            return any(e.get("method") == method and e.get("sessionId") == session for e in self.events)
        self.pump(timeout, seen)
        return seen()

    def mouse(self, session, kind, x, y, button="none", buttons=0):
        self.call("Input.dispatchMouseEvent",
                  {"type": kind, "x": x, "y": y, "button": button, "buttons": buttons,
                   "clickCount": 1 if kind != "mouseMoved" else 0}, session)

    def check(self, entry, page_file, png_file):
        self.ensure_running()
        url = "file://" + urllib.parse.quote(os.path.abspath(page_file))
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        try:
            for domain in ("Page", "Runtime", "Log"):
                self.call(f"{domain}.enable", session=session)
            self.call("Emulation.setDeviceMetricsOverride",
                      {"width": WIDTH, "height": HEIGHT, "deviceScaleFactor": 1, "mobile": False}, session)
            self.events = []
            navigation = self.call("Page.navigate", {"url": url}, session, timeout=LOAD_TIMEOUT)
            if navigation.get("errorText"):
                raise CheckFailure(f"the page failed to load: {navigation['errorText']}")
            if not self.wait_event("Page.loadEventFired", session, LOAD_TIMEOUT):
                raise CheckFailure(f"the page did not finish loading within {LOAD_TIMEOUT:.0f} s")
            self.pump(0.3)
            sweep, corner, back = pointer_path()
            for x, y in sweep + [corner]:
                self.mouse(session, "mouseMoved", x, y)
                self.pump(0.025)
            for button, mask in (("left", 1), ("right", 2)):
                self.mouse(session, "mousePressed", *corner, button, mask)
                self.pump(0.05)
                self.mouse(session, "mouseReleased", *corner, button, 0)
                self.pump(0.15)
            for x, y in back:
                self.mouse(session, "mouseMoved", x, y)
                self.pump(0.025)
            self.pump(0.8)
            shot = self.call("Page.captureScreenshot", {"format": "png"}, session)
            with open(png_file, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
            entry.screenshot = png_file
        finally:
            self.collect(entry, session, url)
            try:
                self.call("Target.closeTarget", {"targetId": target}, timeout=5)
            except CheckFailure:
                self.restart()  # a page that hangs its renderer takes the browser down with it

    def collect(self, entry, session, url):
        def own(source):
            return not source or source == url

        for event in self.events:
            if event.get("sessionId") != session:
                continue
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.exceptionThrown":
                details = params["exceptionDetails"]
                description = details.get("exception", {}).get("description") or details.get("text", "")
                text = f"{description.splitlines()[0] if description else 'exception'} " \
                       f"(line {details.get('lineNumber', 0) + 1})"
                (entry.errors if own(details.get("url", "")) else entry.notes).append(text)
            elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                words = " ".join(str(a.get("value", a.get("description", ""))) for a in params.get("args", []))
                frames = params.get("stackTrace", {}).get("callFrames", [])
                source = frames[0]["url"] if frames else ""
                (entry.errors if own(source) else entry.notes).append(f"console.{params['type']}: {words}")
            elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
                log = params["entry"]
                text = f"{log.get('source')}: {log.get('text')} ({log.get('url', '')})"
                (entry.errors if own(log.get("url", "")) else entry.notes).append(text)
            elif method == "Page.javascriptDialogOpening":
                entry.dialogs.append(f"{params.get('type')}: {params.get('message')}")
            elif method == "Inspector.targetCrashed":
                entry.errors.append("the page's renderer crashed")


# --- Qt WebEngine through the checker program ------------------------------

class WebEngine(Browser):
    """Qt WebEngine, through the checker program."""

    def start(self):
        env = dict(os.environ)
        if not env.get("DISPLAY") and not env.get("WAYLAND_DISPLAY"):
            env.setdefault("QT_QPA_PLATFORM", "offscreen")
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # the engine's sandbox refuses to run as root
        env.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking")
        self.log = self.new_log("webengine")
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
        if not self.log.closed:
            self.log.flush()
        return super().log_tail()

    def check(self, entry, page_file, png_file):
        self.ensure_running()
        try:
            sweep, corner, back = pointer_path()
            request = {"page": os.path.abspath(page_file), "png": os.path.abspath(png_file),
                       "size": [WIDTH, HEIGHT], "sweep": sweep, "corner": corner, "back": back}
            self.proc.stdin.write(json.dumps(request).encode() + b"\n")
            self.proc.stdin.flush()
        except OSError:
            self.stop()
            raise CheckFailure(f"the WebEngine checker is gone; its log: {self.log_tail()}")
        line = self.read_line(60.0)
        if line is None:
            tail = self.log_tail()
            self.stop()
            raise CheckFailure(f"the WebEngine checker gave no answer; its log: {tail}")
        result = json.loads(line)
        entry.errors += result.get("errors", [])
        entry.notes += result.get("notes", [])
        entry.dialogs += result.get("dialogs", [])
        if result.get("failure"):
            raise CheckFailure(result["failure"])
        if not result.get("screenshot"):
            raise CheckFailure("the screenshot could not be saved")
        entry.screenshot = png_file

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
        status = "passed" if e.passed else "FAILED: " + html.escape(e.reason())
        picture = (f'<img src="{html.escape(os.path.basename(e.screenshot))}" width="400" height="300">'
                   if e.screenshot else "<div class=none>no screenshot</div>")
        extra = "".join(f"<div class=note>{html.escape(n)}</div>" for n in e.notes + e.dialogs)
        rows.append(f'<figure class="{"ok" if e.passed else "bad"}">{picture}<figcaption>'
                    f"<b>{html.escape(e.caption)} {e.index}</b> {html.escape(e.ename)}<br>{status}{extra}"
                    "</figcaption></figure>")
    listed = "".join(f"<p class=bad>{html.escape(p)}</p>" for p in problems)
    page = ("<!DOCTYPE html><meta charset=utf-8><title>Effect library in " + browser + "</title>"
            "<style>body{font:13px sans-serif}figure{display:inline-block;vertical-align:top;width:404px;"
            "margin:6px}img{border:1px solid #888}.bad{color:#b00}.note{color:#666}</style>"
            f"<h1>Effect library in {browser}</h1>{listed}" + "".join(rows))
    with open(os.path.join(shots, "index.html"), "w", encoding="utf-8") as f:
        f.write(page)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--browser", choices=["chromium", "webengine"], required=True)
    parser.add_argument("--cli", required=True, help="the zentrava-cli to generate with")
    parser.add_argument("--program-dir", required=True, help="program directory to copy (catalogues, scripts)")
    parser.add_argument("--shots", required=True, help="folder for the screenshots and index.html")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--checker", help="the WebEngine checker program (for --browser webengine)")
    parser.add_argument("--expect-fail", nargs="*", default=None, metavar="KEY",
                        help="pass only if exactly these entries (category-NN) fail")
    parser.add_argument("--keep", action="store_true", help="keep the scratch folder")
    parser.add_argument("--only", nargs="*", default=None, metavar="NAME",
                        help="check only these categories (catalogue base names) or entries (category-NN)")
    args = parser.parse_args()

    if args.browser == "chromium" and not os.access(args.chromium, os.X_OK):
        print(f"FAIL: no Chromium at {args.chromium} (scripts/setup.sh installs Debian's chromium)")
        return 1
    if args.browser == "webengine" and not (args.checker and os.access(args.checker, os.X_OK)):
        print(f"FAIL: no WebEngine checker program at {args.checker}")
        return 1

    shots = os.path.abspath(args.shots)
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    work = tempfile.mkdtemp(prefix="zentrava-browser-")
    program = os.path.join(work, "program")
    shutil.copytree(args.program_dir, program, ignore=shutil.ignore_patterns("temp.htm"))
    browser = Chromium(args.chromium, work) if args.browser == "chromium" else WebEngine(args.checker, work)

    print(f"Checking the effect library of {args.program_dir} in {args.browser}")
    print(f"Screenshots: {shots}/index.html")
    try:
        entries, problems = list_entries(args.cli, program)
        if args.only is not None:
            entries = [e for e in entries if e.base in args.only or e.key in args.only]
        if not entries:
            problems.append(f"no catalogue in {args.program_dir} lists any entry")
        for entry in entries:
            try:
                page = generate(args.cli, program, entry)
                browser.check(entry, page, os.path.join(shots, entry.key + ".png"))
            except CheckFailure as e:
                entry.failure = str(e)
            except (OSError, ValueError, KeyError) as e:
                entry.failure = f"the check itself broke down: {e!r}"
            status = "PASS" if entry.passed else "FAIL"
            print(f"{status} {entry.key} {entry.ename}" + ("" if entry.passed else f": {entry.reason()}"))
            for note in entry.notes:
                print(f"     note: {note}")
            for dialog in entry.dialogs:
                print(f"     dismissed {dialog}")
            sys.stdout.flush()
    finally:
        browser.stop()
        if args.keep:
            print(f"Scratch folder kept: {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)

    write_index(shots, args.browser, entries, problems)
    for p in problems:
        print(f"FAIL {p}")
    failed = [e.key for e in entries if not e.passed]
    print(f"{len(entries) - len(failed)} entries passed, {len(failed)} failed in {args.browser}")
    if args.expect_fail is not None:
        expected = set(args.expect_fail)
        if set(failed) != expected or problems:
            print(f"expected exactly these to fail: {sorted(expected)}; failed: {sorted(failed)}")
            return 1
        return 0
    return 1 if failed or problems else 0


if __name__ == "__main__":
    sys.exit(main())
