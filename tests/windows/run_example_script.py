#!/usr/bin/env python3
"""Runs the shipped example's generated multikevra.bat for real, under Wine's own cmd.

The example's answers are replayed to multikevra.exe in a scratch folder, with the directory
answer replaced by that folder's Windows path (Wine shows the Linux tree as drive Z:). The
script then runs there with `cmd /c`, calling a stand-in tc.exe placed in the same folder
(tests/windows/tc_stand_in.cc), with each entry's data file beside it. Checked afterwards:
every run got exactly its two arguments, chaining carried each output into the next input, the
backup and every kept file hold the right bytes, nothing else was left behind, and cmd
reported no error.

Usage: run_example_script.py --program multikevra.exe --tc tc.exe --example EXAMPLE_DIR
"""

import argparse
import pathlib
import shutil
import sys
import tempfile

from wine_run import wine

ORIGINAL_INPUT = b"quartz sample input\r\nSPACEGROUP P3221\r\n"
RAW_DATA = b"raw data\r\n"  # what the stand-in tc.exe reads from each data file


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--tc", required=True)
    parser.add_argument("--example", required=True)
    args = parser.parse_args()
    example = pathlib.Path(args.example)

    work = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-script-")) / "quartz"
    work.mkdir()
    problems = []
    try:
        found = wine(["winepath", "-w", str(work)], cwd=work)
        folder = found.stdout.decode().strip()
        if found.returncode != 0 or not folder or " " in folder:
            print("no usable Windows path for", work, found.stdout, found.stderr)
            return 1
        folder += "\\"

        # The example's answers, but with this folder as the directory.
        answers = (example / "answers.txt").read_bytes().split(b"\n")
        answers[0] = folder.encode()
        (work / "answers.txt").write_bytes(b"\n".join(answers))
        for name in ("datasets.lst", "ranges.txt"):
            shutil.copyfile(example / name, work / name)
        shutil.copyfile(args.tc, work / "tc.exe")
        names = [line.split()[0] for line in (example / "datasets.lst").read_text().splitlines()
                 if line.strip()]
        for name in names:  # the data files, which tc reads
            (work / name).write_bytes(RAW_DATA)
        (work / "quartz.inp").write_bytes(ORIGINAL_INPUT)
        (work / "quartz.out").write_bytes(b"an old output, deleted by the script\r\n")

        made = wine([args.program], cwd=work, stdin=(work / "answers.txt").read_bytes())
        if made.returncode != 0 or made.stderr:
            print("multikevra.exe failed:", made.returncode, made.stderr.decode("latin-1"))
            return 1

        ran = wine(["cmd", "/c", "multikevra.bat"], cwd=work)
        console = ran.stdout.decode("latin-1")
        if ran.returncode != 0:
            problems.append(f"cmd ended with status {ran.returncode}")
        if ran.stderr:
            problems.append("cmd reported: " + ran.stderr.decode("latin-1"))
        # cmd echoes each command after its prompt: every script line, as one command each.
        script_lines = (work / "multikevra.bat").read_bytes().decode("latin-1").split("\r\n")
        echoed = [line.split(">", 1)[1].rstrip() for line in console.splitlines()
                  if line.startswith(folder[:-1] + ">")]
        if echoed != script_lines[:-1] or script_lines[-1] != "":
            problems.append(f"cmd did not run the script's lines one by one:\n{console}")

        infos = [line.split("             ")[0].rstrip() + " "
                 for line in (example / "ranges.txt").read_text().splitlines()]
        expected_log = b"".join(
            f"2 [{folder}quartz] [macro filename {{{name}}} macro information {{{info}}}"
            f" #define GUI_LINES]\r\n".encode() for name, info in zip(names, infos))

        expected = {
            "answers.txt": None, "datasets.lst": None, "ranges.txt": None, "tc.exe": None,
            "multikevra.bat": None,
            "tc.log": expected_log,
            "quartz_orig.inp": ORIGINAL_INPUT,
        }
        listing = ORIGINAL_INPUT
        for name in names:
            expected[name] = RAW_DATA
            listing += f"run of {name}\r\n".encode()
            expected[f"{name}.hkl"] = f"hkl of {name}\r\n".encode()
            expected[f"{name}_fit.lst"] = listing
        expected["quartz.out"] = listing
        expected["quartz.inp"] = listing  # the last run's output, chained
        expected["kevra.lst"] = listing
        expected["kevra.hkl"] = f"hkl of {names[-1]}\r\n".encode()

        present = {path.name for path in work.iterdir()}
        for name in sorted(present | set(expected)):
            if name not in present:
                problems.append(f"missing after the run: {name}")
            elif name not in expected:
                problems.append(f"unexpected after the run: {name}")
            elif expected[name] is not None and (work / name).read_bytes() != expected[name]:
                problems.append(f"{name}: expected {expected[name]!r}, "
                                f"found {(work / name).read_bytes()!r}")
    finally:
        shutil.rmtree(work.parent, ignore_errors=True)

    if problems:
        print("FAILED: the example's script under cmd")
        print("\n".join(problems))
        return 1
    print(f"passed: the example's script ran {len(names)} entries under cmd")
    return 0


if __name__ == "__main__":
    sys.exit(main())
