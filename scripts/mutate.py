#!/usr/bin/env python3
"""Mutation run: do the tests catch the faults they are meant to catch?

Each mutant of the table (tests/mutants.txt) is one small fault: a file, a
text that must occur in it exactly once, the text that replaces it, the
behaviour it breaks, and the tests that cover it. The run copies the tree
into a scratch folder with its own build folder (build-mutate/, never the
tree itself), builds the named test binaries there, checks that the named
tests pass on the unchanged copy, then for one mutant at a time changes the
copy, rebuilds only the binary that covers it, runs only its tests and puts
the file back. A mutant is KILLED when a test fails (or crashes, or hangs
past its time limit), SURVIVED when all pass. A mutant whose original text
is not found exactly once is STALE: the table has fallen behind the code.
Survivors, stale and unbuildable mutants fail the run.

    scripts/mutate.py [--only ID[,ID...]] [--check] [--list]
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(ROOT, "tests", "mutants.txt")
MIN_LIMIT_S = 60      # the shortest time limit of a mutated test run
LIMIT_FACTOR = 3      # a mutated run may take this many times its clean run


@dataclass
class Mutant:
    ident: str
    line: int
    file: str = ""
    binary: str = ""
    tests: str = ""
    breaks: str = ""
    original: list = field(default_factory=list)
    replacement: list = field(default_factory=list)

    def old(self):
        return "\n".join(self.original)

    def new(self):
        return "\n".join(self.replacement)


def parse_table(path):
    """Reads the blocks of the table; exits on a malformed one."""
    mutants, current = [], None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            head = re.match(r"^mutant\s+(\S+)\s*$", line)
            if head:
                current = Mutant(head.group(1), number)
                mutants.append(current)
                continue
            if current is None:
                sys.exit(f"{path}:{number}: text before the first 'mutant' line")
            key = re.match(r"^(file|test|breaks):\s*(.*)$", line)
            if key:
                name, value = key.groups()
                if name == "file":
                    current.file = value.strip()
                elif name == "breaks":
                    current.breaks = value.strip()
                else:
                    parts = value.split(None, 1)
                    current.binary = parts[0] if parts else ""
                    current.tests = parts[1].strip() if len(parts) > 1 else "*"
            elif line.startswith("- ") or line == "-":
                current.original.append(line[2:])
            elif line.startswith("+ ") or line == "+":
                current.replacement.append(line[2:])
            else:
                sys.exit(f"{path}:{number}: not a line of a mutant: {line!r}")
    seen = set()
    for m in mutants:
        where = f"{path}:{m.line}: mutant {m.ident}"
        if m.ident in seen:
            sys.exit(f"{where}: the name is used twice")
        seen.add(m.ident)
        if not (m.file and m.binary and m.breaks and m.original):
            sys.exit(f"{where}: needs file, test, breaks and an original text")
        if m.old() == m.new():
            sys.exit(f"{where}: the replacement changes nothing")
    return mutants


def occurrences(mutant, root):
    path = os.path.join(root, mutant.file)
    if not os.path.isfile(path):
        return 0
    with open(path, encoding="utf-8") as f:
        return f.read().count(mutant.old())


def tree_files():
    """The files of the tree as they are now: tracked and new, not ignored."""
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                         cwd=ROOT, check=True, capture_output=True).stdout
    return sorted({p for p in out.decode().split("\0") if p and os.path.isfile(os.path.join(ROOT, p))})


def sync_copy(scratch):
    """Makes the scratch copy equal to the tree, touching only what differs,
    so that the scratch build rebuilds only what changed since last time."""
    files = tree_files()
    wanted = set(files)
    for rel in files:
        src, dst = os.path.join(ROOT, rel), os.path.join(scratch, rel)
        with open(src, "rb") as f:
            data = f.read()
        if os.path.isfile(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
        shutil.copymode(src, dst)
    for base, dirs, names in os.walk(scratch):
        rel_base = os.path.relpath(base, scratch)
        if rel_base == ".":
            dirs[:] = [d for d in dirs if d != "build"]
        for name in names:
            rel = os.path.normpath(os.path.join(rel_base, name))
            if rel not in wanted:
                os.remove(os.path.join(base, name))


def build(build_dir, targets, jobs):
    """Builds the targets; returns (ok, the compiler's last lines)."""
    run = subprocess.run(["cmake", "--build", build_dir, "-j", str(jobs), "--target", *targets],
                         capture_output=True, text=True)
    return run.returncode == 0, "\n".join((run.stdout + run.stderr).splitlines()[-15:])


def run_tests(build_dir, binary, tests, limit_s):
    """Runs one test binary with a filter. Returns (passed, failed test
    names, seconds, what ended it)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    exe = os.path.join(build_dir, "tests", binary)
    start = time.monotonic()
    proc = subprocess.Popen([exe, f"--gtest_filter={tests}"], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, env=env, start_new_session=True)
    try:
        output, _ = proc.communicate(timeout=limit_s)
        ended = "exit"
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        output, _ = proc.communicate()
        ended = "time-out"
    seconds = time.monotonic() - start
    text = output.decode(errors="replace")
    failed = []
    for name in re.findall(r"^\[  FAILED  \] ([\w/]+\.[\w/]+)", text, re.M):
        if name not in failed:
            failed.append(name)
    ran = re.search(r"^\[==========\] (\d+) tests? from", text, re.M)
    if ended == "exit" and proc.returncode < 0:
        ended = f"signal {-proc.returncode}"
    passed = ended == "exit" and proc.returncode == 0 and ran is not None and int(ran.group(1)) > 0
    return passed, failed, seconds, ended


def configure(scratch, build_dir):
    if os.path.isfile(os.path.join(build_dir, "CMakeCache.txt")):
        return True
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    run = subprocess.run(["cmake", "-S", scratch, "-B", build_dir,
                          "-DCMAKE_BUILD_TYPE=RelWithDebInfo", *launcher],
                         capture_output=True, text=True)
    if run.returncode != 0:
        print(run.stdout + run.stderr)
    return run.returncode == 0


def apply(scratch, mutant, text):
    path = os.path.join(scratch, mutant.file)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", help="comma-separated names of the mutants to run")
    parser.add_argument("--check", action="store_true", help="only look for stale mutants")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--scratch", default=os.environ.get("MUTATE_DIR", os.path.join(ROOT, "build-mutate")))
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("JOBS", "2")))
    args = parser.parse_args()

    mutants = parse_table(TABLE)
    if args.only:
        names = set(args.only.split(","))
        unknown = names - {m.ident for m in mutants}
        if unknown:
            sys.exit("no such mutant: " + ", ".join(sorted(unknown)))
        mutants = [m for m in mutants if m.ident in names]
    if args.list:
        for m in mutants:
            print(f"{m.ident:6} {m.file:36} {m.binary} {m.tests}\n       {m.breaks}")
        return 0

    stale = [m for m in mutants if occurrences(m, ROOT) != 1]
    for m in stale:
        print(f"{m.ident:6} STALE     {m.file}: the original text is found {occurrences(m, ROOT)} times, not once")
    live = [m for m in mutants if m not in stale]
    if args.check:
        print(f"{len(live)} of {len(mutants)} mutants found in the code")
        return 1 if stale else 0

    scratch = os.path.abspath(args.scratch)
    build_dir = os.path.join(scratch, "build")
    os.makedirs(scratch, exist_ok=True)
    print(f"scratch copy: {scratch}")
    sync_copy(scratch)
    if not configure(scratch, build_dir):
        sys.exit("the scratch copy does not configure")
    binaries = sorted({m.binary for m in live})
    ok, log = build(build_dir, binaries, args.jobs)
    if not ok:
        sys.exit("the unchanged scratch copy does not build:\n" + log)

    # Every covering test must pass before a mutant can say anything.
    clean = {}
    for key in sorted({(m.binary, m.tests) for m in live}):
        passed, failed, seconds, ended = run_tests(build_dir, *key, limit_s=1800)
        if not passed:
            sys.exit(f"the tests {key[0]} {key[1]} fail without any mutant ({ended}): "
                     + ", ".join(failed))
        clean[key] = seconds

    killed, survived, broken = [], [], []
    started = time.monotonic()
    for m in live:
        path = os.path.join(scratch, m.file)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        apply(scratch, m, original.replace(m.old(), m.new(), 1))
        try:
            t0 = time.monotonic()
            ok, log = build(build_dir, [m.binary], args.jobs)
            if not ok:
                broken.append(m)
                print(f"{m.ident:6} BROKEN    does not build ({m.file})\n{log}")
                continue
            limit = max(MIN_LIMIT_S, LIMIT_FACTOR * clean[(m.binary, m.tests)] + 20)
            passed, failed, seconds, ended = run_tests(build_dir, m.binary, m.tests, limit)
            spent = time.monotonic() - t0
            if passed:
                survived.append(m)
                print(f"{m.ident:6} SURVIVED  {m.file}: {m.breaks}  [{spent:.0f} s]")
            else:
                killed.append(m)
                by = failed[0] if failed else f"{m.binary} ({ended})"
                more = f" and {len(failed) - 1} more" if len(failed) > 1 else ""
                print(f"{m.ident:6} KILLED    by {by}{more}  [{spent:.0f} s]")
        finally:
            apply(scratch, m, original)
        sys.stdout.flush()

    # The copy is left as the tree is, so the next run starts from it.
    build(build_dir, binaries, args.jobs)
    total = len(mutants)
    rate = 100.0 * len(killed) / total if total else 0.0
    minutes = (time.monotonic() - started) / 60
    print(f"\nkilled {len(killed)} of {total} ({rate:.1f} %): {len(survived)} survived, "
          f"{len(stale)} stale, {len(broken)} do not build; {minutes:.1f} min")
    return 0 if len(killed) == total else 1


if __name__ == "__main__":
    sys.exit(main())
