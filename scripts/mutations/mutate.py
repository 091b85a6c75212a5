#!/usr/bin/env python3
"""Plants known faults in a copy of the tree, one at a time, and tells
which of them the native tests catch. Run through scripts/mutate.sh.

A fault list (scripts/mutations/FOLDER.txt) holds records separated by
blank lines:

    # what the fault models (any number of comment lines)
    @ engine/calendars/frenchcalendar.cpp
    - the text as it is, found exactly once in the file
    + the text the fault puts in its place

("-" and "+" lines may repeat for texts of several lines).
    ? days '1 Vendemiaire an II' '1 Vendemiaire an III'

The "?" line is optional: spanwright-cli's arguments (shell words) for a
probe whose output the fault must change; a fault that leaves it unchanged
changes no behaviour there and is refused, as are faults whose old text is
not found once and faults that do not compile.
"""

import argparse
import hashlib
import os
import shlex
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LISTS = os.path.join(ROOT, "scripts", "mutations")
FOLDERS = ["engine", "gedcom", "answers", "cli", "library"]

# The tests that need no window (the window's tests, the desktop session,
# the package and the page's tests are slow or need more than this build).
NATIVE_TESTS = [
    "tst_engine", "tst_datereader", "tst_agesearch", "tst_languages", "tst_pasted",
    "tst_calendars", "tst_cli", "tst_cliedges", "tst_batchjob", "tst_outputfile",
    "tst_gedcom", "tst_gedcomedges", "tst_check", "tst_statedages", "tst_familyages",
    "tst_narrow", "tst_narrowcsv", "tst_narrowoptions", "tst_csvreader",
    "tst_dateprinting", "tst_textdecoding", "tst_library",
]
# A folder's likeliest tests, run first so that a caught fault ends early.
FIRST_TESTS = {
    "engine": ["tst_engine", "tst_datereader", "tst_agesearch", "tst_languages", "tst_calendars", "tst_narrow"],
    "gedcom": ["tst_gedcom", "tst_statedages", "tst_familyages", "tst_check", "tst_gedcomedges"],
    "answers": ["tst_narrow", "tst_narrowcsv", "tst_batchjob", "tst_dateprinting", "tst_csvreader",
                "tst_textdecoding"],
    "cli": ["tst_cli", "tst_cliedges", "tst_narrowoptions", "tst_outputfile", "tst_calendars"],
    "library": ["tst_library"],
}


@dataclass
class Fault:
    folder: str
    path: str = ""
    old: str = ""
    new: str = ""
    probe: list = field(default_factory=list)
    comment: str = ""
    outcome: str = ""


def read_faults(folder):
    faults = []
    current = None
    with open(os.path.join(LISTS, folder + ".txt"), encoding="utf-8") as stream:
        lines = stream.read().split("\n") + [""]
    for line in lines:
        if not line.strip():
            if current and current.path:
                faults.append(current)
            current = None
            continue
        current = current or Fault(folder)
        tag, text = line[:2], line[2:]
        if tag == "# ":
            current.comment += (" " if current.comment else "") + text
        elif tag == "@ ":
            current.path = text.strip()
        elif tag == "- ":  # lines of one text follow each other
            current.old += ("\n" if current.old else "") + text
        elif tag == "+ ":
            current.new += ("\n" if current.new else "") + text
        elif tag == "? ":
            current.probe = shlex.split(text)
        else:
            sys.exit(f"{folder}.txt: cannot read the line {line!r}")
    return faults


def digest(path):
    """The hash of a built program's bytes (None while it is not built)."""
    try:
        with open(path, "rb") as stream:
            return hashlib.sha256(stream.read()).digest()
    except FileNotFoundError:
        return None


def run(command, cwd=None, quiet=True):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE if quiet else None,
                          stderr=subprocess.STDOUT if quiet else None, text=True, errors="replace")


def skipped(relative):
    top = relative.split(os.sep)[0]
    return top.startswith("build") or top == ".git" or "node_modules" in relative.split(os.sep)


def sync_tree(source, target):
    """Copies the files that differ (and only those, so that their times
    tell the build what changed) and removes those the tree no longer has."""
    present = set()
    for directory, subdirectories, files in os.walk(source):
        relative_directory = os.path.relpath(directory, source)
        subdirectories[:] = [d for d in subdirectories
                             if not skipped(os.path.normpath(os.path.join(relative_directory, d)))]
        for name in files:
            relative = os.path.normpath(os.path.join(relative_directory, name))
            present.add(relative)
            there = os.path.join(target, relative)
            here = os.path.join(source, relative)
            if os.path.exists(there):
                with open(here, "rb") as a, open(there, "rb") as b:
                    if a.read() == b.read():
                        continue
            os.makedirs(os.path.dirname(there), exist_ok=True)
            shutil.copy(here, there)  # a new time, so that the build sees the change
    for directory, _, files in os.walk(target):
        for name in files:
            relative = os.path.normpath(os.path.join(os.path.relpath(directory, target), name))
            if relative not in present:
                os.remove(os.path.join(target, relative))


class Scratch:
    """A copy of the tree with its own native build."""

    def __init__(self, directory, jobs, commit=None):
        self.directory = os.path.abspath(directory)
        self.commit = commit
        self.source = os.path.join(self.directory, "src")
        self.build = os.path.join(self.directory, "build")
        self.jobs = jobs
        # The unchanged build's test programs and spanwright-cli by their
        # hashes, and the tests that run spanwright-cli: a test whose program
        # and whose spanwright-cli are the unchanged build's bytes gives the
        # unchanged build's verdict (it passed), so it need not run again.
        self.unchanged = {}
        self.runs_program = set()
        self.tests_run = 0

    def binary(self, name):
        return os.path.join(self.build, "bin", name)

    def remember_unchanged_build(self):
        program = self.binary("spanwright-cli")
        # (as bytes and as the UTF-16 of a QStringLiteral).
        paths = {path.encode(encoding) for path in (program, os.path.realpath(program))
                 for encoding in ("utf-8", "utf-16-le")}
        self.unchanged = {name: digest(self.binary(name)) for name in NATIVE_TESTS + ["spanwright-cli"]}
        # A test runs the program where its binary holds the program's path
        # (SPANWRIGHT_CLI_PATH); this finds every one, however it runs it.
        for name in NATIVE_TESTS:
            with open(self.binary(name), "rb") as stream:
                contents = stream.read()
            if any(path in contents for path in paths):
                self.runs_program.add(name)
        if not self.runs_program:  # then a changed program would go untested
            sys.exit("no test names " + program + "; cannot tell which tests run it")

    def changed_tests(self, names):
        """The tests whose outcome the rebuild can have changed: those whose
        program differs from the unchanged build's, and those that run
        spanwright-cli where it differs. All of them before any is known."""
        if not self.unchanged:
            return list(names)
        program_changed = digest(self.binary("spanwright-cli")) != self.unchanged["spanwright-cli"]
        return [name for name in names
                if digest(self.binary(name)) != self.unchanged[name]
                or (program_changed and name in self.runs_program)]

    def prepare(self):
        os.makedirs(self.source, exist_ok=True)
        if self.commit:
            # The tree of a commit (the code before a change, say), unpacked
            # beside the copy; the fault lists are always the working tree's.
            unpacked = os.path.join(self.directory, "commit")
            shutil.rmtree(unpacked, ignore_errors=True)
            os.makedirs(unpacked)
            archive = subprocess.run(f"git -C {shlex.quote(ROOT)} archive {shlex.quote(self.commit)} | "
                                     f"tar -x -C {shlex.quote(unpacked)}", shell=True)
            if archive.returncode:
                sys.exit(f"cannot unpack the tree of {self.commit}")
            sync_tree(unpacked, self.source)
        else:
            sync_tree(ROOT, self.source)
        # -O1 without hardening, linked by lld where it is installed: quicker
        # rebuilds (most of a fault's time is the linking of the test
        # programs), the same behaviour.
        linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        configure = run(["cmake", "-S", self.source, "-B", self.build, "-DCMAKE_BUILD_TYPE=None",
                         "-DCMAKE_CXX_FLAGS=-O1", "-DSPANWRIGHT_HARDENING=OFF", *linker])
        if configure.returncode:
            sys.exit("cannot configure the scratch build:\n" + configure.stdout)
        if not self.compile():
            sys.exit("the unchanged tree does not build:\n" + self.last_build_output)

    def compile(self, tests=NATIVE_TESTS):
        result = run(["cmake", "--build", self.build, "--parallel", str(self.jobs),
                      "--target", "spanwright-cli", *tests])
        self.last_build_output = result.stdout
        return result.returncode == 0

    def tests_pass(self, first):
        """True or False, or None where a test program does not compile."""
        # The likeliest tests first, then the rest; each stage stops at its
        # first failure, and the rest are linked only when the first pass
        # (linking every test program takes longer than most runs).
        rest = [name for name in NATIVE_TESTS if name not in first]
        stages = [first, rest] if first else [NATIVE_TESTS]
        self.tests_run = 0
        for names in stages:
            if not self.compile(names):
                return None
            names = self.changed_tests(names)
            if not names:
                continue
            self.tests_run += len(names)
            regex = "^(" + "|".join(names) + ")$"
            result = run(["ctest", "--parallel", str(self.jobs), "--stop-on-failure", "-R", regex,
                          "--timeout", "120"], cwd=self.build)
            if result.returncode:
                return False
        return True

    def probe(self, arguments):
        program = os.path.join(self.build, "bin", "spanwright-cli")
        result = subprocess.run([program, *arguments], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                cwd=self.source, timeout=60)
        return result.returncode, result.stdout


def occurrences(path, text):
    if not os.path.exists(path):
        return 0
    with open(path, encoding="utf-8") as stream:
        return stream.read().count(text)


def try_fault(scratch, fault, unchanged_probes):
    path = os.path.join(scratch.source, fault.path)
    if not os.path.exists(path):
        return "not found"
    with open(path, encoding="utf-8") as stream:
        original = stream.read()
    if original.count(fault.old) != 1 or fault.old == fault.new:
        return "not found"
    with open(path, "w", encoding="utf-8") as stream:
        stream.write(original.replace(fault.old, fault.new))
    try:
        # The program and the folder's likeliest tests; the rest once needed.
        if not scratch.compile(FIRST_TESTS[fault.folder]):
            return "does not compile"
        if fault.probe:
            key = tuple(fault.probe)
            if scratch.probe(fault.probe) == unchanged_probes[key]:
                return "no change"
        passed = scratch.tests_pass(FIRST_TESTS[fault.folder])
        return "does not compile" if passed is None else "survived" if passed else "caught"
    finally:
        with open(path, "w", encoding="utf-8") as stream:
            stream.write(original)


def summary(faults, folders):
    outcomes = ["caught", "survived", "no change", "does not compile", "not found"]
    header = f"{'folder':8} {'planted':>7} {'caught':>6} {'survived':>8} {'score':>6}  refused: " \
             f"{'no change':>9} {'no compile':>10} {'not found':>9}  {'no probe':>8}"
    print(header)
    for folder in folders + ["all"]:
        mine = [f for f in faults if folder in ("all", f.folder)]
        counts = {name: sum(1 for f in mine if f.outcome == name) for name in outcomes}
        planted = counts["caught"] + counts["survived"]
        score = f"{100 * counts['caught'] / planted:.0f}%" if planted else "-"
        no_probe = sum(1 for f in mine if not f.probe)
        print(f"{folder:8} {planted:7} {counts['caught']:6} {counts['survived']:8} {score:>6}  "
              f"         {counts['no change']:9} {counts['does not compile']:10} {counts['not found']:9}"
              f"  {no_probe:8}")


def main():
    parser = argparse.ArgumentParser(prog="scripts/mutate.sh", description=__doc__.split("\n\n")[0])
    parser.add_argument("--folder", action="append", choices=FOLDERS,
                        help="only this folder's faults (again for more folders)")
    parser.add_argument("--list", action="store_true", help="list the faults and plant none")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count() or 2,
                        help="parallel compile and test jobs")
    parser.add_argument("--at", metavar="COMMIT",
                        help="plant the faults in this commit's tree instead of the working tree's")
    parser.add_argument("--scratch", default=os.path.join(ROOT, "build", "mutate"),
                        help="where the copy and its build go (default build/mutate)")
    options = parser.parse_args()
    folders = options.folder or FOLDERS
    faults = [fault for folder in folders for fault in read_faults(folder)]
    if options.list:
        unplanted = 0
        for fault in faults:
            probe = " ".join(shlex.quote(a) for a in fault.probe) if fault.probe else "(no probe)"
            # Whether the old text is found once in the working tree: a
            # record that no longer plants shows here, before any build.
            plants = occurrences(os.path.join(ROOT, fault.path), fault.old) == 1 and fault.old != fault.new
            unplanted += 0 if plants else 1
            print(f"{fault.path}: {fault.old.strip()} -> {fault.new.strip()}\n    {fault.comment}\n"
                  f"    probe: {probe}" + ("" if plants else "\n    NOT FOUND ONCE: does not plant"))
        print(f"{len(faults)} faults, {unplanted} not planting")
        return 1 if unplanted else 0

    started = time.time()
    scratch = Scratch(options.scratch, options.jobs, options.at)
    scratch.prepare()
    if scratch.tests_pass([]) is not True:
        sys.exit("the unchanged tree fails its tests; mend them first")
    scratch.remember_unchanged_build()
    unchanged_probes = {tuple(f.probe): scratch.probe(f.probe) for f in faults if f.probe}
    print(f"scratch build and unchanged suite ready after {time.time() - started:.0f} s", flush=True)

    for number, fault in enumerate(faults, 1):
        fault_started = time.time()
        scratch.tests_run = 0
        fault.outcome = try_fault(scratch, fault, unchanged_probes)
        print(f"[{number}/{len(faults)}] {fault.outcome:16} {time.time() - fault_started:5.0f} s "
              f"{scratch.tests_run:2} tests  {fault.path}: {fault.old.strip()[:60]}", flush=True)
    scratch.compile()  # the restored tree, ready for the next run

    survivors = [f for f in faults if f.outcome == "survived"]
    if survivors:
        print("\nSurvivors:")
        for fault in survivors:
            print(f"  {fault.path}: {fault.old.strip()}\n      -> {fault.new.strip()}\n      ({fault.comment})")
    refused = [f for f in faults if f.outcome in ("no change", "does not compile", "not found")]
    if refused:
        print("\nRefused:")
        for fault in refused:
            print(f"  {fault.outcome}: {fault.path}: {fault.old.strip()}")
    print()
    summary(faults, folders)
    print(f"\n{len(faults)} faults in {time.time() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
