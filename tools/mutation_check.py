#!/usr/bin/python3
"""Makes small faults in the portable product code, one at a time, and records which native test
cases notice each one.

A fault is a flipped comparison, `&&` and `||` swapped, `true` and `false` swapped, an integer
constant one higher or lower, a call statement or a `return`/`break`/`continue` removed, or two
adjacent arguments of a call swapped. Faults are made in the .cpp files of installer/ and ui/ that
the native build compiles, in a scratch copy of the tree with its own build folder, so the
repository and its build/ are never touched. For each fault the file is rewritten, ninja rebuilds
what changed, the unit tests run under a time limit, and the file gets its original bytes back.

Usage, from anywhere in the repository:
    nohup nice -n 19 tools/mutation_check.py --seed 1 --count 400 &
    tools/mutation_check.py --report /tmp/velkor-mutation/mutants.tsv   # score so far or at the end

The table gets one line per fault as soon as it is judged, so a run stopped early keeps what it
has; --resume continues such a run. --shard K/N with a --scratch of its own splits a run between
processes; --report reads their tables together, and --compare lists the kills one table has and
another lacks. The same seed on the same code makes the same faults.
Standard library only: it runs on Debian's python3.
"""
import argparse
import fcntl
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from collections import defaultdict
from dataclasses import dataclass

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT_FOLDERS = ("installer", "ui")
TEST_TARGET = "velkor_unit_tests"
TEST_BINARY = os.path.join("tests", "unit", TEST_TARGET)
COLUMNS = ["id", "kind", "where", "original", "mutated", "result", "failed cases"]

# Keywords that look like a callee before "(" but are not calls.
NOT_CALLEES = {
    "if", "for", "while", "switch", "return", "sizeof", "alignof", "decltype", "catch",
    "static_assert", "noexcept", "throw", "co_return", "co_await", "delete", "new", "case",
    "using", "typedef", "else", "do", "goto", "operator", "requires", "alignas", "explicit",
}


@dataclass(frozen=True)
class Fault:
    path: str         # relative to the repository root
    line: int         # 1-based
    start: int        # character offsets in the file's text
    end: int
    replacement: str
    kind: str


# ---------------------------------------------------------------------------------------------
# Finding the faults

def code_mask(text):
    """The text with comments, string and character contents and preprocessor lines blanked to
    spaces, of the very same length, so patterns found in it are code and their offsets hold in
    the original. Quotes stay, so a literal is still seen as one argument."""
    out = list(text)
    i, n = 0, len(text)
    at_line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if at_line_start and c in " \t":
            i += 1
            continue
        if at_line_start and c == "#":
            # A directive runs to the end of its line and any continued lines.
            j = i
            while j < n and not (text[j] == "\n" and text[j - 1] != "\\"):
                j += 1
            blank(i, j)
            i = j
            continue
        at_line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == "R" and text.startswith('R"', i) and _raw_string_prefix(text, i):
            delim_end = text.find("(", i + 2)
            closing = ")" + text[i + 2:delim_end] + '"'
            j = text.find(closing, delim_end)
            j = n if j < 0 else j + len(closing)
            blank(i + 2, j - 1)
            i = j
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isdigit() and not text.endswith("u8", 0, i):
                i += 1  # a digit separator, as in 1'000
                continue
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, min(j, n))
            i = j + 1
        else:
            i += 1
    return "".join(out)


def _raw_string_prefix(text, r_at):
    """Whether the R at `r_at` opens a raw string: it stands alone or after L, u, U or u8, and is
    not the end of a longer name."""
    before = re.search(r"\w*$", text[max(0, r_at - 3):r_at]).group()
    return re.fullmatch(r"(L|u8|u|U)?", before) is not None


def _line_of(text, offset):
    return text.count("\n", 0, offset) + 1


# Comparison flips: each operator to its negation. "<" and ">" only with spaces on both sides,
# which keeps templates, shifts and "->" out.
FLIPS = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
COMPARISON = re.compile(r"(?<![<>=!&|+\-*/%^])(<=|>=|==|!=)(?![=>])|(?<=\s)([<>])(?=\s)")
LOGICAL = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
BOOLEAN = re.compile(r"\b(true|false)\b")
INTEGER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F']+|\d[\d']*)[uUlLzZ]*(?![\w.'])")
CALL_LINE = re.compile(r"^(\s*)((?:[A-Za-z_]\w*\s*(?:::|\.|->)\s*)*([A-Za-z_]\w*)\s*\(.*\)\s*;)\s*$")
JUMP = re.compile(r"\b(?:return\b[^;{}]*|break\s*|continue\s*);")
TOKEN = r"(?:[A-Za-z_]\w*(?:::[A-Za-z_]\w*)*|\d[\w']*|(?:L|u8|u|U)?\"\s*\"|(?:L|u8|u|U)?'\s*')"
ARGUMENT_PAIR = re.compile(r"(?=[(,]\s*(" + TOKEN + r")(\s*,\s*)(" + TOKEN + r")\s*[,)])")


def _token_kind(token):
    """A rough type, so a swap mostly keeps the call compiling: literals by their kind, named
    constants by their scope (the values of one enum), and a few words by themselves."""
    if token[-1] in "\"'":
        return token[-1]
    if token[0].isdigit():
        return "number"
    if token in ("true", "false"):
        return "bool"
    if token in ("this", "nullptr"):
        return token
    return "name in " + token.rpartition("::")[0]


def _enclosing_paren(mask, offset):
    depth = 0
    for k in range(offset - 1, -1, -1):
        c = mask[k]
        if c in ")]}":
            depth += 1
        elif c in "([{":
            if depth == 0:
                return k if c == "(" else None
            depth -= 1
        elif c == ";" and depth == 0:
            return None
    return None


def _is_call_paren(mask, paren):
    """True when the "(" opens the arguments of a call, not a condition, a cast or the
    parameters of a declaration."""
    before = mask[:paren].rstrip()
    callee = re.search(r"([A-Za-z_]\w*)\s*(?:<[^<>;()]*>)?$", before)
    if not callee or callee.group(1) in NOT_CALLEES:
        return False
    # "Type Name(" declares something (a function or an object): its list is not a call's.
    word_before = re.search(r"([A-Za-z_]\w*)[\s&*]+$", before[:callee.start()])
    return not word_before or word_before.group(1) in {"return", "throw", "else", "co_return"}


def _previous_code_line(lines, index):
    for k in range(index - 1, -1, -1):
        if lines[k].strip():
            return lines[k].rstrip()
    return ""


def _next_code_line(lines, index):
    for k in range(index + 1, len(lines)):
        if lines[k].strip():
            return lines[k]
    return ""


def _starts_statement(previous):
    # The line before ends a statement, opens or closes a block, or is the head of an if, a loop
    # or a label: the line after it starts a statement of its own.
    return previous == "" or previous.endswith((";", "{", "}", ")", ":")) or previous.endswith("else")


def find_faults(path, text):
    """Every fault this tool can make in one file, in the order they appear."""
    mask = code_mask(text)
    faults = []

    def add(start, end, replacement, kind):
        faults.append(Fault(path, _line_of(text, start), start, end, replacement, kind))

    for m in COMPARISON.finditer(mask):
        op = m.group(1) or m.group(2)
        if mask[:m.start()].rstrip().endswith("operator"):
            continue
        add(m.start(), m.end(), FLIPS[op], "comparison")
    for m in LOGICAL.finditer(mask):
        add(m.start(), m.end(), "||" if m.group(1) == "&&" else "&&", "logical")
    for m in BOOLEAN.finditer(mask):
        add(m.start(), m.end(), "false" if m.group(1) == "true" else "true", "boolean")
    for m in INTEGER.finditer(mask):
        value = int(m.group(1).replace("'", ""), 0)
        for changed, kind in ((value + 1, "constant+1"), (value - 1, "constant-1")):
            if changed >= 0:
                add(m.start(1), m.end(1), str(changed), kind)

    lines = mask.split("\n")
    line_starts = [0]
    for line in lines[:-1]:
        line_starts.append(line_starts[-1] + len(line) + 1)
    for index, line in enumerate(lines):
        m = CALL_LINE.match(line)
        if not m or m.group(3) in NOT_CALLEES or not _starts_statement(_previous_code_line(lines, index)):
            continue
        statement = m.group(2)
        if statement.count("(") != statement.count(")") or "=" in statement.split("(")[0]:
            continue
        start = line_starts[index] + m.start(2)
        # "{}" rather than nothing: an unbraced if or loop keeps a body of its own.
        add(start, start + len(statement), "{}", "call removed")

    for m in JUMP.finditer(mask):
        index = _line_of(text, m.start()) - 1
        line = lines[index]
        before = line[:m.start() - line_starts[index]].rstrip()
        if before and not before.endswith((")", "{", ";", "}", ":", "else")):
            continue  # part of an expression, not a statement
        # The last return of a function that gives a value: without it the function runs off its
        # end, which compiles and is undefined, not a fault a test is meant to find. Functions end
        # with a "}" in the first column; a body on one line ends right after its return.
        after = line[m.end() - line_starts[index]:].strip()
        ends_function = (not before and _next_code_line(lines, index).startswith("}")) or \
                        (before.endswith("{") and after.startswith("}"))
        if m.group(0).startswith("return") and m.group(0) != "return;" and ends_function:
            continue
        add(m.start(), m.end(), "{}", m.group(0).split()[0].rstrip(";") + " removed")

    for m in ARGUMENT_PAIR.finditer(mask):
        first, second = m.group(1), m.group(3)
        a_start = m.start(1)
        b_start = a_start + len(first) + len(m.group(2))
        a_text, b_text = text[a_start:a_start + len(first)], text[b_start:b_start + len(second)]
        if _token_kind(first) != _token_kind(second) or a_text == b_text:
            continue
        paren = _enclosing_paren(mask, a_start)
        if paren is None or not _is_call_paren(mask, paren):
            continue
        add(a_start, b_start + len(second), b_text + m.group(2) + a_text, "arguments swapped")

    faults.sort(key=lambda f: (f.start, f.kind))
    return faults


def pick_faults(faults_by_file, seed, count):
    """`count` faults spread over the files: each file's faults and the order of the files are
    shuffled by the seed, then files take turns. The same seed on the same code gives the same
    list; a larger count extends a smaller one's list."""
    rng = random.Random(seed)
    queues = []
    for path in sorted(faults_by_file):
        faults = list(faults_by_file[path])
        rng.shuffle(faults)
        if faults:
            queues.append(faults)
    rng.shuffle(queues)
    picked = []
    while queues and len(picked) < count:
        for queue in list(queues):
            if len(picked) == count:
                break
            picked.append(queue.pop())
            if not queue:
                queues.remove(queue)
    return picked


def mutate(text, fault):
    return text[:fault.start] + fault.replacement + text[fault.end:]


def excerpt(text, start, end, width=24):
    """A short piece of the line around [start, end), for the table."""
    line_start = text.rfind("\n", 0, start) + 1
    line_end = text.find("\n", end)
    line_end = len(text) if line_end < 0 else line_end
    a, b = max(line_start, start - width), min(line_end, end + width)
    piece = " ".join(text[a:b].split())
    return ("…" if a > line_start else "") + piece + ("…" if b < line_end else "")


# ---------------------------------------------------------------------------------------------
# The scratch tree and its build

def tracked_files():
    out = subprocess.run(["git", "-C", ROOT, "ls-files", "-z"], check=True, capture_output=True)
    return [p for p in out.stdout.decode().split("\0") if p]


def sync_scratch(source):
    """Brings the scratch copy to the repository's working-tree contents. Only files that differ
    are written, with a fresh time, so ninja rebuilds them and nothing else; this also undoes a
    fault left behind by a run that was killed."""
    files = set(tracked_files())
    for path in sorted(files):
        original = os.path.join(ROOT, path)
        if not os.path.isfile(original):
            continue
        with open(original, "rb") as f:
            data = f.read()
        copy = os.path.join(source, path)
        if os.path.isfile(copy):
            with open(copy, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        with open(copy, "wb") as f:
            f.write(data)
    for folder, _, names in os.walk(source):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), source)
            if path not in files:
                os.remove(os.path.join(folder, name))


def configure_and_build(source, build, log):
    if not os.path.isfile(os.path.join(build, "build.ninja")):
        # The native preset's settings. Tests are listed when CTest runs, not after every link.
        run_logged(["cmake", "-S", source, "-B", build, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache",
                    "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
                    "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"], log, check=True)
    return run_logged(["ninja", "-C", build, TEST_TARGET], log, timeout=3600)


def run_logged(command, log, check=False, timeout=None):
    with open(log, "a") as out:
        out.write("$ " + " ".join(command) + "\n")
        out.flush()
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT)
        try:
            status = process.wait(timeout=timeout)
        except BaseException:
            # SIGTERM, not SIGKILL: ninja then stops its compilers and deletes what they left half
            # written, so no object of a faulty file lands after the file is restored.
            process.terminate()
            process.wait()
            status = -1
            if not isinstance(sys.exc_info()[1], subprocess.TimeoutExpired):
                raise
    if check and status != 0:
        sys.exit(f"{command[0]} failed, see {log}")
    return status


def compiled_sources(build, source):
    """The product files the native build compiles, relative to the tree, with their objects."""
    with open(os.path.join(build, "compile_commands.json")) as f:
        entries = json.load(f)
    objects = {}
    for e in entries:
        path = os.path.relpath(os.path.realpath(e["file"]), os.path.realpath(source))
        parts = path.split(os.sep)
        if path.endswith(".cpp") and parts[0] in PRODUCT_FOLDERS and "resources" not in parts \
                and "generated" not in path:
            objects[path] = os.path.join(e["directory"], re.search(r" -o (\S+)", e["command"]).group(1))
    return dict(sorted(objects.items()))


def run_tests(build, report, timeout):
    """Runs the unit tests; gives (timed out, exit status, failed cases, case names)."""
    if os.path.exists(report):
        os.remove(report)
    process = subprocess.Popen([os.path.join(build, TEST_BINARY), f"--gtest_output=json:{report}"],
                               cwd=os.path.join(build, "tests", "unit"), stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        timed_out = False
    except BaseException as stopped:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        if not isinstance(stopped, subprocess.TimeoutExpired):
            raise
        timed_out = True
    failed, names = cases_from_output(output.decode(errors="replace"))
    if os.path.exists(report):
        # The JSON is written at the end, and only by a run that got there.
        with open(report) as f:
            results = json.load(f)
        names = [f"{s['name']}.{c['name']}" for s in results["testsuites"] for c in s["testsuite"]]
        failed = sorted(f"{s['name']}.{c['name']}" for s in results["testsuites"]
                        for c in s["testsuite"] if c.get("failures"))
    return timed_out, process.returncode, failed, names


def cases_from_output(output):
    """Failed cases from the console, for a run that crashed or hung before writing its JSON:
    those reported failed, and the one that was running when it stopped."""
    failed, names, running = [], [], None
    for line in output.splitlines():
        if line.startswith("[ RUN      ] "):
            running = line[13:].strip()
            names.append(running)
        elif line.startswith(("[       OK ] ", "[  FAILED  ] ")) and running and line[13:].startswith(running):
            if line.startswith("[  FAILED"):
                failed.append(running)
            running = None
    if running:
        failed.append(running)
    return sorted(set(failed)), names


# ---------------------------------------------------------------------------------------------
# One fault

def judge(fault, source, build, work, test_timeout, object_file):
    """Makes the fault, rebuilds, runs the tests and restores the file. Gives (result, cases)."""
    path = os.path.join(source, fault.path)
    with open(path, "rb") as f:
        original = f.read()
    text = original.decode("utf-8", errors="surrogateescape")
    try:
        with open(path, "wb") as f:
            f.write(mutate(text, fault).encode("utf-8", errors="surrogateescape"))
        log = os.path.join(work, "last_build.log")
        open(log, "w").close()
        if run_logged(["ninja", "-C", build, TEST_TARGET], log, timeout=1800) != 0:
            return "compile error", []
        timed_out, status, failed, _ = run_tests(build, os.path.join(work, "last_tests.json"), test_timeout)
    finally:
        with open(path, "wb") as f:
            f.write(original)
        # A fresh time, later than the faulty object's, and the object gone: the next build
        # compiles the file again (a ccache hit) whatever the clocks say.
        now = time.time()
        os.utime(path, (now, now))
        if os.path.exists(object_file):
            os.remove(object_file)
    if timed_out:
        return "timeout", failed
    if failed or status != 0:
        return "killed", failed or [f"(exit status {status})"]
    return "survived", []


# ---------------------------------------------------------------------------------------------
# The table and its report

def read_table(path):
    rows, cases = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("# cases: "):
                cases = line[len("# cases: "):].split()
            elif line and not line.startswith("#") and not line.startswith("id\t"):
                fields = line.split("\t")
                fields += [""] * (len(COLUMNS) - len(fields))
                rows.append(dict(zip(COLUMNS, fields)))
    return rows, cases


def read_tables(paths):
    """The rows and cases of several tables, as of one: the shards of a run."""
    rows, cases = [], set()
    for path in paths:
        more_rows, more_cases = read_table(path)
        rows += more_rows
        cases.update(more_cases)
    return sorted(rows, key=lambda r: r["id"]), sorted(cases)


def compare(before, after, out=sys.stdout):
    """The faults killed in `before` and judged but not killed in `after`."""
    def key(r):
        return tuple(r[c] for c in COLUMNS[:5])
    judged_after = {key(r): r for r in after}
    lost = [r for r in before if r["result"] in ("killed", "timeout") and key(r) in judged_after
            and judged_after[key(r)]["result"] not in ("killed", "timeout")]
    print(f"Killed before, not after: {len(lost)}", file=out)
    for r in lost:
        print(f"  {r['id']}  {r['where']}  {r['kind']}: {r['original']}  ->  {r['mutated']}"
              f"  (before: {r['failed cases']})", file=out)


def report(rows, cases, out=sys.stdout):
    made = [r for r in rows if r["result"] != "compile error"]
    killed = [r for r in made if r["result"] in ("killed", "timeout")]
    survivors = [r for r in made if r["result"] == "survived"]
    timeouts = sum(r["result"] == "timeout" for r in made)
    share = f"{100 * len(killed) / len(made):.1f} %" if made else "-"
    print(f"Score: {len(killed)} killed of {len(made)} made ({share}); "
          f"{len(rows) - len(made)} did not compile and are left out; "
          f"{timeouts} timed out (counted killed).", file=out)
    files = {r["where"].rsplit(":", 1)[0] for r in rows}
    print(f"Faults were made in {len(files)} files.", file=out)
    print(f"\nSurvivors ({len(survivors)}):", file=out)
    for r in survivors:
        print(f"  {r['id']}  {r['where']}  {r['kind']}: {r['original']}  ->  {r['mutated']}", file=out)

    alone, total = defaultdict(int), defaultdict(int)
    for r in killed:
        names = r["failed cases"].split()
        for name in names:
            total[name] += 1
        if len(names) == 1:
            alone[names[0]] += 1
    print("\nTest cases: faults killed by this case alone, and in all", file=out)
    print(f"  {'alone':>5} {'in all':>6}  case", file=out)
    for name in sorted(set(cases) | set(total), key=lambda n: (-alone[n], -total[n], n)):
        print(f"  {alone[name]:>5} {total[name]:>6}  {name}", file=out)


def table_line(fields):
    return "\t".join(str(f).replace("\t", " ").replace("\n", " ") for f in fields) + "\n"


# ---------------------------------------------------------------------------------------------

def stop(signum, frame):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=100, help="how many faults to make")
    parser.add_argument("--table", help="the table written as the run goes (default: in the scratch folder)")
    parser.add_argument("--resume", action="store_true", help="keep the table's rows, make the rest")
    parser.add_argument("--scratch", default="/tmp/velkor-mutation",
                        help="scratch copy of the tree and its build, kept between runs")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds the tests may take per fault (default: 10 times the clean run, at least 30)")
    parser.add_argument("--list", action="store_true", help="print the faults that would be made, and stop")
    parser.add_argument("--shard", metavar="K/N", default="1/1",
                        help="make only every N-th fault, starting at the K-th, so N runs with their "
                             "own --scratch share the work (one per core)")
    parser.add_argument("--report", metavar="TABLE", nargs="+",
                        help="print the score of existing tables (the shards of one run), and stop")
    parser.add_argument("--compare", metavar=("BEFORE", "AFTER"), nargs=2,
                        help="list the faults BEFORE's tests killed that AFTER's let survive, and stop")
    args = parser.parse_args()

    if args.report or args.compare:
        signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quietly, when piped into head
        if args.report:
            report(*read_tables(args.report))
        else:
            compare(read_table(args.compare[0])[0], read_table(args.compare[1])[0])
        return
    shard, shards = (int(n) for n in args.shard.split("/"))
    args.table = args.table or os.path.join(args.scratch, "mutants.tsv")

    # A kill from the shell or a stop of the job ends the run the way Ctrl-C does: the file being
    # changed gets its bytes back before the tool exits.
    signal.signal(signal.SIGTERM, stop)

    source, build = os.path.join(args.scratch, "src"), os.path.join(args.scratch, "build")
    os.makedirs(source, exist_ok=True)
    # One run per scratch folder: a second one would restore the first one's faulty file.
    lock = open(os.path.join(args.scratch, "lock"), "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"another run is using {args.scratch}; give this one --scratch of its own")
    log = os.path.join(args.scratch, "setup.log")
    print(f"Preparing {args.scratch} (log: {log})", flush=True)
    sync_scratch(source)
    if configure_and_build(source, build, log) != 0:
        sys.exit(f"the unchanged tree does not build, see {log}")

    objects = compiled_sources(build, source)
    texts, faults_by_file = {}, {}
    for path in objects:
        with open(os.path.join(source, path), encoding="utf-8", errors="surrogateescape") as f:
            texts[path] = f.read()
        faults_by_file[path] = find_faults(path, texts[path])
    picked = pick_faults(faults_by_file, args.seed, args.count)
    described = []
    for number, fault in enumerate(picked, 1):
        text = texts[fault.path]
        shown_end = fault.start + len(fault.replacement)
        described.append((f"F{number:04d}", fault.kind, f"{fault.path}:{fault.line}",
                          excerpt(text, fault.start, fault.end),
                          excerpt(mutate(text, fault), fault.start, shown_end)))
    if args.list:
        sys.stdout.writelines(table_line(d) for d in described)
        return

    started = time.time()
    timed_out, status, failed, cases = run_tests(build, os.path.join(args.scratch, "clean.json"), 600)
    clean_seconds = time.time() - started
    if timed_out or status != 0 or failed:
        sys.exit(f"the unchanged tests fail ({', '.join(failed) or status}); fix them first")
    test_timeout = args.timeout or max(30.0, 10 * clean_seconds)

    done = set()
    if args.resume and os.path.exists(args.table):
        done = {tuple(r[c] for c in COLUMNS[:5]) for r in read_table(args.table)[0]}
    else:
        commit = subprocess.run(["git", "-C", ROOT, "rev-parse", "--short", "HEAD"],
                                capture_output=True, text=True).stdout.strip()
        with open(args.table, "w", encoding="utf-8") as f:
            f.write(f"# seed {args.seed}, count {args.count}, commit {commit}, "
                    f"{sum(map(len, faults_by_file.values()))} faults possible in {len(faults_by_file)} files\n")
            f.write("# cases: " + " ".join(cases) + "\n")
            f.write(table_line(COLUMNS))

    print(f"{len(picked)} faults, tests limited to {test_timeout:.0f} s each; table: {args.table}", flush=True)
    for number, (fault, row) in enumerate(zip(picked, described)):
        if row in done or number % shards != shard - 1:
            continue
        began = time.time()
        result, failed = judge(fault, source, build, args.scratch, test_timeout, objects[fault.path])
        with open(args.table, "a", encoding="utf-8") as f:
            f.write(table_line(row + (result, " ".join(failed))))
        print(f"{row[0]} {row[2]} {row[1]}: {result} ({time.time() - began:.0f} s)", flush=True)

    print(flush=True)
    report(*read_table(args.table))


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        sys.exit("stopped; the table keeps the faults judged so far (--resume continues)")
