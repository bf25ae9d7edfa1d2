#!/usr/bin/env python3
"""Very long lines: memory stays bounded by the field widths, not by the length of a line.

Every answer that can be long, each list-file name (unquoted and quoted) and each information
line is tens of megabytes long. The run must write the expected script (each value cut to its
field) and its peak memory must stay within a small margin of a run with short lines.

Usage: long_lines_test.py --program PATH
"""

import os
import pathlib
import subprocess
import sys

from fault_support import expected_script, program_path, report, scratch_folder

LONG = 32 << 20          # bytes in each long line
MARGIN_KB = 16 << 10     # allowed growth of the peak resident memory over the short run


def write_file(path, pieces):
    """Writes `pieces`: bytes, or (byte, count) for a long run of one byte, written a megabyte
    at a time so that this process stays small (a child's peak memory counts what its parent
    held when it was forked)."""
    with open(path, "wb") as out:
        for piece in pieces:
            if isinstance(piece, bytes):
                out.write(piece)
                continue
            byte, count = piece
            chunk = byte * (1 << 20)
            for _ in range(count >> 20):
                out.write(chunk)
            out.write(byte * (count & ((1 << 20) - 1)))


def run(program, folder):
    """Runs the program in `folder` on the file "answers"; returns (status, stderr, peak kB)."""
    with open(folder / "answers", "rb") as stdin:
        process = subprocess.Popen([program], cwd=folder, stdin=stdin,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        err = process.stderr.read()
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
    return process.returncode, err, usage.ru_maxrss


def main():
    program = program_path()
    with scratch_folder("multikevra-long-") as folder:
        # A short run first: the same questions, short lines.
        write_file(folder / "list.txt", [b"s01\n's02'\n"])
        write_file(folder / "info.txt", [b"i\na b\n"])
        write_file(folder / "answers",
                   [b"C:\\p\\\nlist.txt\n2\nbase\ny\ninfo.txt\ny\ny\n1\nout\n.s\n"])
        status, err, short_kb = run(program, folder)
        if status != 0:
            print("the short run failed:", status, err.decode("latin-1"))
            return 1

        write_file(folder / "list.txt", [(b"n", LONG), b" rest\n'", (b"q", LONG), b"'\n"])
        write_file(folder / "info.txt", [(b"i", LONG), b"\na b", (b" ", LONG), b"\n"])
        write_file(folder / "answers", [
            b"C:\\", (b"p", LONG), b"\n",          # directory path, cut to 132
            b"list.txt\n",
            (b"0", LONG), b"2\n",                    # the entry count behind leading zeros
            b"base ", (b"x", LONG), b"\n",           # input name: first word
            b"y\ninfo.txt\ny\n",
            (b"y", LONG), b"\n",                     # keep: the first character counts
            (b" ", LONG), b"1\n",                    # rename count behind blanks
            (b"o", LONG), b"\n",                     # output file name, cut to 20
            b".", (b"s", LONG), b"\n",               # suffix, cut to 20
        ])
        status, err, long_kb = run(program, folder)
        problems = []
        if status != 0:
            problems.append(f"status {status}, stderr {err[:500]!r}")
        p = ("C:\\" + "p" * LONG)[:132]
        kept = [[("o" * 20, "n" * 20)], [("o" * 20, "q" * 20)]]
        expected = expected_script(p, "base", [("n" * 80, "i" * 180, kept[0]),
                                               ("q" * 80, "a b ", kept[1])])
        script = (folder / "multikevra.bat").read_bytes()
        if script != expected:
            problems.append(f"script differs: {len(script)} bytes, expected {len(expected)}")
        print(f"peak memory: {short_kb} kB with short lines, {long_kb} kB with lines of "
              f"{LONG >> 20} MB")
        if long_kb > short_kb + MARGIN_KB:
            problems.append(f"memory grew with the line length: {long_kb} kB > "
                            f"{short_kb} kB + {MARGIN_KB} kB")
        return report(problems)


if __name__ == "__main__":
    sys.exit(main())
