"""Running the checks in parallel and reporting them: a line per page, and
index.html beside the screenshots."""

import html
import os
import queue
import threading
import traceback

from .common import Result


def write_index(shots, browser, entries, problems):
    rows = []
    for e in entries:
        if e.passed:
            status = "passed" + (" (standard: PENDING " + html.escape("; ".join(e.standard)) + ")"
                                 if e.standard and not e.long_pending else "")
            if e.long_pending:
                status += (f" ({e.pending_what}: PENDING " + html.escape("; ".join(e.faults())) + ")" if e.faults()
                           else f" (listed as pending ({e.pending_what}), but passes)")
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
    if entry.pending and entry.standard and not entry.failure and not entry.long_pending:
        lines += [f"     PENDING standard: {s}" for s in entry.standard]
    if entry.long_pending:
        lines += ([f"     PENDING {entry.pending_what}: {f}" for f in entry.faults()] if entry.faults() else
                  [f"     note: passes now, though listed as pending ({entry.pending_what}): take it off the list"])
    lines += [f"     note: {n}" for n in entry.notes]
    lines += [f"     dismissed {d}" for d in entry.dialogs]
    return "\n".join(lines)


def run_checks(browser, pages, kinds, shots, jobs, prepare, done=None):
    """Prepares (generates) the pages one after the other while `jobs`
    workers check those already prepared; prints each page once all its
    checks are done, or, with `done`, the pages it returns for the page
    just done (it may hold one back until another is done)."""
    finish = done or (lambda entry: [entry])
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
            except Exception as e:  # a fault of the check itself fails the page, never passes it quietly
                traceback.print_exc()
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
                entry.fingerprint = result.fingerprint or entry.fingerprint
                left[entry.key] -= 1
                done = left[entry.key] == 0
            if done:
                ready = finish(entry)
                with print_lock:
                    for page in ready:
                        print(report(page), flush=True)

    threads = [threading.Thread(target=worker, args=(job,), daemon=True) for job in range(jobs)]
    for t in threads:
        t.start()
    for entry in pages:
        prepare(entry)
        if entry.failure:
            ready = finish(entry)
            with print_lock:
                for page in ready:
                    print(report(page), flush=True)
            continue
        left[entry.key] = len(kinds(entry))
        for kind in kinds(entry):
            work.put((entry, kind))
    for t in threads:
        work.put(None)
    for t in threads:
        t.join()



