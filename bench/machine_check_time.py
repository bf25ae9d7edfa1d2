#!/usr/bin/env python3
"""The checker's time on the batch's own machine, under Wine: a 10,000-entry batch (information,
chaining, two kept files per entry) in a folder that holds its sample input, tc.exe and every
data file. multikevra-check.exe runs there with every check, and beside it with the eight
checks of the machine left out (--ignore, which skips their work): the floor. Each is run
several times and the median counts; the check with every finding must take under a second.
Run it in a Wine session that stays up (tests/windows/wine_session.sh start, as the Windows
tests do): without one, each run of a program starts Wine's server and takes seconds.

Usage: machine_check_time.py --program multikevra.exe --checker multikevra-check.exe
           --tc tc.exe [--runs K]
"""

import argparse
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ENTRIES = 10_000
BOUND_SECONDS = 1.0
MACHINE_TAGS = ("no-tc,tc-is-batch,missing-data,no-folder,copy-prompts,replaces-kept,read-only,"
                "not-a-file")


def wine(args, cwd, stdin=None):
    """Runs `wine ARGS` in `cwd`, with `stdin` as input or else none: Wine starts a program
    whose standard input is an inherited pipe or terminal seconds slower."""
    return subprocess.run(["wine"] + args, cwd=cwd, input=stdin,
                          stdin=subprocess.DEVNULL if stdin is None else None,
                          capture_output=True, env=dict(os.environ, WINEDEBUG="-all"),
                          timeout=300)


def median_seconds(args, cwd, runs):
    times = []
    for _ in range(runs):
        start = time.monotonic()
        ran = wine(args, cwd)
        times.append(time.monotonic() - start)
        if ran.returncode != 0:
            sys.exit(f"{args} ended with status {ran.returncode}:\n"
                     + ran.stdout.decode("latin-1")[-2000:])
    return statistics.median(times)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--checker", required=True)
    parser.add_argument("--tc", required=True)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    program, checker = (str(pathlib.Path(name).resolve()) for name in (args.program, args.checker))

    work = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-time-"))
    try:
        names = [f"scan{i:07d}" for i in range(ENTRIES)]
        (work / "list.txt").write_text("\n".join(names) + "\n")
        (work / "info.txt").write_text(
            "".join(f"TEMP {100 + i % 300} WL 0.70930\n" for i in range(ENTRIES)))
        for name in names:
            (work / (name + ".xye")).write_bytes(b"raw data\r\n")
        (work / "sample.inp").write_bytes(b"sample input\r\n")
        shutil.copyfile(args.tc, work / "tc.exe")
        answers = ["", "list.txt", str(ENTRIES), "sample", "y", "info.txt", "y", "y", "2",
                   "refine.hkl", "_a.hkl", "refine.par", ".prm"]
        made = wine([program], work, ("\n".join(answers) + "\n").encode())
        if made.returncode != 0:
            sys.exit("multikevra.exe failed: " + made.stderr.decode("latin-1"))

        wine([checker], work)  # the first run of a program under Wine loads it: not timed
        floor = median_seconds([checker, "--ignore", MACHINE_TAGS], work, args.runs)
        checked = median_seconds([checker], work, args.runs)
        print(f"{ENTRIES} entries, median of {args.runs}: the check {checked:.3f} s, "
              f"without the machine's checks {floor:.3f} s (bound {BOUND_SECONDS} s)")
        return 0 if checked < BOUND_SECONDS else 1
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
