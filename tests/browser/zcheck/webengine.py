"""Qt WebEngine, the engine of the app's own preview, through the small
checker program (webengine_check.cpp): one JSON request a line on its input,
one JSON answer a line on its output."""

import json
import os
import select
import signal
import subprocess
import threading
import time

from .common import DRIVER_PREFIX, HEIGHT, PHONE, WIDTH, CheckFailure, Result, js, pointer_path, text_of
from .probes import driver_script


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
        png = os.path.join(shots, entry.key + ("-phone.png" if kind == "phone" else ".png"))
        sweep, corner, back = pointer_path()
        if kind == "phone":
            sweep, corner, back = [], (PHONE[0] - 20, PHONE[1] - 20), []
        request = {"page": os.path.abspath(entry.page), "png": png,
                   "size": list(PHONE) if kind == "phone" else [WIDTH, HEIGHT],
                   "sweep": sweep, "corner": corner, "back": back, "timeout": entry.timeout,
                   # the entry with its defaults: a variant (a text that fills the
                   # window, say) may rightly stand still
                   "pointer": self.probes.marked(entry, "pointer") and not entry.variant and kind == "main"}
        sources, runs = self.sources(entry, kind)
        if sources:
            request["probe"] = driver_script("(m => console.log('" + DRIVER_PREFIX + " ' + m))", entry, sources)
            request["probe_timeout"] = entry.probe_timeout * runs
        try:
            answer = checker.ask(request, entry.timeout + request.get("probe_timeout", 0) + 30)
            result.errors += answer.get("errors", [])
            if kind == "main":
                result.errors += answer.get("probe", [])
            else:
                # What only the blog page finds is a fault of the standard, as in Chromium.
                for said in answer.get("probe", []):
                    said = said[len("probe: "):] if said.startswith("probe: ") else said
                    known = said.startswith(("host: ", "second copy: ", "phone: ", "neighbours: "))
                    result.standard.append(said if known else "host: " + said)
            result.notes += answer.get("notes", [])
            result.dialogs += answer.get("dialogs", [])
            if answer.get("failure"):
                raise CheckFailure(answer["failure"])
            if not answer.get("screenshot"):
                raise CheckFailure("the screenshot could not be saved")
            if kind == "phone":
                result.still_shot = png
            else:
                result.screenshot = png
        except CheckFailure as e:
            result.failure = str(e)
        return result


    def sources(self, entry, kind):
        """The probe sources of a page and how many runs of the category's
        probes they hold. In the blog page the blog's own checks come first,
        then the category's probes, and with two copies the probes once more
        on the second copy alone."""
        own = self.probes.scripts.get(entry.base) or []
        if kind == "main":
            return own, 1
        if kind == "phone":
            return [f"const wide = () => {js('phone.js')};\n" + js("phone_probe.js")], 1

        def labelled(prefix):
            return [f"const found = await (async () => {{\n{source}\n}})();\n"
                    f"return Array.isArray(found) ? found.map(f => {json.dumps(prefix)} + f) : found;"
                    for source in own]
        if entry.mode == "neighbours":
            return labelled("neighbours: probe: "), 1
        allowed = sorted(self.probes.allowed.get(entry.form, set()))
        sources = [f"const check = {js('host.js')};\nconst allowed = {json.dumps(allowed)};\n" + js("host_probe.js")]
        sources += labelled("host: probe: ")
        if entry.mode == "twice":
            sources += [js("second_copy_probe.js")] + labelled("second copy: probe: ")
            return sources, 2
        return sources, 1


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



