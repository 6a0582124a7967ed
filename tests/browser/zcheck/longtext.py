"""Long texts: every text field of every entry's form is given a text of
2,000 characters (accents, Chinese and emoji among the words), and the page
must load, run its probe and stay free of errors within 5 s, as a variant of
the entry (key: the entry's key, `-long-` and the control's name).

The fields come from the form declarations (`zentrava-cli form`): controls
of an edit or memo kind, but not those that take an address (captioned as a
link or URL) or a file name (a picture, a cursor)."""

import re

from .entries import Entry, run_cli

LONG_TEXT = ("Zentrava effects, déjà vu, 中文字符, emoji 😀👍🏽 and more. " * 40)[:2000]
LONG_TEXT_TIMEOUT = 5  # seconds, to load and, separately, for the probe
TEXT_KINDS = {"edit", "memo"}
ADDRESS_CAPTION = re.compile(r"^\s*(link|url|address|web ?site|href)\b", re.I)
FILE_NAME = re.compile(r"^[^\s]+\.[A-Za-z0-9]{2,4}$")


def text_fields(form_lines):
    """(name, caption) of each control of `zentrava-cli form`'s lines
    (name, kind, caption, value) that holds a text."""
    fields = []
    for line in form_lines:
        parts = line.split("\t")
        if len(parts) < 4 or line.startswith(" ") or parts[1] not in TEXT_KINDS:
            continue  # list items are indented under their list
        name, _, caption, value = parts[:4]
        if ADDRESS_CAPTION.match(caption) or FILE_NAME.match(value):
            continue
        fields.append((name, caption.strip().rstrip(":")))
    return fields


def long_text_pages(cli, program_dir, entries):
    """The long-text variants of the entries. An entry whose form cannot be
    listed has none: its own page already fails on that."""
    pages = []
    for entry in entries:
        done = run_cli(cli, program_dir, ["form", entry.base, str(entry.index)])
        if done.returncode != 0:
            continue
        for name, caption in text_fields(done.stdout.decode("utf-8", "replace").splitlines()):
            variant = {"label": f"2,000 characters in {caption or name}", "long": name,
                       "args": ["--set", f"{name}={LONG_TEXT}"], "timeout": LONG_TEXT_TIMEOUT}
            page = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form, variant)
            page.key = f"{entry.entry_key}-long-{name}"
            pages.append(page)
    return pages
