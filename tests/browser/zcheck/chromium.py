"""Debian's Chromium, driven over the DevTools protocol on a pipe."""

import base64
import hashlib
import json
import os
import signal
import subprocess
import threading
import time
import urllib.parse

from .common import (CALL_TIMEOUT, DRIVER_PREFIX, HEIGHT, LOAD_TIMEOUT, PAGE_PREFIX, PHONE, WIDTH, BrowserGone,
                     CheckFailure, Result, js, key_info, pointer_path, text_of)
from .host import host_page
from .parameters import fingerprint
from .probes import driver_script


HOVERED_AT_MOST = 600  # elements put into the hover state for the fingerprint


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

    def evaluate(self, session, expression, timeout=CALL_TIMEOUT, wait=False):
        """The value of `expression` in the page (with `wait`, of the promise it gives)."""
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True, "awaitPromise": wait},
                           session, timeout)
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
                self.call("Page.addScriptToEvaluateOnNewDocument", {"source": js("baseline.js")}, session)
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
        seeded = None
        try:
            if entry.fingerprinted and kind == "main":
                seeded = self.call("Page.addScriptToEvaluateOnNewDocument", {"source": js("seeded_random.js")},
                                   session)["identifier"]
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
            time.sleep(0.3)  # let the page's start-up timers run
            if not self.until(session, "() => document.visibilityState === 'visible'", 2.0):
                raise CheckFailure("the page is not shown, so the check would see nothing move")
            if kind == "still":
                self.check_still(entry, session, shots, result)
            elif kind == "host":
                self.check_host(entry, session, shots, result)
            elif kind == "phone":
                self.check_phone(entry, session, shots, result)
            elif kind == "neighbours":
                self.check_neighbours(entry, session, shots, result)
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
            elif seeded is not None:
                self.call("Page.removeScriptToEvaluateOnNewDocument", {"identifier": seeded}, session)

    def until(self, session, test, seconds):
        """Waits up to `seconds` for the page's `test` (the source of a
        function of no arguments) to hold, and a frame more; whether it held."""
        return self.evaluate(session, f"({js('until.js')})({test}, {int(seconds * 1000)})",
                             timeout=seconds + CALL_TIMEOUT, wait=True)

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
            result.decoration.update(self.evaluate(session, js("decoration.js")) or [])
        for button, mask in (("left", 1), ("right", 2)):
            self.mouse(session, "mousePressed", *corner, button, mask)
            time.sleep(0.05)
            self.mouse(session, "mouseReleased", *corner, button, 0)
            time.sleep(0.15)
        self.move_along(session, back)
        resting = self.standard and self.probes.marked(entry, "pointer")
        if resting:
            self.evaluate(session, js("rest.js"))
        time.sleep(0.8)  # effects that follow the pointer catch up with it for the picture
        png = self.save_shot(session, shots, entry, result)
        if entry.fingerprinted:
            # Before the probe too: a game the probe has set running is caught
            # at a moment that varies with the machine's load, where its board
            # at the start shows its colours and size the same on every load.
            early = fingerprint(self.evaluate(session, js("fingerprint.js")), png)
            result.fingerprint = {"before the probe " + name: value for name, value in early.items()}
        if resting:
            self.call("Runtime.evaluate", {"expression": "window.__zentravaRest", "awaitPromise": True},
                      session, timeout=60)
            self.evaluate(session, js("no_caret.js"))
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
            self.save_shot(session, shots, entry, result)
        if entry.fingerprinted:
            result.fingerprint.update(fingerprint(self.evaluate(session, js("fingerprint.js")), None))
            result.fingerprint.update(self.hovered_fingerprint(session))
        if self.standard:
            names = self.evaluate(session, js("globals.js"))
            if names is None:
                raise CheckFailure("the globals the page started with were not recorded")
            lexical = self.call("Runtime.globalLexicalScopeNames", {}, session).get("names", [])
            allowed = self.probes.allowed.get(entry.form, set()) if entry.form != "TNoParamForm" else set()
            stray = sorted(set(names + lexical) - allowed)
            if stray:
                result.standard.append(f"globals: {', '.join(stray)} (allowed for {entry.form or 'its form'}: "
                                       f"{', '.join(sorted(allowed)) or 'none'})")
            result.decoration.update(self.evaluate(session, js("decoration.js")) or [])
            if result.decoration:
                listed = sorted(result.decoration)
                more = f" and {len(listed) - 3} more" if len(listed) > 3 else ""
                result.standard.append("decoration: " + "; ".join(listed[:3]) + more)

    def hovered_fingerprint(self, session):
        """The fingerprint's parts with every element of the body in the
        :hover and :focus-visible states at once, so that colours that show
        only under the pointer or the keyboard count too (not the picture)."""
        self.call("DOM.enable", {}, session)
        self.call("CSS.enable", {}, session)
        try:
            root = self.call("DOM.getDocument", {"depth": 0}, session)["root"]["nodeId"]
            nodes = self.call("DOM.querySelectorAll", {"nodeId": root, "selector": "body, body *"},
                              session)["nodeIds"][:HOVERED_AT_MOST]
            for states in (["hover", "focus-visible"], []):
                for node in nodes:
                    self.call("CSS.forcePseudoState", {"nodeId": node, "forcedPseudoClasses": states}, session)
                if states:
                    seen = self.evaluate(session, js("fingerprint.js"))
            return {"hovered " + name: value for name, value in fingerprint(seen, None).items()}
        finally:
            self.call("CSS.disable", {}, session)
            self.call("DOM.disable", {}, session)

    def check_host(self, entry, session, shots, result):
        """The entry in the blog page: the blog is left alone, the keyboard
        still scrolls it, little work at rest out of view, the probe passes."""
        began = time.monotonic()
        time.sleep(0.5)  # what the effect shows first (a fade, a reveal) is shown before the blog is looked at
        allowed = sorted(self.probes.allowed.get(entry.form, set()))
        faults = self.evaluate(session, f"({js('host.js')})({json.dumps(allowed)})") or []
        # The keyboard scrolls the page while the focus is on the page itself.
        self.evaluate(session, js("to_top.js"))
        self.key(session, "PageDown")
        if not self.until(session, "() => scrollY > 0", 2.0):
            faults.append("Page Down with the focus on the page did not scroll it")
        # At rest and out of view: main-thread work over two seconds, once what
        # starts with the page (a reveal, a fade) has had four seconds to finish.
        self.evaluate(session, js("to_bottom.js"))
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
        self.evaluate(session, js("scroll_top.js"))
        self.until(session, "() => scrollY === 0", 2.0)
        result.standard += [f"host: {f}" for f in faults]
        sources = self.probes.scripts.get(entry.base)
        if sources:
            # what fails only in the blog page (or with two copies) is a fault of the standard
            result.standard += [f"host: {f}" for f in self.run_probe(entry, session, sources)]
            time.sleep(0.6)
            if entry.mode == "twice":
                # The second copy works by itself too: with the first one's block
                # taken out of the page, the probe finds and plays the second.
                self.evaluate(session, js("first_copy_out.js"))
                self.until(session, "() => scrollY === 0", 2.0)
                result.standard += [f"second copy: {f}" for f in self.run_probe(entry, session, sources)]
                time.sleep(0.6)
        self.save_shot(session, shots, entry, result)

    def save_shot(self, session, shots, entry, result):
        """The page as it is now, as the entry's screenshot."""
        png = os.path.join(shots, entry.key + ".png")
        with open(png, "wb") as f:
            f.write(base64.b64decode(self.shot(session)))
        result.screenshot = png
        return png

    def check_neighbours(self, entry, session, shots, result):
        """The entry first in the blog page, then every other entry of its
        category: its probe still passes (the page's script errors fail it
        anyway, whichever effect they come from)."""
        time.sleep(0.5)  # what the effects show first is shown
        sources = self.probes.scripts.get(entry.base)
        if sources:
            result.standard += [f"neighbours: {f}" for f in self.run_probe(entry, session, sources)]
            time.sleep(0.6)
        self.save_shot(session, shots, entry, result)

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
        self.evaluate(blank_session, js("to_bottom.js"))
        return self.task_seconds(blank_session, 2.0)

    def check_phone(self, entry, session, shots, result):
        """On a phone: nothing is wider than its screen."""
        time.sleep(0.8)  # what the effect adds after load is there to be measured
        wide = self.evaluate(session, js("phone.js"))
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
        last, changes = self.shot(session), 0
        for gap in gaps:
            time.sleep(gap)
            current = self.shot(session)
            changes += current != last
            last = current
        return changes, time.monotonic() - began

    def check_still(self, entry, session, shots, result):
        self.evaluate(session, js("no_caret.js"))
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



