"""The check's command line: what to check, in which browser, and the verdict."""

import argparse
import os
import shutil
import signal
import tempfile
import time

from .chromium import Chromium
from .common import CheckFailure
from .entries import Entry, generate, list_entries
from .host import generate_host, host_kinds, neighbours_pages
from .longtext import long_text_pages
from .parameters import Comparison, again_page, parameter_pages
from .probes import Probes
from .report import run_checks, write_index
from .webengine import WebEngine

# The probes folder beside the package, unless --probes names another.
PROBES = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "probes")


def main(description=None):
    """The check's command line; `description` is its help text."""
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--browser", choices=["chromium", "webengine"], required=True)
    parser.add_argument("--cli", required=True, help="the zentrava-cli to generate with")
    parser.add_argument("--program-dir", required=True, help="program directory to copy (catalogues, scripts)")
    parser.add_argument("--shots", required=True, help="folder for the screenshots and index.html")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--checker", help="the WebEngine checker program (for --browser webengine)")
    parser.add_argument("--probes", default=PROBES,
                        help="folder of the category probes (default: probes/ beside this script)")
    parser.add_argument("--jobs", type=int, default=None,
                        help="pages checked at the same time (default: 6 in Chromium, 4 in WebEngine)")
    parser.add_argument("--no-standard", dest="standard", action="store_false",
                        help="leave out the standard checks (globals, still, rest, decoration)")
    parser.add_argument("--pending", nargs="*", default=[], metavar="NAME",
                        help="categories or entries whose standard faults are reported without failing")
    parser.add_argument("--host-pending", nargs="*", default=[], metavar="NAME",
                        help="the same for the host and pair modes only (the blog page, two copies)")
    parser.add_argument("--long-pending", nargs="*", default=[], metavar="NAME",
                        help="entries (category-NN) or long-text pages (category-NN-long-CONTROL) whose long-text "
                             "pages report every fault as PENDING without failing")
    parser.add_argument("--neighbours-pending", nargs="*", default=[], metavar="NAME",
                        help="entries (category-NN) or categories whose neighbours pages report every fault as "
                             "PENDING without failing")
    parser.add_argument("--expect-fail", nargs="*", default=None, metavar="KEY",
                        help="pass only if exactly these pages (category-NN, category-NN-vK) fail")
    parser.add_argument("--modes", nargs="*", default=["plain", "long", "host", "pair", "neighbours"],
                        choices=["plain", "long", "host", "pair", "neighbours", "parameters"],
                        help="plain: the generated page (and the probes' variants); long: a text of 2,000 characters in "
                             "each text field of the entry's form; host: the entry in a blog page (and on a phone); "
                             "pair: the entry twice in a blog page; neighbours: the entry first in a blog page, then every other entry "
                             "of its category with its defaults (its probe must pass, no script error) "
                             "(host, pair and neighbours: with the standard checks; WebEngine leaves out the work at rest); "
                             "parameters: each declared parameter changed alone must change what the page shows "
                             "or computes (Chromium)")
    parser.add_argument("--parameters", action="store_true", help="the parameters mode besides the others given")
    parser.add_argument("--parameters-pending", nargs="*", default=[], metavar="KEY",
                        help="parameters (category-NN:NAME, or their pages category-NN-set-NAME) whose change "
                             "without effect is reported as PENDING without failing")
    parser.add_argument("--user-dir", help="a folder of the user's own effects to check as well (catalogues, "
                        "script files and pictures, as in ~/.local/share/zentrava); copied, as the program "
                        "directory is. Without it the check sees an empty effects folder, never the user's own")
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
    if args.parameters and "parameters" not in args.modes:
        args.modes.append("parameters")
    if "parameters" in args.modes and args.browser != "chromium":
        print("FAIL: the parameters mode compares pages in Chromium only (--browser chromium)")
        return 1
    if args.user_dir and not os.path.isdir(args.user_dir):
        print(f"FAIL: --user-dir {args.user_dir} is not a folder")
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
    # The user's effects folder: a copy of the one given, or an empty one
    # (never the effects of whoever runs the check). zentrava-cli and the
    # check both find it through XDG_DATA_HOME.
    os.environ["XDG_DATA_HOME"] = os.path.join(work, "data")
    if args.user_dir:
        shutil.copytree(args.user_dir, os.path.join(work, "data", "zentrava"),
                        ignore=shutil.ignore_patterns("temp.htm"))
    else:
        os.makedirs(os.path.join(work, "data", "zentrava"))
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
        if "long" in args.modes:
            pages += long_text_pages(args.cli, program, entries)
        if "parameters" in args.modes:
            chosen = [e for e in entries if args.only is None or e.base in args.only or e.entry_key in args.only]
            pages += parameter_pages(args.cli, program, chosen)
            with_parameters = {e.entry_key for e in pages if e.variant and "parameter" in e.variant}
            pages += [again_page(e) for e in chosen if e.entry_key in with_parameters]
            if "plain" not in args.modes:
                pages += [e for e in chosen if e.entry_key in with_parameters]  # the defaults to compare with
        # The blog page's checks are standard checks; WebEngine runs those of them a page can run itself.
        if standard or (args.standard and args.browser == "webengine"):
            pages += [Entry(e.base, e.caption, e.index, e.ename, e.form, mode=mode)
                      for e in entries for mode, wanted in (("host", "host"), ("twice", "pair"))
                      if wanted in args.modes]
            if "neighbours" in args.modes:
                pages += neighbours_pages(entries)
        pages.sort(key=lambda e: (e.entry_key, e.key))
        problems += probes.problems
        if args.only is not None:
            pages = [e for e in pages if e.base in args.only or e.key in args.only or e.entry_key in args.only]
        if not pages:
            problems.append(f"no catalogue in {args.program_dir} lists any entry")
        comparison = Comparison(pages, args.parameters_pending)
        for page in pages:
            page.fingerprinted = "parameters" in args.modes and Comparison.wanted(page)

        parts = {}  # the entries with their defaults, as the neighbours pages hold them

        def prepare(entry):
            names = args.host_pending if entry.mode else args.pending
            entry.pending = entry.base in names or entry.entry_key in names
            entry.long_pending = bool(entry.variant and entry.variant.get("long")) and any(
                name in args.long_pending for name in (entry.base, entry.entry_key, entry.key))
            if entry.mode == "neighbours":
                entry.long_pending = entry.base in args.neighbours_pending or entry.entry_key in args.neighbours_pending
                entry.pending_what = "next to its neighbours"
            try:
                entry.page = (generate_host(args.cli, program, entry, parts) if entry.mode
                              else generate(args.cli, program, entry))
            except CheckFailure as e:
                entry.failure = str(e)

        run_checks(browser, pages, lambda e: host_kinds(e) if e.mode else
                   ["main", "still"] if standard and not e.variant else ["main"], shots, jobs, prepare,
                   comparison.done)
        if "parameters" in args.modes:
            print(f"Declared parameters: {comparison.changes} changes checked, {len(comparison.unchanged)} "
                  f"changed nothing visible or computed" + (f": {' '.join(comparison.unchanged)}"
                                                            if comparison.unchanged else ""), flush=True)
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
    pending = [e.key for e in pages if e.passed and e.standard and not e.long_pending]
    long_pending = [e.key for e in pages if e.long_pending and e.faults()]
    print(f"{len(pages) - len(failed)} pages passed, {len(failed)} failed in {args.browser}"
          + (f"; {len(pending)} with pending standard faults: {' '.join(pending)}" if pending else "")
          + (f"; {len(long_pending)} with pending faults (long text, neighbours): {' '.join(long_pending)}" if long_pending else "")
          + f" ({time.monotonic() - began:.0f} s)")
    if args.expect_fail is not None:
        expected = set(args.expect_fail)
        if set(failed) != expected or problems:
            print(f"expected exactly these to fail: {sorted(expected)}; failed: {sorted(failed)}")
            return 1
        return 0
    return 1 if failed or problems else 0
