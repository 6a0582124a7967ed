"""The probes folder: what each category adds to the check (variants, marks,
allowed globals, the probe run in the page), and the driver that runs a probe."""

import json
import os
import re

from .common import js
from .entries import Entry


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



def driver_script(send, entry, sources):
    """The driver (js/driver.js) for one page: `send` is the browser's way
    out of the page, a function of one string."""
    info = {"category": entry.base, "index": entry.index, "ename": entry.ename, "form": entry.form,
            "variant": entry.variant.get("label", entry.key) if entry.variant else None}
    values = {"SEND": send, "ENTRY": json.dumps(info), "SOURCES": json.dumps(sources)}
    return re.sub(r"\b(SEND|ENTRY|SOURCES)\b", lambda m: values[m.group(1)], js("driver.js"))
