"""Checks of tools/mutation_check.py that need no build: run with
    python3 -m unittest discover tools
"""
import io
import os
import tempfile
import sys
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mutation_check as mc  # noqa: E402


def mutated_lines(source):
    """(kind, the changed line) for every fault found in `source`."""
    out = []
    for fault in mc.find_faults("a.cpp", source):
        text = mc.mutate(source, fault)
        out.append((fault.kind, text.split("\n")[fault.line - 1].strip()))
    return out


class FindFaultsTest(unittest.TestCase):
    def test_each_kind_on_a_line_of_its_own(self):
        cases = [
            ("if (a < b) x();", ("comparison", "if (a >= b) x();")),
            ("if (a != b) x();", ("comparison", "if (a == b) x();")),
            ("if (a && b) x();", ("logical", "if (a || b) x();")),
            ("ok = true;", ("boolean", "ok = false;")),
            ("n = 10;", ("constant-1", "n = 9;")),
            ("widget.set_shown(false);", ("call removed", "{}")),
            ("if (done) return;", ("return removed", "if (done) {}")),
            ("f(width, height);", ("arguments swapped", "f(height, width);")),
            ("f(L\"a\", L\"b\");", ("arguments swapped", "f(L\"b\", L\"a\");")),
        ]
        for line, expected in cases:
            with self.subTest(line=line):
                self.assertIn(expected, mutated_lines("void g() {\n    " + line + "\n}\n"))

    def test_leaves_alone_what_is_not_code_or_not_that_operator(self):
        constants = {"constant+1", "constant-1"}
        cases = [
            ("// if (a < b) return;", set()),
            ('const char* s = "a == b && true";', set()),
            ('auto s = LR"(a " == b)"; auto t = u8R"x(c < d)x";', set()),
            ("#include <vector>", set()),
            ("std::vector<int> v;", set()),
            ("p->x = q >> 2;", constants),
            ("Type&& moved = std::move(other);", set()),
            ("double d = 1.5;", set()),
            ("int n = item2;", set()),
            ("void f(Foo, Bar);", set()),
            ("if (f(x)) g(a, kind::x);", set()),
        ]
        for line, expected in cases:
            with self.subTest(line=line):
                self.assertEqual({kind for kind, _ in mutated_lines(line + "\n")}, expected)

    def test_keeps_the_value_return_that_ends_a_function(self):
        source = "int f(bool a) {\n    if (a) return 1;\n    return 2;\n}\nint g() { return 3; }\n"
        removed = [line for kind, line in mutated_lines(source) if kind == "return removed"]
        self.assertEqual(removed, ["if (a) {}"])


class PickTest(unittest.TestCase):
    FAULTS = {f"f{i}.cpp": mc.find_faults(f"f{i}.cpp", "void g() {\n  a(1, 2);\n  if (x < 3) b(true);\n}\n")
              for i in range(4)}

    def test_same_seed_same_faults_spread_over_files(self):
        first = mc.pick_faults(self.FAULTS, seed=7, count=8)
        self.assertEqual(first, mc.pick_faults(self.FAULTS, seed=7, count=8))
        self.assertEqual(first[:4], mc.pick_faults(self.FAULTS, seed=7, count=4))
        self.assertEqual(len({f.path for f in first[:4]}), 4)
        self.assertEqual(len(set(first)), 8)
        self.assertNotEqual(first, mc.pick_faults(self.FAULTS, seed=8, count=8))


class ResultsTest(unittest.TestCase):
    def test_a_crash_is_laid_on_the_case_that_was_running(self):
        output = "\n".join([
            "[ RUN      ] A.One", "[       OK ] A.One (0 ms)",
            "[ RUN      ] A.Two", "x.cpp:3: Failure", "[  FAILED  ] A.Two (1 ms)",
            "[ RUN      ] B.Three", "Segmentation fault"])
        self.assertEqual(mc.cases_from_output(output), (["A.Two", "B.Three"], ["A.One", "A.Two", "B.Three"]))

    def test_report_counts_kills_alone_and_in_all(self):
        rows = [dict(zip(mc.COLUMNS, r)) for r in [
            ("F1", "boolean", "a.cpp:1", "x", "y", "killed", "A.One B.Two"),
            ("F2", "boolean", "a.cpp:2", "x", "y", "killed", "A.One"),
            ("F3", "boolean", "b.cpp:3", "x", "y", "survived", ""),
            ("F4", "boolean", "b.cpp:4", "x", "y", "compile error", ""),
            ("F5", "boolean", "b.cpp:5", "x", "y", "timeout", "B.Two"),
        ]]
        out = io.StringIO()
        mc.report(rows, ["A.One", "B.Two", "C.Idle"], out)
        text = out.getvalue()
        self.assertIn("Score: 3 killed of 4 made (75.0 %); 1 did not compile", text)
        self.assertIn("F3  b.cpp:3", text)
        self.assertRegex(text, r"\n\s+1\s+2  A.One\n\s+1\s+2  B.Two\n\s+0\s+0  C.Idle")

    def test_compare_lists_kills_lost_and_shards_read_as_one_run(self):
        def row(id, result, cases=""):
            return dict(zip(mc.COLUMNS, (id, "boolean", f"a.cpp:{id[1:]}", "x", "y", result, cases)))
        before = [row("F1", "killed", "A.One"), row("F2", "timeout", "A.One"), row("F3", "survived"),
                  row("F4", "killed", "B.Two")]
        after = [row("F1", "killed", "B.Two"), row("F2", "survived"), row("F3", "killed", "A.One")]
        out = io.StringIO()
        mc.compare(before, after, out)
        self.assertEqual(out.getvalue().splitlines()[0], "Killed before, not after: 1")
        self.assertIn("F2  a.cpp:2", out.getvalue())
        with tempfile.TemporaryDirectory() as folder:
            paths = [os.path.join(folder, name) for name in ("one.tsv", "two.tsv")]
            for path, rows, cases in ((paths[0], after[1:], "A.One"), (paths[1], after[:1], "B.Two")):
                with open(path, "w") as f:
                    f.write(f"# cases: {cases}\n" + "".join(mc.table_line(r.values()) for r in rows))
            rows, cases = mc.read_tables(paths)
        self.assertEqual([r["id"] for r in rows], ["F1", "F2", "F3"])
        self.assertEqual(cases, ["A.One", "B.Two"])


if __name__ == "__main__":
    unittest.main()
