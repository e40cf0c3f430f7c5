#!/usr/bin/env python3
"""Mutation probe: how many small faults do the tests catch?

Applies one single-line mutation at a time to a source tree, rebuilds the
given targets incrementally, runs the tests and counts the mutants the tests
kill. Every file is restored after its mutant, also on Ctrl-C.

A sites file lists one mutant a line:

    src/panel/Commands.cpp | index >= 2 | index > 2

folder-relative path, the text to find (it must occur exactly once in the
file) and what to put in its place (empty: the text is removed). A fourth
field N picks the Nth occurrence of a text that occurs more than once.
Fields are separated by a bar with blanks around it, so a site cannot
contain " | " itself. Blank lines
and lines starting with '#' are skipped.

    python3 scripts/mutation-probe.py --build build --sites scripts/mutation-sites.txt \
        --targets panel_tests toka-replay --program tests/panel/panel_tests --tests '^scenario\.'

A mutant that does not compile is counted apart and leaves the rate alone.
"""

import argparse
import pathlib
import re
import subprocess
import sys
import time

# A bar with blanks around it (or at the end): "||" in the code is no separator.
SEPARATOR = re.compile(r"\s\|(?=\s|$)")


def read_sites(path):
    sites = []
    for number, raw in enumerate(pathlib.Path(path).read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        parts = [part.strip() for part in SEPARATOR.split(line)]
        if len(parts) == 3:
            parts.append("")
        if len(parts) != 4 or not parts[1] or not (parts[3] == "" or parts[3].isdigit()):
            sys.exit(f"{path}:{number}: expected 'file | text | replacement [| occurrence]'")
        sites.append((number, *parts))
    return sites


def position(content, text, occurrence):
    """Where the mutated text starts, or None when the site is ambiguous or gone."""
    count = content.count(text)
    if occurrence == "":
        return content.find(text) if count == 1 else None
    wanted = int(occurrence)
    if not 1 <= wanted <= count:
        return None
    start = -1
    for _ in range(wanted):
        start = content.find(text, start + 1)
    return start


def run(command, cwd, timeout=None):
    """The command's exit status; a command that runs past the timeout is
    killed and fails (a mutant that makes the tests hang is caught)."""
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source", default=".", help="source tree the sites refer to (default: .)")
    parser.add_argument("--build", default="build", help="configured build folder (default: build)")
    parser.add_argument("--sites", required=True)
    parser.add_argument("--targets", nargs="*", default=[],
                        help="targets to rebuild for each mutant (default: all; the build works out what changed)")
    parser.add_argument("--tests", default="", help="ctest -R regex (default: every test)")
    parser.add_argument("--exclude", default="", help="ctest -E regex")
    parser.add_argument("--program", action="append", default=[],
                        help="a test program (path in the build folder) run directly before ctest; repeatable")
    parser.add_argument("--jobs", default="2")
    parser.add_argument("--only", type=int, nargs="*", help="run only these line numbers of the sites file")
    args = parser.parse_args()

    source = pathlib.Path(args.source).resolve()
    build = pathlib.Path(args.build)
    if not build.is_absolute():
        build = source / build
    sites = read_sites(args.sites)
    if args.only:
        sites = [site for site in sites if site[0] in args.only]

    # Every site is checked before anything is changed.
    for number, file, text, _, occurrence in sites:
        content = (source / file).read_text()
        if position(content, text, occurrence) is None:
            sys.exit(f"{args.sites}:{number}: '{text}' occurs {content.count(text)} times in {file}")

    build_command = ["cmake", "--build", str(build), "-j", args.jobs]
    if args.targets:
        build_command += ["--target", *args.targets]
    test_command = ["ctest", "--test-dir", str(build), "-j", args.jobs, "--stop-on-failure", "--timeout", "120"]
    if args.tests:
        test_command += ["-R", args.tests]
    if args.exclude:
        test_command += ["-E", args.exclude]
    programs = [[str(build / program)] for program in args.program]

    def tests_pass():
        # Cheapest first: a killed mutant stops at the first failing check.
        return all(run(command, source, timeout=300) == 0 for command in programs + [test_command])

    if run(build_command, source) != 0 or not tests_pass():
        sys.exit("the unmutated tree does not build or its tests fail")

    killed, survived, stillborn = [], [], []
    started = time.time()
    for number, file, text, replacement, occurrence in sites:
        path = source / file
        original = path.read_text()
        start = position(original, text, occurrence)
        try:
            path.write_text(original[:start] + replacement + original[start + len(text):])
            if run(build_command, source) != 0:
                outcome, bucket = "does not compile", stillborn
            elif not tests_pass():
                outcome, bucket = "killed", killed
            else:
                outcome, bucket = "SURVIVED", survived
        finally:
            path.write_text(original)
        bucket.append(number)
        print(f"{number:4} {outcome:16} {file}: {text!r} -> {replacement!r}", flush=True)

    run(build_command, source)
    valid = len(killed) + len(survived)
    rate = 100.0 * len(killed) / valid if valid else 0.0
    print(f"\n{len(killed)} killed, {len(survived)} survived, {len(stillborn)} did not compile; "
          f"kill rate {rate:.1f}% of {valid} ({time.time() - started:.0f} s)")
    if survived:
        print("survivors (sites file lines): " + " ".join(str(n) for n in survived))


if __name__ == "__main__":
    main()
