#!/usr/bin/env python3
"""Browser check of the effect library.

Takes every entry of every catalogue in a program directory, generates it
with its defaults through `zentrava-cli --preview` in a scratch copy of that
directory, opens the preview page in a browser, moves the pointer over the
page, clicks an empty corner with the left and the right button, runs the
category's probe and fails on any uncaught script error or console error that
comes from the page itself, or any failure the probe reports. Alerts,
confirms and prompts are dismissed.

Categories add what their effects must visibly do in the probes folder
(--probes, by default `probes/` beside this script; its README describes the
files): variants (an entry generated with other values), the probe run in the
page, and the names each form may define. Every text field of every form
(an edit or memo that takes neither a link nor a file name) also gets a page
of its own with a 2,000-character text, 5 s to load and 5 s for the probe
(the `long` mode, key <entry>-long-<control>).

Entries whose script file declares its parameters get, in the parameters
mode (--modes ... parameters, or --parameters; Chromium), a page per
parameter changed alone (key <entry>-set-<name>), and a second load of their
defaults (<entry>-again); after the probe each page's fingerprint (text,
elements and their computed looks, hovered too, canvases, custom properties,
the picture) is compared with the defaults', leaving out what differs
between the two loads of the defaults. A change that leaves it the same
fails: "<name>=<value> changed nothing visible or computed".

A folder of the user's own effects (--user-dir) is copied into a scratch
XDG_DATA_HOME and checked with the library; without it the check sees an
empty effects folder, never that of whoever runs it.

The standard checks (Chromium, on unless --no-standard):
  globals      every name the page adds to `window` (or declares with let,
               const or class at the top level) must be one its form allows;
  still        with prefers-reduced-motion: reduce, the page loaded again and
               left alone shows the same picture for a second (an entry
               marked as a clock may change once a second); variants are
               left out of this one, as they run the entry's code;
  rest         an entry marked as a pointer effect stops drawing once the
               pointer has rested two seconds (and 120 frames);
  decoration   a shown element that lets the pointer through
               (pointer-events: none), or is itself aria-hidden="true", is
               decoration: it must sit in an aria-hidden="true" subtree, be
               unselectable (user-select: none) and let the pointer through
               (unless it is part of a link, button or form control).
Entries named with --pending report their standard faults as PENDING
without failing the run; --host-pending does the same for what the host and
pair modes find (the blog page, two copies), and only for that: an entry
named there still fails on a fault of its own generated page. The host and
pair modes run in WebEngine too, as probes (without the work at rest).
--long-pending names long-text pages (or their entries) whose every fault is
reported as PENDING; --neighbours-pending the same for entries (or categories)
checked first in the blog page before every other entry of their category (the
neighbours mode, key <entry>-neighbours: no script error on the page, and the
entry's own probe passes; probes keep to the entry's own part with z.own).

Pages run in parallel (--jobs), generated while the first ones are checked:
in Chromium each job has a window of its own in one browser process, into
which its pages load one after the other; in WebEngine each job is a checker
process.

One PNG screenshot per page lands in the --shots folder (and one of the
still page under reduced motion), with an index.html that shows them all.
Nothing is skipped: an entry that cannot be generated, loaded or
photographed is a failure with the reason.

Browsers:
  chromium   Debian's Chromium, headless, driven over the DevTools protocol
             on a pipe (file descriptors 3 and 4).
  webengine  Qt WebEngine, the engine of the app's own preview, through the
             small checker program given with --checker.

The check lives in the zcheck package beside this script (its scripts for
the page in zcheck/js/); only the Python standard library is used.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zcheck import *  # noqa: E402,F401,F403  (the check's names, for scripts that import this one)
from zcheck import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main(__doc__))
