#!/usr/bin/env python3
"""Runs the shipped example's generated multikevra.bat for real, under Wine's own cmd.

The example's answers are replayed to multikevra.exe in a scratch folder, with the directory
answer replaced by that folder's Windows path (Wine shows the Linux tree as drive Z:). The
script then runs there with `cmd /c`, calling a stand-in tc.exe placed in the same folder
(tests/windows/tc_stand_in.cc), with each entry's data file beside it. Checked afterwards:
every run got exactly its two arguments, chaining carried each output into the next input, the
backup and every kept file hold the right bytes, nothing else was left behind, and cmd
reported no error. Then `multikevra-check.exe --after` finds the batch complete (status 0).

The same batch runs once more in a new folder without the third entry's data file, so that the
third run fails and writes no output, as kevra's run does when it cannot read its data. Then
`multikevra-check.exe --after` must name the third entry's keep lines (their copies took the
second run's files again: unchanged-output, or not-kept) and its summary the third entry as
the one that did not leave its kept files.

Usage: run_example_script.py --program multikevra.exe --checker multikevra-check.exe --tc tc.exe
                             --example EXAMPLE_DIR
"""

import csv
import pathlib
import re
import shutil
import sys
import tempfile
from xml.etree import ElementTree

from wine_run import test_arguments, wine

ORIGINAL_INPUT = b"quartz sample input\r\nSPACEGROUP P3221\r\n"
RAW_DATA = b"raw data\r\n"  # what the stand-in tc.exe reads from each data file


def prepare(args, example, work, leave_out=None, sample=ORIGINAL_INPUT):
    """Writes the example's script in `work` with multikevra.exe, beside the files the batch
    reads (without the data file of entry number `leave_out`; the sample input `sample`); returns
    the folder's Windows path and the data names."""
    work.mkdir()
    found = wine(["winepath", "-w", str(work)], cwd=work)
    folder = found.stdout.decode().strip()
    if found.returncode != 0 or not folder or " " in folder:
        sys.exit(f"no usable Windows path for {work}: {found.stdout} {found.stderr}")
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
    for number, name in enumerate(names, 1):  # the data files, which tc reads
        if number != leave_out:
            (work / name).write_bytes(RAW_DATA)
    (work / "quartz.inp").write_bytes(sample)
    (work / "quartz.out").write_bytes(b"an old output, deleted by the script\r\n")

    made = wine([args.program], cwd=work, stdin=(work / "answers.txt").read_bytes())
    if made.returncode != 0 or made.stderr:
        sys.exit(f"multikevra.exe failed: {made.returncode} {made.stderr.decode('latin-1')}")
    return folder, names


def check_after(args, work):
    """Runs multikevra-check.exe --after in `work`: its status and its report's lines."""
    checked = wine([args.checker, "--after"], cwd=work)
    return checked.returncode, checked.stdout.decode("latin-1").replace("\r\n", "\n").splitlines()


def complete_batch(args, example, work):
    """The whole batch under cmd; its problems (none: it passed)."""
    problems = []
    folder, names = prepare(args, example, work)
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

    status, report = check_after(args, work)
    summary = (f"multikevra.bat: {len(names)} entries, all of which left all their kept files; "
               "kept files written within ")
    if status != 0 or len(report) != 1 or not report[0].startswith(summary):
        problems.append(f"--after on the complete batch: status {status}, report {report}")
    return problems


def third_run_fails(args, example, work):
    """The batch with a third run that fails; the problems of what --after says of it."""
    prepare(args, example, work, leave_out=3)
    wine(["cmd", "/c", "multikevra.bat"], cwd=work)
    lines = (work / "multikevra.bat").read_bytes().decode("latin-1").split("\r\n")
    runs = [number for number, line in enumerate(lines, 1) if line.startswith("tc ")]
    third = runs[2]
    keeps = [number for number in range(third + 1, runs[3])
             if lines[number - 1].startswith("copy ") and "quartz" not in lines[number - 1]]
    status, report = check_after(args, work)
    findings = [line for line in report if re.match(r"multikevra\.bat:\d+: ", line)]
    named = {int(line.split(":")[1]) for line in findings
             if line.endswith(("[unchanged-output]", "[not-kept]"))}
    problems = []
    if status not in (1, 2) or named != set(keeps) or len(findings) != len(keeps):
        problems.append(f"--after does not name the third entry's keep lines {keeps}: "
                        f"status {status}, report {report}")
    if "; 1 entry did not leave its kept files: 3;" not in report[-1]:
        problems.append(f"--after's summary does not name entry 3: {report[-1]}")
    return problems, report


def values_of_the_night(args, example, work):
    """The batch with a third run that fails, its runs writing three refinement cycles of
    values: --after --value's table holds the last cycle's values of each entry done and none of
    the third; the page is XML with a plot per name and a point per entry done, its plot of a
    the picture README shows."""
    _, names = prepare(args, example, work, leave_out=3, sample=ORIGINAL_INPUT + b"cycles 3\r\n")
    wine(["cmd", "/c", "multikevra.bat"], cwd=work)
    values = ["a", "b", "c", "R_wp", "T"]
    wine([args.checker, "--after", "--table", "night.csv", "--plot", "night.html", "--x", "TEMP"]
         + [part for name in values for part in ("--value", name)], cwd=work)
    rows = list(csv.reader((work / "night.csv").read_text().splitlines()))
    problems = []
    for number, name in enumerate(names, 1):
        digits = re.sub(r"\D", "", name)
        # as the stand-in writes the third cycle: a = 4.9DDDD3(12), b: 1.3e-3(4), c 3.35(12)D1,
        # R_wp  7.30_0.03, T N +/- 2, with DDDD the data name's last four digits, N its number + 3
        wanted = [] if number == 3 else [f"4.9{digits[-4:]:0>4}3", "0.000012", "1.3e-3", "0.0004",
                                         "3.35E1", "1.2", "7.30", "0.03", str(int(digits) + 3), "2"]
        if rows[number][7:] != (wanted or [""] * 10):
            problems.append(f"the values of entry {number}: {rows[number][6:]}, not {wanted}")
    svg = "{http://www.w3.org/2000/svg}"
    plots = ElementTree.parse(work / "night.html").getroot().iter(svg + "svg")
    points = [len(list(plot.iter(svg + "circle"))) for plot in plots]
    if points != [3] * len(values):
        problems.append(f"the page's plots hold {points} points, not 3 in each of 5")
    shown = example / "night-a.svg"  # README's picture of this night
    first = re.search(r"<svg.*?</svg>", (work / "night.html").read_text(encoding="utf-8"), re.S)
    if first is None or first.group(0) + "\n" != shown.read_text(encoding="utf-8"):
        problems.append(f"the page's plot of a is not {shown}'s")
    return problems


def main():
    args = test_arguments("--example")
    example = pathlib.Path(args.example)

    scratch = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-script-"))
    try:
        problems = complete_batch(args, example, scratch / "quartz")
        failing, report = third_run_fails(args, example, scratch / "failing")
        failing += values_of_the_night(args, example, scratch / "values")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    if problems or failing:
        print("FAILED: the example's script under cmd")
        print("\n".join(problems + failing))
        return 1
    print("passed: the example's script ran its entries under cmd, and --after found it complete")
    print("passed: with the third run failing, --after reported:")
    print("\n".join("  " + line for line in report))
    print("passed: --value read the last cycle's values of each entry done, and none of the third")
    return 0


if __name__ == "__main__":
    sys.exit(main())
