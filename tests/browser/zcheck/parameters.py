"""Declared parameters: every entry whose script file declares its
parameters gets one page more per parameter, generated with that parameter
alone changed (key: the entry's key, `-set-` and the parameter's name). The
page goes through the same pointer sweep, clicks and probe as the entry;
right after the probe a fingerprint is taken in the page (js/fingerprint.js:
its text, its elements and their computed looks, canvas pixels, custom
properties) together with the screenshot, and compared with the entry's own
fingerprint taken at the same point. A change that leaves both the same
fails the page: the parameter does nothing anyone can see.

A parameter listed as pending (`--parameters-pending`, by page key or
`<entry>:<name>`) reports that as PENDING without failing."""

import hashlib
import json
import threading

from .entries import Entry, run_cli

PARAMETER_FORM = "TParamForm"
SKIPPED_KINDS = ("button", "label")


def declared_parameters(form_lines):
    """(name, kind, default) of each parameter in `zentrava-cli form`'s lines
    (name, kind, caption, value) of an entry of the generic form."""
    params = []
    for line in form_lines:
        fields = line.split("\t")
        if len(fields) < 4 or line.startswith(" ") or fields[1].startswith(SKIPPED_KINDS):
            continue
        params.append((fields[0], fields[1], fields[3]))
    return params


def changed_value(kind, default):
    """A value other than the default that the declaration takes; for a
    number the far end of its range, so that a speed or a duration shows."""
    if kind.startswith("swatch"):
        return "#123456" if default.upper() != "#123456" else "#654321"
    if kind.startswith("checkbox"):
        return "no" if default == "yes" else "yes"
    if kind.startswith("choicebox"):
        items = kind[kind.index("one of: ") + 8:-1].split(", ")
        return next(i for i in items if i != default)
    if kind.startswith("spinedit"):
        low, high = kind[kind.index("from ") + 5:-1].split(" to ")
        try:
            nearer_low = abs(float(default) - float(low)) <= abs(float(high) - float(default))
        except ValueError:
            nearer_low = default != high
        return high if nearer_low else low
    if kind.startswith("fontbox"):
        return "monospace" if default.strip().lower() != "monospace" else "serif"
    return default + " changed"


def parameter_pages(cli, program_dir, entries):
    """One page per declared parameter of each entry of the generic form,
    that parameter changed alone. An entry whose form cannot be listed has
    none: its own page already fails on that."""
    pages = []
    for entry in entries:
        if entry.form != PARAMETER_FORM or entry.variant or entry.mode:
            continue
        done = run_cli(cli, program_dir, ["form", entry.base, str(entry.index)])
        if done.returncode != 0:
            continue
        for name, kind, default in declared_parameters(done.stdout.decode("utf-8", "replace").splitlines()):
            try:
                value = changed_value(kind, default)
            except (ValueError, StopIteration):
                continue  # a choice of one item: nothing to change to
            variant = {"label": f"{name}={value}", "parameter": name, "args": ["--set", f"{name}={value}"]}
            page = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form, variant)
            page.key = f"{entry.entry_key}-set-{name}"
            pages.append(page)
    return pages


def fingerprint(seen, screenshot):
    """What js/fingerprint.js saw and the picture, as named parts that can
    be compared one by one."""
    def digest(value):
        return hashlib.sha256(json.dumps(value, sort_keys=True).encode()).hexdigest()[:16]
    parts = {"text": digest([seen.get("text"), seen.get("title")]), "elements": seen.get("count"),
             "custom properties": digest(seen.get("custom"))}
    for i, values in enumerate(seen.get("elements", [])):
        for k, value in enumerate(values):   # the tag, then one value per property
            parts[f"element {i} #{k}"] = value
    for i, canvas in enumerate(seen.get("canvases", [])):
        parts[f"canvas {i}"] = canvas
    if screenshot:
        with open(screenshot, "rb") as f:
            parts["picture"] = hashlib.sha256(f.read()).hexdigest()[:16]
    return parts


def again_page(entry):
    """The entry with its defaults once more: what differs between the two
    loads (the time, the pointer's timing) tells no parameter's effect."""
    page = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form,
                 {"label": "the defaults again", "again": True, "args": []})
    page.key = f"{entry.entry_key}-again"
    return page


class Comparison:
    """Holds back each parameter page's verdict until the entry's own page
    (its defaults) and its second load have been checked too, then compares:
    parts of the fingerprint that differ between the two loads of the
    defaults are left out, and a parameter page must differ from the
    defaults in another. `done` is the run's hook for a page whose checks
    are all done; it returns the pages that can be reported now."""

    def __init__(self, pages, pending=()):
        self.lock = threading.Lock()
        self.defaults = {}   # entry key -> [the page with the defaults, its second load]
        self.waiting = {}    # entry key -> parameter pages done before those
        self.finished = set()
        self.pending = set(pending)
        self.changes = 0
        self.unchanged = []
        for page in pages:
            if page.form == PARAMETER_FORM and not page.mode and (not page.variant or page.variant.get("again")):
                self.defaults.setdefault(page.entry_key, []).append(page)

    @staticmethod
    def wanted(entry):
        """Whether the page takes a fingerprint: a parameter page, or the
        defaults of an entry that has any."""
        return entry.form == PARAMETER_FORM and not entry.mode and (
            not entry.variant or "parameter" in entry.variant or entry.variant.get("again"))

    def done(self, entry):
        with self.lock:
            bases = self.defaults.get(entry.entry_key, [])
            if entry.variant and "parameter" in entry.variant:
                if any(b.key not in self.finished for b in bases):
                    self.waiting.setdefault(entry.entry_key, []).append(entry)
                    return []
                self.compare(bases, entry)
                return [entry]
            self.finished.add(entry.key)
            if entry not in bases or any(b.key not in self.finished for b in bases):
                return [entry]
            held = self.waiting.pop(entry.entry_key, [])
            for page in held:
                self.compare(bases, page)
            return [entry] + held

    def compare(self, bases, page):
        self.changes += 1
        if page.failure:
            return
        label = page.variant["label"]
        if not bases or any(b.failure or b.fingerprint is None for b in bases):
            page.errors.append(f"{label}: not compared, the page with the defaults was not checked "
                               f"(see {page.entry_key})")
            return
        if page.fingerprint is None:
            page.errors.append(f"{label}: no fingerprint was taken")
            return
        base = bases[0].fingerprint
        noisy = set()
        for other in bases[1:]:
            noisy |= {k for k in set(base) | set(other.fingerprint) if base.get(k) != other.fingerprint.get(k)}
        changed = [k for k in set(base) | set(page.fingerprint)
                   if k not in noisy and base.get(k) != page.fingerprint.get(k)]
        if changed:
            return
        self.unchanged.append(page.key)
        fault = f"{label} changed nothing visible or computed" + (
            f" (beyond the {len(noisy)} parts that differ between two loads of the defaults: "
            f"{', '.join(sorted(noisy)[:6])}{' ...' if len(noisy) > 6 else ''})" if noisy else "")
        if page.key in self.pending or f"{page.entry_key}:{page.variant['parameter']}" in self.pending:
            page.notes.append("PENDING: " + fault)
        else:
            page.errors.append(fault)
