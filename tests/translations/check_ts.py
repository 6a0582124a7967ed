#!/usr/bin/env python3
"""Checks the translation files: every string translated, none left over.

  check_ts.py [--lupdate LUPDATE --sources DIR] FILE.ts...

Each file must hold no unfinished, obsolete or vanished message and no empty
translation, and a translation must keep the placeholders (%1, %n) of its
source. With --lupdate, a copy of each file is brought up to date with the
sources by a fresh lupdate run first, so strings added to or removed from
the code since the last update are reported too. The fix for either is
`cmake --build build --target zentrava_lupdate`, then translating what it marks.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")


def problems(path, shown_as):
    found = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            forms = [f.text or "" for f in translation.iter("numerusform")] if translation is not None else []
            texts = forms if message.get("numerus") == "yes" else [translation.text or "" if translation is not None else ""]
            where = f"{shown_as}: {name}: {source!r}"
            if kind in ("obsolete", "vanished"):
                found.append(f"{where}: no longer in the sources ({kind})")
            elif kind == "unfinished":
                found.append(f"{where}: not translated")
            elif any(not t.strip() for t in texts):
                found.append(f"{where}: empty translation")
            else:
                wanted = sorted(set(PLACEHOLDER.findall(source)))
                for text in texts:
                    if sorted(set(PLACEHOLDER.findall(text))) != wanted:
                        found.append(f"{where}: the translation {text!r} does not keep the placeholders {wanted}")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--sources")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    failures = []
    for path in args.files:
        name = os.path.basename(path)
        failures += problems(path, name)
        if args.lupdate:
            with tempfile.TemporaryDirectory() as scratch:
                fresh = os.path.join(scratch, name)
                shutil.copyfile(path, fresh)
                run = subprocess.run([args.lupdate, "-silent", "-locations", "none", "-no-ui-lines", args.sources,
                                      "-ts", fresh], capture_output=True, text=True)
                if run.returncode != 0:
                    failures.append(f"{name}: lupdate failed: {run.stderr.strip()}")
                else:
                    already = set(failures)
                    failures += [p.replace(name + ":", name + " (after lupdate):", 1)
                                 for p in problems(fresh, name) if p not in already]
    for failure in failures:
        print("FAIL", failure)
    if failures:
        print(f"{len(failures)} problem(s). Run `cmake --build build --target zentrava_lupdate` "
              "and translate what it marks unfinished.")
        return 1
    print("translations complete:", ", ".join(os.path.basename(p) for p in args.files))
    return 0


if __name__ == "__main__":
    sys.exit(main())
