#!/usr/bin/env python3
"""Unit test of the browser check's own pieces that no fixture page reaches:
how a variant's options are expanded, how probe files are read, which form
controls get a long text and how a pending long-text fault is reported."""

import json
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_library as check  # noqa: E402


class VariantOptions(unittest.TestCase):
    def test_repeat_add_numbers_the_last_add(self):
        args = check.expand_args({"args": ["--clear", "L", "--add", "L=first", "--add", "L=Item {n}\thttps://x/{n}",
                                           "--set", "E=1"], "repeat_add": 3})
        self.assertEqual(args, ["--clear", "L", "--add", "L=first", "--add", "L=Item 1\thttps://x/1",
                                "--add", "L=Item 2\thttps://x/2", "--add", "L=Item 3\thttps://x/3", "--set", "E=1"])

    def test_zero_repeats_and_plain_options(self):
        self.assertEqual(check.expand_args({"args": ["--clear", "L", "--add", "L=x"], "repeat_add": 0}),
                         ["--clear", "L"])
        self.assertEqual(check.expand_args({"args": ["--set", "E=a {n}"]}), ["--set", "E=a {n}"])

    def test_repeat_without_add_is_an_error(self):
        with self.assertRaises(ValueError):
            check.expand_args({"args": ["--set", "E=1"], "repeat_add": 2})


class ProbeFiles(unittest.TestCase):
    def test_variants_marks_and_globals(self):
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "menu.json"), "w") as f:
                json.dump({"variants": [{"entry": "Drop-down", "args": []}, {"entry": "Drop-down", "args": []},
                                        {"entry": "Nothing such", "args": []},
                                        {"entry": "Drop-down", "args": ["--set", "E=1"], "repeat_add": 2}],
                           "globals": {"TMenuForm1": ["a"], "TNoParamForm": ["b"]},
                           "pointer": ["Drop-down", "Typo"]}, f)
            with open(os.path.join(folder, "text.json"), "w") as f:
                json.dump({"globals": {"TMenuForm1": ["c"]}}, f)
            with open(os.path.join(folder, "menu.more.json"), "w") as f:
                json.dump({"variants": [{"entry": "Drop-down", "label": "more", "args": []}],
                           "clock": ["Drop-down"], "globals": {"TMenuForm1": ["d"]}}, f)
            for name, text in (("menu.js", "return [1];"), ("menu.more.js", "return [2];"), ("broken.json", "{")):
                with open(os.path.join(folder, name), "w") as f:
                    f.write(text)
            probes = check.Probes(folder)
            entry = check.Entry("menu", "Menu", 3, "Drop-down", "TMenuForm1")
            pages = probes.variants([entry])
            # <category>.<part>.json adds to <category>.json; its probes run after. A broken
            # variant keeps its number, so the keys of the others stay put.
            self.assertEqual([p.key for p in pages], ["menu-03-v1", "menu-03-v2", "menu-03-v4"])
            self.assertEqual(pages[2].variant["label"], "more")
            self.assertTrue(probes.marked(entry, "pointer"))
            self.assertTrue(probes.marked(entry, "clock"))
            self.assertEqual(probes.scripts["menu"], ["return [1];", "return [2];"])
            self.assertEqual(probes.allowed, {"TMenuForm1": {"a", "c", "d"}})
            problems = " | ".join(probes.problems)
            for said in ("broken.json", "TNoParamForm", "Nothing such", "Typo", "repeat_add"):
                self.assertIn(said, problems)



class BlogPage(unittest.TestCase):
    def test_two_copies_sit_in_blocks_of_their_own_and_one_copy_does_not(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "page.htm")
            def body(parts):
                with open(check.host_page(parts, path), encoding="utf-8") as f:
                    text = f.read()
                return text[text.index('id="host-before"'):text.index('id="host-after"')]
            self.assertNotIn("host-copy", body([("<style>h{}</style>", "<p>one</p>")]))
            two = body([("", "<p>one</p>"), ("", "<p>two</p>")])
            self.assertEqual(two.count('<div class="host-copy">'), 2)
            self.assertLess(two.index("one"), two.index("two"))
            self.assertNotIn("host-copy", body([]))  # the blank page the work at rest is measured against

    def test_neighbours_follow_the_entry_between_two_marks(self):
        entries = [check.Entry(base, "C", i, f"{base}{i}", "F") for base, i in
                   (("menu", 0), ("menu", 1), ("text", 0), ("menu", 2))]
        pages = check.neighbours_pages(entries)
        self.assertEqual([p.key for p in pages], ["menu-00-neighbours", "menu-01-neighbours",
                                                  "text-00-neighbours", "menu-02-neighbours"])
        self.assertEqual([n.key for n in pages[1].neighbours], ["menu-00", "menu-02"])
        self.assertEqual(pages[2].neighbours, [])
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "page.htm")
            with open(check.host_page([("<i>h1</i>", "<p>one</p>"), ("<i>h2</i>", "<p>two</p>"),
                                       ("", "<p>three</p>")], path, blocks=False), encoding="utf-8") as f:
                text = f.read()
            self.assertNotIn("host-copy", text)
            order = [text.index(s) for s in ("<i>h1</i>", "<i>h2</i>", "<p>one</p>", "<!--zcheck:neighbours-->",
                                               "<p>two</p>", "<p>three</p>", "<!--zcheck:neighbours-end-->")]
            self.assertEqual(order, sorted(order))


class LongTexts(unittest.TestCase):
    def test_the_text_fields_of_a_form(self):
        # zentrava-cli form: name, kind, caption, value; a list's items are indented under it.
        lines = ["FlatEdit3\tedit\tText:\thttps://www.example.com/",  # a text, though its default is an address
                 "FlatEdit6\tedit\tLink:\thttps://www.example.com/", "flatedit52\tedit\tURL:\thttps://x/",
                 "FlatEdit7\tedit\tImage:\timage\\Dog.jpg", "FlatEdit90\tedit\tCursor:\tImage/cur.ani",
                 "FlatEdit50\tedit\tTitle:\t", "FlatEdit17\tedit\tDescription:\tThis is a short description",
                 "Memo1\tmemo\tContent:\tThis is a word.", "ListView1\tlistview\t\t",
                 "  Google\tedit\tx\ty", "sSpinEdit1\tspinedit\tYear:\t2024", "Label1\tlabel\t\tNo Parameters",
                 "Panel2\tswatch\tBackground:\t#FF0000", "FontComboBox1\tfontbox\tFont:\t", "broken"]
        self.assertEqual(check.text_fields(lines), [("FlatEdit3", "Text"), ("FlatEdit50", "Title"),
                                                    ("FlatEdit17", "Description"), ("Memo1", "Content")])

    def test_the_long_text_tests_length_not_quoting(self):
        self.assertEqual(len(check.LONG_TEXT), 2000)
        self.assertFalse(set("'\"<>&\\") & set(check.LONG_TEXT))  # quotes and markup have variants of their own

    def test_a_pending_long_text_fault_is_reported_without_failing(self):
        variant = {"label": "2,000 characters in Text", "long": "FlatEdit2", "args": []}
        for pending, failure, passed, said in ((False, None, False, "FAIL"), (True, None, True, "PENDING long text"),
                                               (True, "did not load", True, "PENDING long text: did not load")):
            page = check.Entry("mouse", "Mouse", 1, "Alert", "TMouseForm1", variant, 0)
            page.errors, page.failure, page.long_pending = ["probe: no alert"], failure, pending
            self.assertEqual(page.passed, passed)
            self.assertIn(said, check.report(page))
        page.errors, page.failure = [], None
        self.assertIn("take it off the list", check.report(page))
        page.pending_what = "next to its neighbours"  # the neighbours mode's pending list reads the same
        page.errors = ["script error"]
        self.assertIn("PENDING next to its neighbours: script error", check.report(page))


class DeclaredParameters(unittest.TestCase):
    def test_changed_value_by_kind(self):
        from zcheck.parameters import changed_value, declared_parameters
        for kind, default, changed in (
                ("swatch preset", "#1a5fb4", "#123456"), ("swatch preset", "#123456", "#654321"),
                ("checkbox", "yes", "no"), ("checkbox", "no", "yes"),
                ("choicebox (one of: square, round)", "round", "square"),
                # a number goes to the far end of its range, so a speed or a duration shows
                ("spinedit (a number from 1 to 20)", "6", "20"), ("spinedit (a number from 1 to 20)", "18", "1"),
                ("spinedit (a number from 0.1 to 1)", "0.88", "0.1"), ("fontbox", "Georgia", "monospace"),
                ("fontbox", "monospace", "serif"), ("edit", "Hello", "Hello changed")):
            self.assertEqual(changed_value(kind, default), changed, (kind, default))
        lines = ["size\tspinedit (a number from 10 to 48)\tSize (px):\t20", "  item\tlistitem\t\tx",
                 "go\tbutton\t&Generate Codes...\t", "short"]
        self.assertEqual(declared_parameters(lines), [("size", "spinedit (a number from 10 to 48)", "20")])

    def test_a_change_is_judged_once_both_loads_of_the_defaults_are_done(self):
        from zcheck.parameters import Comparison, again_page
        base = check.Entry("other", "Others", 7, "Banner", "TParamForm")
        again = again_page(base)
        pages = []
        for name in ("tint", "size", "pace", "mood"):
            page = check.Entry("other", "Others", 7, "Banner", "TParamForm",
                               {"label": f"{name}=1", "parameter": name, "args": []})
            page.key = f"other-07-set-{name}"
            pages.append(page)
        comparison = Comparison([base, again] + pages, pending=["other-07:mood"])
        base.fingerprint = {"text": "a", "element 0 #1": "red", "picture": "p1"}
        again.fingerprint = {"text": "a", "element 0 #1": "red", "picture": "p2"}   # the picture moves
        pages[0].fingerprint = {"text": "a", "element 0 #1": "blue", "picture": "p3"}
        pages[1].fingerprint = {"text": "a", "element 0 #1": "red", "element 1 #0": "DIV", "picture": "p1"}
        pages[2].fingerprint = {"text": "a", "element 0 #1": "red", "picture": "p4"}  # only the moving picture
        pages[3].fingerprint = dict(base.fingerprint)
        # parameter pages done before the defaults wait for both loads
        self.assertEqual(comparison.done(pages[0]), [])
        self.assertEqual(comparison.done(base), [base])
        self.assertEqual(comparison.done(pages[1]), [])
        self.assertEqual(comparison.done(again), [again, pages[0], pages[1]])
        self.assertEqual(comparison.done(pages[2]), [pages[2]])
        self.assertEqual(comparison.done(pages[3]), [pages[3]])
        self.assertEqual([p.passed for p in pages], [True, True, False, True])
        self.assertIn("pace=1 changed nothing visible or computed", pages[2].errors[0])
        self.assertIn("PENDING", pages[3].notes[0])
        self.assertEqual((comparison.changes, comparison.unchanged), (4, ["other-07-set-pace", "other-07-set-mood"]))
        # defaults that could not be checked leave nothing to compare with: a failure, never a pass
        lone = check.Entry("other", "Others", 8, "Line", "TParamForm")
        lone.failure = "generate failed"
        page = check.Entry("other", "Others", 8, "Line", "TParamForm", {"label": "x=1", "parameter": "x", "args": []})
        page.fingerprint = {"text": "b"}
        comparison = Comparison([lone, page])
        self.assertEqual(comparison.done(lone), [lone])
        self.assertEqual(comparison.done(page), [page])
        self.assertFalse(page.passed)


if __name__ == "__main__":
    unittest.main()
