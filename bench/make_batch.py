#!/usr/bin/env python3
"""Writes a large batch for multikevra into a folder: N names in the list file, N information
lines of realistic length (each with an inner run of 14 blanks before a note that the program
drops), and the answers for information on, chaining on and two kept output files.

Usage: make_batch.py N FOLDER
"""

import pathlib
import sys

CHUNK = 10_000  # lines written at a time: memory stays small for any N


def make_batch(count, folder):
    folder = pathlib.Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    with open(folder / "list.txt", "w", newline="\n") as names, \
            open(folder / "info.txt", "w", newline="\n") as infos:
        for start in range(0, count, CHUNK):
            stop = min(count, start + CHUNK)
            names.write("".join(f"scan{i:07d}\n" for i in range(start, stop)))
            infos.write("".join(
                f"TEMP {100 + i % 300} WL 0.70930 2TH 5 120 STEP 0.01"
                + " " * 14 + f"operator note {i % 97}, not part of the text\n"
                for i in range(start, stop)))
    answers = ["C:\\lab\\batch\\", "list.txt", str(count), "sample", "y", "info.txt", "y", "y",
               "2", "refine.hkl", "_a.hkl", "refine.par", ".prm"]
    (folder / "answers.txt").write_text("\n".join(answers) + "\n")


if __name__ == "__main__":
    make_batch(int(sys.argv[1]), sys.argv[2])
