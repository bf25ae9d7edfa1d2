#!/usr/bin/env python3
"""The morning after, under Wine's own cmd: --after --rerun and the commands it prints.

Each row of NIGHTS is a batch written by multikevra.exe in a scratch folder (relative names,
sample input "sample", the stand-in tc.exe), some of whose data files are missing, so that those
runs fail. cmd runs it; the missing data files are then made (the morning's mend), and a lone
copy of multikevra-check.exe, in a folder of its own, runs --after --rerun there: it writes
rerun.lst, rerun.inf and rerun.ans and prints the commands to type. As README advises, the
writer multikevra.exe lies in a folder of its own on PATH, none in the batch's folder (or, where
the row says "beside", beside the checker only, and not on PATH). The commands are typed at a
Command Prompt in the batch's folder, as printed. Then: the rerun batch's lines are the night's
lines of the entries run again, byte for byte; --after finds every entry of the rerun done; the
entries not run again keep their kept files' bytes; the night's backup, script and (with
chaining) sample input are kept where the checker said; with chaining the first run of the rerun
starts from the entry before's output, or, when that was not kept, the whole batch from the
original sample input.

FAILING does the same where the writer's line fails: no multikevra.exe on PATH nor beside the
checker, or a writer that ends with status 3 (its list file gone) after writing the batch's
opening lines. The night's batch must not run again (no run of tc), nor the rerun's first lines.

Two more: an existing rerun.lst stays as it was, and the checker ends with status 3 and writes
nothing; data names s01.xy and .\\s01.xy are one file, so the second entry's keep line replaces
the first's kept file, and --after names the first's keep line with replaced.

Usage: rerun_under_cmd.py --program multikevra.exe --checker multikevra-check.exe --tc tc.exe
"""

import pathlib
import re
import shutil
import sys

from wine_run import run_rows, test_arguments, type_at_console, wine

SAMPLE = b"sample input\r\n"
RAW_DATA = b"raw data\r\n"

# what, data names, the ones missing at night, information lines (None: none), chaining, the kept
# files (output file name, suffix), the entries (from 1) --rerun must run again, where the writer
# lies ("path": a folder of its own on PATH; "beside": beside the checker).
NIGHTS = [
    ("no chaining, with information", ["s01", "it's02", "s03", "s04"], ["it's02", "s04"],
     ["TEMP  100", "TEMP  150", "TEMP 200", "TEMP  250"], False, [("kevra.hkl", ".hkl")], [2, 4],
     "path"),
    ("chaining, tc's output kept", ["s01", "s02", "s03", "s04"], ["s03"], None, True,
     [("kevra.hkl", ".hkl"), ("sample.out", ".out")], [3, 4], "path"),
    ("chaining, tc's output not kept, the writer beside the checker", ["s01", "s02", "s03"],
     ["s02"], None, True, [("kevra.hkl", ".hkl")], [1, 2, 3], "beside"),
]

# The writer's line failing: no writer where cmd or the checker looks ("none"), or one that ends
# with status 3 after writing the batch's opening lines ("fails").
FAILING = ["none", "fails"]


def night(args, work, names, missing, infos, chain, keeps):
    """Writes the batch in `work` and runs it under cmd; returns the script's bytes."""
    shutil.copyfile(args.tc, work / "tc.exe")
    quoted = ("'" + name.replace("'", "''") + "'" for name in names)
    (work / "list.txt").write_text("".join(f"{item}\n" for item in quoted))
    for name in names:
        if name not in missing:
            (work / name).write_bytes(RAW_DATA)
    (work / "sample.inp").write_bytes(SAMPLE)
    answers = ["", "list.txt", str(len(names)), "sample"]
    if infos is None:
        answers.append("n")
    else:
        (work / "info.txt").write_text("\n".join(infos) + "\n")
        answers += ["y", "info.txt"]
    answers += ["y" if chain else "n", "y", str(len(keeps))]
    for output, suffix in keeps:
        answers += [output, suffix]
    made = wine([args.program], cwd=work, stdin="\n".join(answers).encode() + b"\n")
    if made.returncode != 0:
        sys.exit(f"multikevra.exe failed: {made.stderr.decode('latin-1')}")
    for attempt in range(2):  # the night is the test's ground: a night Wine failed is said
        ran = wine(["cmd", "/c", "multikevra.bat"], cwd=work)
        log = (work / "tc.log").read_bytes() if (work / "tc.log").exists() else b""
        if log.count(b"\n") == len(names):
            break
        said = (f"the night under cmd (status {ran.returncode}) started {log.count(10)} of "
                f"{len(names)} runs; cmd said:\n" + (ran.stdout + ran.stderr).decode("latin-1"))
        if attempt > 0:
            raise RuntimeError(said)
        print(said + "\nrunning the night once more")
        (work / "tc.log").unlink(missing_ok=True)
        (work / "sample.inp").write_bytes(SAMPLE)
    return (work / "multikevra.bat").read_bytes()


def entry_lines(script):
    """The script's opening lines, and each entry's lines from its run line on."""
    lines = script.split(b"\r\n")[:-1]
    runs = [i for i, line in enumerate(lines) if line.startswith(b"tc ")]
    return lines[:2], [lines[a:b] for a, b in zip(runs, runs[1:] + [len(lines)])]


def run_morning(args, work, writer):
    """Runs a lone copy of the checker with --after --rerun in `work`, the writer lying as
    `writer` says; returns the commands it printed (None, having said so, when it printed none)
    and the variables of the window to type them in."""
    for folder in ("bin", "check"):
        (work / folder).mkdir()
    checker = shutil.copy(args.checker, work / "check")
    env = {}
    if writer == "path":
        shutil.copy(args.program, work / "bin")
        env["WINEPATH"] = "Z:" + str(work / "bin").replace("/", "\\")
    if writer == "beside":
        shutil.copy(args.program, work / "check")
    said = wine([checker, "--after", "--rerun"], cwd=work, env=env)
    report = said.stdout.decode("latin-1").replace("\r\n", "\n").splitlines()
    if "multikevra.bat: note: type these commands, in order:" not in report:
        print(f"--after --rerun (status {said.returncode}) printed no commands:\n" +
              "\n".join(report))
        return None, env
    return report[report.index("multikevra.bat: note: type these commands, in order:") + 1:], env


def check_night(args, work, row):
    """Runs one row of NIGHTS in the empty folder `work`; returns its problems."""
    _, names, missing, infos, chain, keeps, again, writer = row
    script = night(args, work, names, missing, infos, chain, keeps)
    kept = {path.name: path.read_bytes() for path in work.iterdir()
            if path.suffix in (".hkl", ".out") and path.name != "sample.out"}
    for name in missing:  # the morning's mend
        (work / name).write_bytes(RAW_DATA)
    commands, env = run_morning(args, work, writer)
    if commands is None:
        return ["no commands to type"]
    if writer == "beside" and not commands[-2].startswith('"Z:'):
        return [f"the writer is not named by its full path: {commands[-2]}"]
    type_at_console(work, commands, env)

    problems = []
    opening, entries = entry_lines(script)
    rerun_opening, rerun_entries = entry_lines((work / "multikevra.bat").read_bytes())
    if rerun_opening != opening or rerun_entries != [entries[k - 1] for k in again]:
        problems.append(f"the rerun's lines are not the night's of entries {again}")
    morning = wine([args.checker, "--after"], cwd=work).stdout.decode("latin-1").splitlines()
    whole = f"multikevra.bat: {len(again)} entr{'y' if len(again) == 1 else 'ies'}, "
    if not morning or not morning[-1].startswith(whole + ("which" if len(again) == 1 else
                                                         "all of which") + " left all"):
        problems.append("--after on the rerun does not find every entry done:\n" +
                        "\n".join(morning))
    for number, name in enumerate(names, 1):
        for _, suffix in keeps:
            if number not in again and (work / (name + suffix)).read_bytes() != kept[name + suffix]:
                problems.append(f"the kept file {name + suffix} of entry {number} changed")
    nights = {pathlib.Path(re.findall(r'"([^"]*)"', c)[0]).name: re.findall(r'"([^"]*)"', c)[1]
              for c in commands if c.startswith(("copy ", "ren ")) and ".night" in c}
    if (work / nights.get("sample_orig.inp", "?")).read_bytes() != SAMPLE:
        problems.append("the night's backup, the original sample input, was not kept")
    if (work / nights.get("multikevra.bat", "?")).read_bytes() != script:
        problems.append("the night's script was not kept")
    if chain:
        first = again[0]
        before = (b"".join(f"run of {n}\r\n".encode() for n in names[:first - 1]))
        if (work / (names[first - 1] + ".hkl")).read_bytes() != f"hkl of {names[first - 1]}\r\n".encode():
            problems.append(f"entry {first} left no output of its own")
        if (".out" in [s for _, s in keeps] and (work / (names[first - 1] + ".out")).read_bytes()
                != SAMPLE + before + f"run of {names[first - 1]}\r\n".encode()):
            problems.append(f"the rerun's first run, entry {first}, did not start from entry "
                            f"{first - 1}'s output")
        if (work / "sample.out").read_bytes() != SAMPLE + b"".join(
                f"run of {n}\r\n".encode() for n in names):
            problems.append("the rerun's last output is not the chain of every entry")
    return problems


def check_failing(args, work, how):
    """The writer's line fails: neither the night's batch nor the rerun's first lines run."""
    script = night(args, work, ["s01", "s02"], ["s02"], None, False, [("kevra.hkl", ".hkl")])
    (work / "s02").write_bytes(RAW_DATA)
    runs = (work / "tc.log").read_bytes()
    commands, env = run_morning(args, work, "path" if how == "fails" else "none")
    if commands is None:
        return ["no commands to type"]
    if how == "fails":
        (work / "rerun.lst").unlink()  # the writer finds no entry: status 3
    shown = type_at_console(work, commands, env)
    problems = []
    if (work / "tc.log").read_bytes() != runs:
        problems.append("tc ran again:\n" + shown.decode("latin-1"))
    if not (work / "sample.out").exists():
        problems.append("the rerun's del line ran")
    if (work / "multikevra.bat.night").read_bytes() != script:
        problems.append("the night's script was not kept")
    return problems


def check_existing_list(args, work):
    """An existing rerun.lst: status 3, nothing written, the file as it was."""
    night(args, work, ["s01", "s02"], ["s02"], None, False, [("kevra.hkl", ".hkl")])
    (work / "rerun.lst").write_bytes(b"an earlier rerun's list\r\n")
    said = wine([args.checker, "--after", "--rerun"], cwd=work)
    if said.returncode != 3 or (work / "rerun.ans").exists() or \
            (work / "rerun.lst").read_bytes() != b"an earlier rerun's list\r\n":
        return [f"an existing rerun.lst: status {said.returncode}, {said.stderr!r}"]
    return []


def check_replaced(args, work):
    """s01.xy and .\\s01.xy: the second entry's keep line replaces the first's kept file."""
    night(args, work, ["s01.xy", ".\\s01.xy"], [".\\s01.xy"], None, False, [("kevra.hkl", ".hkl")])
    report = wine([args.checker, "--after"], cwd=work).stdout.decode("latin-1")
    if not re.search(r"^multikevra\.bat:4: error: .*\[replaced\]\r?$", report, re.MULTILINE):
        return ["--after does not name line 4 with [replaced]:\n" + report]
    return []


def main():
    args = test_arguments()
    rows = [(lambda w, row=row: check_night(args, w, row), row[0]) for row in NIGHTS]
    rows += [(lambda w, how=how: check_failing(args, w, how), f"the writer's line fails ({how})")
             for how in FAILING]
    rows += [(lambda w: check_existing_list(args, w), "an existing rerun.lst"),
             (lambda w: check_replaced(args, w), "s01.xy and .\\s01.xy")]
    return run_rows([(check, lambda passing, what=what: ("passed " if passing else "FAILED ") +
                      what) for check, what in rows], "multikevra-rerun-")


if __name__ == "__main__":
    sys.exit(main())
