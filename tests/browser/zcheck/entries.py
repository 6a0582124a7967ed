"""The pages to check: the entries of the program directory's catalogues, and
how zentrava-cli generates them."""

import os
import subprocess
import threading

from .common import CLI_TIMEOUT, LOAD_TIMEOUT, PAGE_PREFIX, PROBE_TIMEOUT, CheckFailure, text_of


class Entry:
    """One page to check: a catalogue entry with its defaults, or one of its
    variants (other values given to zentrava-cli)."""

    def __init__(self, base, caption, index, ename, form, variant=None, number=0, mode=None):
        self.base = base
        self.mode = mode        # None: the generated page; "host", "twice" or "neighbours": in the blog page
        self.neighbours = []    # neighbours mode: the other entries of the category, in catalogue order
        self.caption = caption
        self.index = index
        self.ename = ename
        self.form = form
        self.variant = variant  # the variant's description from <category>.json
        self.entry_key = f"{base}-{index:02d}"
        self.key = self.entry_key + (f"-v{number}" if variant else "") + (f"-{mode}" if mode else "")
        self.args = expand_args(variant) if variant else []
        limit = variant.get("timeout") if variant else None
        self.timeout = float(limit) if limit else LOAD_TIMEOUT               # load
        self.probe_timeout = float(limit) if limit else PROBE_TIMEOUT        # probe
        self.page = None
        self.errors = []     # the page's own script and console errors, and the probe's failures
        self.notes = []      # errors from elsewhere (other files, the browser)
        self.dialogs = []    # texts of the dialogs that were dismissed
        self.standard = []   # faults the standard checks found
        self.pending = False  # standard faults are reported but do not fail the run
        self.long_pending = False  # a page whose every fault is reported but does not fail the run
        self.pending_what = "long text"  # what such a page is pending for, in the report
        self.failure = None  # why the entry could not be checked
        self.screenshot = None
        self.still_shot = None
        self.fingerprinted = False  # take a fingerprint after the probe (parameters mode)
        self.fingerprint = None
        self.lock = threading.Lock()

    @property
    def label(self):
        if self.mode:
            return self.ename + {"host": " [in a blog page]", "twice": " [twice in a blog page]",
                                 "neighbours": " [first of its category in a blog page]"}[self.mode]
        if not self.variant:
            return self.ename
        return f"{self.ename} [{self.variant.get('label', ' '.join(self.args))}]"

    @property
    def passed(self):
        return self.long_pending or (self.failure is None and not self.errors and (self.pending or not self.standard))

    def faults(self):
        """Everything the page failed on, pending or not."""
        return [self.failure] if self.failure else self.errors + self.standard

    def reasons(self):
        if self.failure:
            return [self.failure]
        return self.errors + ([] if self.pending else self.standard)


def expand_args(variant):
    """The variant's zentrava-cli options, with its last --add repeated
    `repeat_add` times in all and {n} in its value numbered from 1."""
    args = [str(a) for a in variant.get("args", [])]
    if "repeat_add" in variant:
        times = int(variant["repeat_add"])
        last = max((i for i, a in enumerate(args[:-1]) if a == "--add"), default=None)
        if last is None:
            raise ValueError("repeat_add needs an --add option to repeat")
        template = args[last + 1]
        repeated = []
        for n in range(1, times + 1):
            repeated += ["--add", template.replace("{n}", str(n))]
        args = args[:last] + repeated + args[last + 2:]
    return args



# --- the program directory and the command-line generator ------------------

def run_cli(cli, program_dir, args):
    try:
        return subprocess.run([cli, "--dir", program_dir] + args, capture_output=True,
                              timeout=CLI_TIMEOUT, stdin=subprocess.DEVNULL)
    except subprocess.TimeoutExpired:
        raise CheckFailure(f"zentrava-cli {' '.join(args)} did not finish within {CLI_TIMEOUT:.0f} s")



def user_folder():
    """The user's effects folder the command-line generator reads."""
    data = os.environ.get("XDG_DATA_HOME") or os.path.join(os.path.expanduser("~"), ".local", "share")
    return os.path.join(data, "zentrava")


def list_entries(cli, program_dir):
    """Every entry of every catalogue present, in the program directory or
    the user's effects folder; a catalogue file that lists nothing is
    reported as a problem."""
    problems = []
    done = run_cli(cli, program_dir, ["categories"])
    if done.returncode != 0:
        raise CheckFailure(f"zentrava-cli categories failed: {text_of(done.stderr)}")
    entries = []
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        caption, file_name = line.split("\t")
        base = file_name.rsplit(".", 1)[0]
        if not any(os.path.exists(os.path.join(folder, file_name)) for folder in (program_dir, user_folder())):
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
            entries.append(Entry(base, caption, int(fields[0]), fields[1], fields[2] if len(fields) > 2 else ""))
    return entries, problems


def generate(cli, program_dir, entry):
    """Generates the page (the entry with its defaults, or with the variant's
    options) and keeps the preview file under a name of its own, where the
    generator wrote it: the program directory, or for a user's own effect its
    folder, beside its pictures."""
    folders = (program_dir, user_folder())
    for folder in folders:
        if os.path.exists(os.path.join(folder, "temp.htm")):
            os.remove(os.path.join(folder, "temp.htm"))
    done = run_cli(cli, program_dir, ["generate", entry.base, str(entry.index)] + entry.args + ["--preview"])
    if done.returncode != 0:
        said = text_of(done.stderr).splitlines()  # a usage error goes on with the usage text
        raise CheckFailure(f"generate failed (exit {done.returncode}): {said[0] if said else 'no message'}")
    written = [folder for folder in folders if os.path.isfile(os.path.join(folder, "temp.htm"))]
    if not written:
        raise CheckFailure("generate succeeded but wrote no temp.htm")
    page = os.path.join(written[0], PAGE_PREFIX + entry.key + ".htm")
    os.replace(os.path.join(written[0], "temp.htm"), page)
    return page



