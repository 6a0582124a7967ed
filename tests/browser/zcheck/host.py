"""Host and pair modes.

A user pastes the generated code into a page of their own. In host mode an
entry's head part goes into the head and its body part into the body of a
standards-mode blog page (blog.html) with a viewport, a CSS reset, a sticky
header, its own init() and other globals, and a window.onload that its own
script sets after the snippet. Pair mode puts the entry there twice, the
second copy with other values. Neighbours mode puts the entry first and
then every other entry of its category, each with its defaults."""

import os
import re

from .common import PAGE_PREFIX, CheckFailure
from .entries import Entry, generate, run_cli

HEAD_MARK, BODY_MARK = "<!--zcheck:head-->", "<!--zcheck:body-->"  # where blog.html takes the code
# around the neighbours' body parts, after the entry's own (z.own)
NEIGHBOURS_MARK, NEIGHBOURS_END = "<!--zcheck:neighbours-->", "<!--zcheck:neighbours-end-->"


def blog_page():
    """blog.html in three pieces: before the head parts, before the body parts, and the rest."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "blog.html"), encoding="utf-8") as f:
        before_head, rest = f.read().split(HEAD_MARK)
    before_body, tail = rest.split(BODY_MARK)
    return before_head, before_body, tail


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


def host_page(parts, path, blocks=True):
    """The blog page with the parts; two copies each sit in a block of the
    article of their own, so that the check can take the first one out
    (neighbours follow one another as a user pastes them: `blocks` off)."""
    if len(parts) < 2:
        body = "".join(b for _, b in parts)
    elif blocks:
        body = "\n".join(f'<div class="host-copy">{b}</div>' for _, b in parts)
    else:
        body = (parts[0][1] + f"\n{NEIGHBOURS_MARK}\n" + "\n".join(b for _, b in parts[1:])
                + f"\n{NEIGHBOURS_END}\n")
    before_head, before_body, tail = blog_page()
    with open(path, "w", encoding="utf-8") as f:
        f.write(before_head + "".join(h for h, _ in parts) + before_body + body + tail)
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


def default_parts(cli, program_dir, entry, cache):
    """The head and body parts of an entry with its defaults, generated once
    for all the neighbours pages that hold it."""
    if entry.entry_key not in cache:
        plain = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form)
        plain.key = entry.entry_key + "-beside"
        cache[entry.entry_key] = page_parts(generate(cli, program_dir, plain))
    return cache[entry.entry_key]


def generate_host(cli, program_dir, entry, cache=None):
    """The host page of a host, pair or neighbours entry; `cache` keeps the
    parts of the entries generated with their defaults."""
    cache = {} if cache is None else cache
    if entry.mode == "neighbours":
        parts = [default_parts(cli, program_dir, e, cache) for e in [entry] + entry.neighbours]
        return host_page(parts, os.path.join(program_dir, PAGE_PREFIX + entry.key + "-page.htm"), blocks=False)
    first = generate(cli, program_dir, entry)
    parts = [page_parts(first)]
    if entry.mode == "twice":
        second = Entry(entry.base, entry.caption, entry.index, entry.ename, entry.form)
        second.key = entry.key + "-second"
        second.args = second_values(cli, program_dir, entry)
        parts.append(page_parts(generate(cli, program_dir, second)))
    return host_page(parts, os.path.join(program_dir, PAGE_PREFIX + entry.key + "-page.htm"))


def neighbours_pages(entries):
    """A neighbours page for each entry: the entry, then the others of its category."""
    pages = []
    for e in entries:
        page = Entry(e.base, e.caption, e.index, e.ename, e.form, mode="neighbours")
        page.neighbours = [o for o in entries if o.base == e.base and o.index != e.index]
        pages.append(page)
    return pages


def host_kinds(entry):
    return {"host": ["host", "phone"], "neighbours": ["neighbours"]}.get(entry.mode, ["host"])
