#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plants faults at random in the program's sources, one at a time, in a scratch copy of the tree,
and runs the suite on each: a fault no test fails is a place the tests do not guard.

    python3 tools/faults.py [--seed N] [--count 30] [--work DIR] [--list]

The draw takes the kinds in turn (a comparison flipped, && and || swapped, a boolean flipped, a
number changed, a call deleted, a returned value changed), each at a random place in the .cpp
files under src/ that this desktop build compiles. The same seed on the same sources draws the
same faults. A fault that does not build warning-free is counted and replaced by the next of its
kind. The scratch tree and its build stay in DIR, so that a second run rebuilds only what changed;
the working tree is only read. --list prints the draw without building anything.
"""
import argparse
import fcntl
import os
import random
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KINDS = ("comparison", "logic", "boolean", "number", "call deleted", "return value")
FLIPPED = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">",
           "&&": "||", "||": "&&", "true": "false", "false": "true"}
# Compiled only for Windows or for a web page.
OTHER_PLATFORMS = re.compile(r"_(win|wasm)\.cpp$")
# The installed package and the layers are checked apart: both build the whole tree again.
SKIPPED_TESTS = re.compile(r"^(packaging|layers|web)_")
KEYWORDS = {"return", "delete", "if", "while", "for", "switch", "case", "sizeof", "Q_UNUSED"}


def masked(lines):
    """The lines with comments, strings and character literals blanked, columns kept."""
    out, comment = [], False
    for line in lines:
        chars, i = list(line), 0
        while i < len(line):
            if comment:
                end = line.find("*/", i)
                stop = len(line) if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                comment, i = end < 0, stop
            elif line.startswith("//", i) or line.lstrip().startswith("#"):
                chars[i:] = " " * (len(line) - i)
                break
            elif line.startswith("/*", i):
                comment = True
            elif line[i] in "\"'":
                end = i + 1
                while end < len(line) and line[end] != line[i]:
                    end += 2 if line[end] == "\\" else 1
                chars[i + 1:end] = " " * (end - i - 1)
                i = end + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def changed_number(text):
    if "." in text:
        return "%g" % (float(text) * 1.5)
    n = int(text)
    return str(n + 1 if n < 2 else n * 3 // 2)


def candidates(path, lines):
    """Every fault the file offers, as (kind, line, column, before, after)."""
    found = []
    for number, code in enumerate(masked(lines), 1):
        text = lines[number - 1]  # as written, strings and all

        def each(kind, pattern, change):
            for m in re.finditer(pattern, code):
                after = change(m.group(0))
                if after is not None:
                    found.append((kind, number, m.start(), m.group(0), after))
        each("comparison", r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)", FLIPPED.get)
        each("logic", r"(?<=\s)(&&|\|\|)(?=\s)", FLIPPED.get)
        each("boolean", r"\b(true|false)\b", FLIPPED.get)
        each("number", r"(?<![\w.])\d+(\.\d+)?(?![\w.'])", changed_number)
        call = re.match(r"\s*((?:\w+(?:::|\.|->))*(\w+)\(.*\);)\s*$", code)
        if call and call.group(2) not in KEYWORDS and not code.lstrip().startswith(tuple(KEYWORDS)) \
                and call.group(1).count("(") == call.group(1).count(")"):
            found.append(("call deleted", number, call.start(1), text[call.start(1):call.end(1)], ""))
        value = re.match(r"\s*return\s+(.+);\s*$", code)
        if value and value.group(1) not in ("{}", "nullptr"):
            v = value.group(1)
            after = FLIPPED.get(v) or ("1" if v == "0" else "0" if v.isdigit() else "{}")
            found.append(("return value", number, value.start(1), text[value.start(1):value.end(1)],
                          after))
    return [(path,) + c for c in found]


def draw(tree, seed):
    """Each kind's faults, shuffled: the draw takes the kinds in turn, the next of each."""
    pools = {kind: [] for kind in KINDS}
    for folder, _, files in sorted(os.walk(os.path.join(tree, "src"))):
        for name in sorted(files):
            if name.endswith(".cpp") and not OTHER_PLATFORMS.search(name):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as f:
                    lines = f.read().split("\n")
                for c in candidates(os.path.relpath(path, tree), lines):
                    pools[c[1]].append(c)
    rng = random.Random(seed)
    for kind in KINDS:
        rng.shuffle(pools[kind])
    return pools


def next_fault(pools, turn):
    """The next fault of the kind whose turn it is, or of the next kind that has one left."""
    for kind in KINDS[turn % len(KINDS):] + KINDS[:turn % len(KINDS)]:
        if pools[kind]:
            return pools[kind].pop(0)
    return None


def planted(text, fault):
    _, _, line, column, before, after = fault
    lines = text.split("\n")
    code = lines[line - 1]
    assert code[column:column + len(before)] == before, fault
    lines[line - 1] = code[:column] + after + code[column + len(before):]
    return "\n".join(lines)


def shown(fault):
    before, after = fault[4], fault[5] or "(deleted)"
    cut = lambda s: s if len(s) <= 40 else s[:37] + "..."
    return f"{cut(before)} -> {cut(after)}"


def sync(tree):
    """Copies the working tree's files (committed or not) where they differ, keeping the others'
    times so that the build stays incremental."""
    listed = subprocess.run(["git", "-C", ROOT, "ls-files", "-co", "--exclude-standard", "-z"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    wanted = {p for p in listed if p and os.path.isfile(os.path.join(ROOT, p))}
    for path in wanted:
        source, copy = os.path.join(ROOT, path), os.path.join(tree, path)
        with open(source, "rb") as f:
            data = f.read()
        if os.path.exists(copy):
            with open(copy, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        with open(copy, "wb") as f:
            f.write(data)
        shutil.copymode(source, copy)
    for folder, _, files in os.walk(tree):
        for name in files:
            if os.path.relpath(os.path.join(folder, name), tree) not in wanted:
                os.remove(os.path.join(folder, name))


def build(work, log):
    with open(log, "w") as out:
        return subprocess.run(["cmake", "--build", os.path.join(work, "build"), "-j2"],
                              stdout=out, stderr=subprocess.STDOUT).returncode == 0


def run_test(work, name, timeout):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run(["ctest", "-R", f"^{re.escape(name)}$", "--timeout", str(timeout)],
                            cwd=os.path.join(work, "build"), env=env, capture_output=True)
    return result.returncode == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=115)
    parser.add_argument("--count", type=int, default=30)
    parser.add_argument("--work", default=os.path.join(os.environ.get("TMPDIR", "/tmp"),
                                                       "starquill-faults"))
    parser.add_argument("--list", action="store_true", help="print the draw, build nothing")
    args = parser.parse_args()
    print(f"seed {args.seed}", flush=True)
    if args.list:
        pools = draw(ROOT, args.seed)
        for turn in range(args.count):
            fault = next_fault(pools, turn)
            print(f"F{turn + 1:02}\t{fault[0]}:{fault[2]}\t{fault[1]}\t{shown(fault)}")
        return 0

    work, tree = os.path.abspath(args.work), os.path.join(os.path.abspath(args.work), "tree")
    os.makedirs(tree, exist_ok=True)
    lock = open(os.path.join(work, "lock"), "w")
    fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)  # one draw at a time in a scratch tree
    sync(tree)
    subprocess.run(["cmake", "-S", tree, "-B", os.path.join(work, "build"), "-Wno-dev",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DSTARQUILL_WERROR=ON"],
                   check=True, stdout=subprocess.DEVNULL)
    if not build(work, os.path.join(work, "build.log")):
        sys.exit(f"the unchanged tree does not build: {work}/build.log")
    # The suite, fastest first, each test timed on the unchanged tree: a fault stops at the first
    # test that fails, and one that hangs is caught by a timeout well past the usual time.
    listed = subprocess.run(["ctest", "-N"], cwd=os.path.join(work, "build"), check=True,
                            capture_output=True, text=True).stdout
    names = [n for n in re.findall(r"Test +#\d+: (\S+)", listed) if not SKIPPED_TESTS.match(n)]
    times = {}
    for name in names:
        start = time.monotonic()
        if not run_test(work, name, 600):
            sys.exit(f"{name} fails on the unchanged tree")
        times[name] = time.monotonic() - start
    order = sorted(names, key=times.get)
    print("suite: " + ", ".join(f"{n} {times[n]:.1f} s" for n in order), flush=True)

    rows, broken, pools = [], 0, draw(tree, args.seed)
    while len(rows) < args.count and (fault := next_fault(pools, len(rows))):
        path = os.path.join(tree, fault[0])
        with open(path, encoding="utf-8") as f:
            original = f.read()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(planted(original, fault))
            if not build(work, os.path.join(work, "fault.log")):
                broken += 1
                continue
            failed = next((n for n in order if not run_test(work, n, max(60, int(10 * times[n])))),
                          None)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        rows.append((f"F{len(rows) + 1:02}", f"{fault[0]}:{fault[2]}", fault[1], shown(fault),
                     f"caught by {failed}" if failed else "SURVIVED"))
        print("\t".join(rows[-1]), flush=True)

    print(f"\nseed {args.seed}: {len(rows)} faults, {broken} more did not build\n")
    print("| fault | place | kind | before -> after | result |\n|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    caught = sum(1 for row in rows if row[4] != "SURVIVED")
    print(f"\ncaught {caught} of {len(rows)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
