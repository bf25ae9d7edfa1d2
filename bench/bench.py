#!/usr/bin/env python3
"""End-to-end benchmark of multikevra on large generated batches.

For N = 1,000,000 it runs the program several times and reports the median time, the script's
size, the throughput and the peak resident memory; in the same folder it times the floor, a
copy of a file of the script's size (cat script > copy), and prints the ratio program/floor.
It also runs N = 10,000 and N = 100,000, and prints the peak memories of the smallest and the
largest batch and the time ratio of the two largest. With --checker it times multikevra-check on
the script of each size beside that size's floor, after checking that it finds the script clean,
and fails when it takes more than CHECKER_BOUNDS times the floor, more than CHECKER_PEAK_MIB at
100,000 entries, or more than CHECKER_GROWTH times as long at 100,000 entries as at 10,000 (what
a user feels first when a check does more per line than it should); a million entries is timed
for information only.

Usage: bench.py --program PATH [--checker PATH] [--runs K] [--smoke]
--smoke: small batches and one run each, checks only that everything works (used by CTest).
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

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from make_batch import make_batch  # noqa: E402

MIB = 1024 * 1024
# multikevra-check's bounds: at most this many times the floor, by the number of entries.
CHECKER_BOUNDS = {10_000: 15, 100_000: 60}
CHECKER_PEAK_MIB = 64  # at 100,000 entries
CHECKER_GROWTH = 20  # the time at 100,000 entries, at most this many times that at 10,000


def timed(command, stdin_path, stdout_path, cwd):
    """Runs `command`; returns (seconds, peak resident KiB, exit status). The peak comes from
    /usr/bin/time: a child forked from this (large) interpreter would count its memory too."""
    with tempfile.NamedTemporaryFile() as report, open(stdin_path, "rb") as stdin, \
            open(stdout_path, "wb") as stdout:
        start = time.perf_counter()
        status = subprocess.call(["/usr/bin/time", "-q", "-f", "%M", "-o", report.name] + command,
                                 cwd=cwd, stdin=stdin, stdout=stdout)
        seconds = time.perf_counter() - start
        peak = int(pathlib.Path(report.name).read_text().split()[-1])
    return seconds, peak, status


def run_program(program, folder, runs):
    """Runs the program `runs` times on the batch in `folder`; the script is removed before
    each run so that every run writes a new file, as the floor does."""
    times, peaks = [], []
    for _ in range(runs):
        (folder / "multikevra.bat").unlink(missing_ok=True)
        seconds, peak, status = timed([program], folder / "answers.txt", os.devnull, folder)
        if status != 0:
            sys.exit(f"multikevra failed with status {status} in {folder}")
        times.append(seconds)
        peaks.append(peak)
    return statistics.median(times), max(peaks)


def run_floor(folder, runs, command):
    """The median time of `command` copying the script to a new file in the same folder."""
    times = []
    for _ in range(runs):
        (folder / "copy.bat").unlink(missing_ok=True)
        seconds, _, status = timed(command, os.devnull, folder / "copy.bat", folder)
        if status != 0:
            sys.exit(f"{command[0]} failed")
        times.append(seconds)
    (folder / "copy.bat").unlink(missing_ok=True)
    return statistics.median(times)


def run_checker(checker, folder, runs, count):
    """Runs the checker `runs` times on the script in `folder`; it must find the script of
    `count` entries clean. Returns the median time and the peak resident memory in KiB."""
    times, peaks = [], []
    report = folder / "check-report.txt"
    for _ in range(runs):
        seconds, peak, status = timed([checker], os.devnull, report, folder)
        times.append(seconds)
        peaks.append(peak)
    summary = report.read_text().splitlines()[-1]
    wanted = (f"multikevra.bat: {count} entries, chaining on, 2 files kept per entry: "
              "0 errors, 0 warnings")
    if status != 0 or summary != wanted:
        sys.exit(f"multikevra-check: status {status}, summary {summary!r}, expected {wanted!r}")
    return statistics.median(times), max(peaks)


def check_all(checker, work, sizes, runs, smoke):
    """Times the checker on each size's script beside a cat floor of the same run; on the full
    run, fails past CHECKER_BOUNDS and CHECKER_PEAK_MIB."""
    beyond = []
    times = {}
    for count in sizes:
        folder = work / f"n{count}"
        floor = run_floor(folder, runs, ["cat", "multikevra.bat"])
        seconds, peak = run_checker(checker, folder, runs, count)
        times[count] = seconds
        ratio = seconds / floor
        bound = None if smoke else CHECKER_BOUNDS.get(count)
        print(f"multikevra-check on N={count:,}: median {seconds:.3f} s, floor (cat) "
              f"{floor:.3f} s, checker/floor = {ratio:.2f}"
              + (f" (bound {bound})" if bound else "") + f", peak RSS {peak / 1024:.2f} MiB")
        if bound and ratio > bound:
            beyond.append(f"N={count:,}: {ratio:.2f} times the floor, bound {bound}")
        if not smoke and count == 100_000 and peak / 1024 > CHECKER_PEAK_MIB:
            beyond.append(f"N={count:,}: peak {peak / 1024:.0f} MiB, bound {CHECKER_PEAK_MIB}")
    if 10_000 in times and 100_000 in times:
        growth = times[100_000] / times[10_000]
        print(f"multikevra-check growth from N=10,000 to N=100,000: {growth:.1f} times"
              + ("" if smoke else f" (bound {CHECKER_GROWTH})"))
        if not smoke and growth > CHECKER_GROWTH:
            beyond.append(f"growth {growth:.1f} times, bound {CHECKER_GROWTH}")
    if beyond:
        sys.exit("multikevra-check beyond its bounds: " + "; ".join(beyond))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--checker")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--smoke", action="store_true")
    args = parser.parse_args()
    program = str(pathlib.Path(args.program).resolve())
    sizes = [1_000, 2_000, 10_000] if args.smoke else [10_000, 100_000, 1_000_000]
    runs = 1 if args.smoke else args.runs

    work = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-bench-"))
    try:
        results = {}
        for count in sizes:
            folder = work / f"n{count}"
            make_batch(count, folder)
            median, peak = run_program(program, folder, runs)
            script = (folder / "multikevra.bat").stat().st_size
            lines = (folder / "multikevra.bat").read_bytes().count(b"\r\n") \
                if args.smoke else None
            if lines is not None and lines != 2 + 4 * count:
                sys.exit(f"N={count}: {lines} script lines, expected {2 + 4 * count}")
            results[count] = (median, peak, script)
            print(f"N={count:>9,}: median {median:.3f} s over {runs} runs, script "
                  f"{script / MIB:.1f} MiB, {script / MIB / median:.0f} MiB/s, "
                  f"peak RSS {peak / 1024:.2f} MiB")

        largest, middle, smallest = sizes[-1], sizes[-2], sizes[0]
        folder = work / f"n{largest}"
        floor = run_floor(folder, runs, ["cat", "multikevra.bat"])
        median = results[largest][0]
        print(f"floor (cat script > copy, same folder): median {floor:.3f} s; "
              f"program/floor = {median / floor:.2f}")
        # cat may copy inside the kernel (copy_file_range); dd moves the bytes through a
        # buffer of the program's size, as the program itself must.
        through = run_floor(folder, runs, ["dd", "if=multikevra.bat", "bs=256K", "status=none"])
        print(f"copy through user space (dd bs=256K > copy): median {through:.3f} s; "
              f"program/that = {median / through:.2f}")
        print(f"time N={largest:,} / N={middle:,} = {median / results[middle][0]:.2f} "
              f"(linear: {largest / middle:.0f})")
        growth = (results[largest][1] - results[smallest][1]) / 1024
        print(f"peak RSS N={smallest:,}: {results[smallest][1] / 1024:.2f} MiB, "
              f"N={largest:,}: {results[largest][1] / 1024:.2f} MiB (growth {growth:+.2f} MiB)")
        # Judged on the full run only: the smoke run may be on an instrumented build.
        if abs(growth) > 1 and not args.smoke:
            sys.exit("peak memory grows with the number of entries")
        if args.checker:
            check_all(str(pathlib.Path(args.checker).resolve()), work, sizes, runs, args.smoke)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
