#!/usr/bin/env python3
"""Standard streams that are closed when the program starts.

A file opened later would take the lowest free descriptor: with standard input closed, the run
script would become "standard input" and the answers would be read from it. The program must
first fill each missing standard stream with an empty input that takes no output (not the null
device: on some machines /dev/null is an ordinary file holding whatever was last written there):

  - standard input closed: the first answer meets the end of input (the usual diagnostic), and
    the old script is neither read as answers nor changed;
  - standard output closed: the prompts go nowhere, the script is written in full;
  - standard error closed: the diagnostic goes nowhere, no file takes its place;
  - two or three closed: nothing lands in the script; a run that ends early keeps the old one.

Usage: closed_streams_test.py --program PATH
"""

import os
import resource
import subprocess
import sys

from fault_support import program_path, report, scratch_folder

ANSWERS = b"D:\\x\\\nlist.txt\n1\nbase\nn\nn\nn\n"
SCRIPT = (b"copy D:\\x\\base.inp D:\\x\\base_orig.inp\r\ndel D:\\x\\base.out\r\n"
          b'tc D:\\x\\base "macro filename {s01} macro information { } #define GUI_LINES"\r\n')
# An old script that would be a complete set of answers, were it read as standard input.
OLD_SCRIPT = ANSWERS.replace(b"\n", b"\r\n")
BAD_COUNT = b"D:\\x\\\nlist.txt\nx\n"
# The streams closed, and the answers.
ROWS = [((0,), ANSWERS), ((1,), ANSWERS), ((2,), BAD_COUNT), ((0, 1), ANSWERS), ((0, 2), ANSWERS),
        ((1, 2), ANSWERS), ((1, 2), BAD_COUNT), ((0, 1, 2), ANSWERS)]
FILES = ["answers", "list.txt", "multikevra.bat", "stderr", "stdout"]  # and no other after a run
JUNK_IN_NULL = b"D:\\y\\\nlist.txt\nnot a number\n"


def run(program, folder, closed, stdin_bytes):
    (folder / "list.txt").write_bytes(b"s01\n")
    (folder / "multikevra.bat").write_bytes(OLD_SCRIPT)
    (folder / "answers").write_bytes(stdin_bytes)
    (folder / "stdout").write_bytes(b"")
    (folder / "stderr").write_bytes(b"")
    streams = [open(folder / name, mode) for name, mode in
               (("answers", "rb"), ("stdout", "wb"), ("stderr", "wb"))]

    def close_descriptor():
        # No core file from the diagnostic's abort either: it would be a file that appeared.
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
        # Where /dev/null is an ordinary file, answers found there must not be read either.
        null = os.open(os.devnull, os.O_WRONLY | os.O_TRUNC)
        os.write(null, JUNK_IN_NULL)
        os.close(null)
        for descriptor in closed:
            os.close(descriptor)

    try:
        process = subprocess.run([program], cwd=folder, stdin=streams[0], stdout=streams[1],
                                 stderr=streams[2], preexec_fn=close_descriptor, timeout=60)
    finally:
        for stream in streams:
            stream.close()
        if os.path.isfile(os.devnull):  # an ordinary file: leave it empty, as it was meant to be
            with open(os.devnull, "wb"):
                pass
    return (process.returncode, (folder / "stdout").read_bytes(),
            (folder / "stderr").read_bytes(), (folder / "multikevra.bat").read_bytes())


def main():
    program = program_path()
    problems = []
    with scratch_folder("multikevra-closed-") as folder:
        for closed, answers in ROWS:
            status, out, err, script = run(program, folder, closed, answers)
            early = 0 in closed or answers == BAD_COUNT  # the run ends before the first line
            end_of_input = err.startswith(b"fmt: end of file\napparent state: unit 5 ")
            if not ((status < 0 if early else status == 0) and not (1 in closed and out) and
                    (end_of_input if 0 in closed and 2 not in closed else not err) and
                    script == (OLD_SCRIPT if early else SCRIPT) and
                    sorted(os.listdir(folder)) == FILES):
                problems.append(f"{closed} closed: status {status}, stdout {out[:80]!r}, "
                                f"stderr {err!r}, script {script[:80]!r}")
    return report(problems)


if __name__ == "__main__":
    sys.exit(main())
