#!/usr/bin/env python3
"""The checker's errors are real: scripts with each hazard go wrong under Wine's own cmd.

For each row of HAZARDS, multikevra.exe writes a script in a scratch folder from a list file (and
an information file), with relative names (an empty directory path, unless the row gives one),
no chaining and one kept file per entry (kevra.hkl as data name + the row's suffix, ".hkl" by
default). The folder holds the sample input and, for each data name, a data file that the
stand-in tc.exe reads as kevra does. multikevra-check.exe checks the script there first: its
report must name the row's line with the row's tag. Then `cmd /c multikevra.bat` runs it with
the stand-in tc.exe (tests/windows/tc_stand_in.cc), and what came out is compared with what the
script's lines mean: each run's arguments and whether it read its data, each entry's kept file
and its bytes, the data files, the sample input and its backup, the folder's files. The
differences must be exactly the row's: the visible harm of that hazard. Findings are matched by
line and tag only, so the wording of messages may change.

MACHINE does the same for what a batch needs from the machine that runs it: each row sets up
the folder and the environment (where tc is, COPYCMD, data files missing or found by their stem,
a kept folder missing, kept files of an earlier batch), and multikevra-check.exe, run in that
folder with that environment, must name the row's line with its tag, or nothing for a near
miss. Then the batch runs under cmd (a batch that waits at copy's or del's question is ended
after a while, as nobody answers), what went wrong is compared with the row's harm, and
multikevra-check.exe --after must name the first entry that did not leave its kept files, or
none, and the row's finding of what the batch left, if it has one. A row with read-only files
runs the checker, cmd and --after as an ordinary user (made when this runs as root, with a Wine
prefix of its own): Wine shows the read-only attribute to everyone but refuses the write only
to a user whose file mode forbids it.

One finding has no row: a colon in a kept name (invalid-name). On NTFS the copy writes an
alternate data stream of another file; Wine stores the colon as an ordinary character of the
name, so it cannot show that. The checker's case invalid-name-colon covers the finding.

Usage: hazards_under_cmd.py --program multikevra.exe --checker multikevra-check.exe --tc tc.exe
"""

import os
import re
import shutil
import subprocess
import sys
import time

from wine_run import ordinary_user, run_rows, test_arguments, wine, wine_command

SAMPLE = b"sample input\r\n"
EARLIER_BACKUP = b"an earlier batch's sample input\r\n"
RAW_DATA = b"raw data\r\n"  # each data file, as the stand-in tc.exe expects it
# The files a run leaves besides the kept and data ones: inputs, the stand-in and what it writes.
KNOWN = {"answers.txt", "list.txt", "info.txt", "tc.exe", "tc.log", "multikevra.bat",
         "sample.inp", "sample_orig.inp", "sample.out", "kevra.hkl", "kevra.lst"}

# tag, data names (list file lines), information lines (None: not asked for), the line the
# checker must name (the first line of its cause), what goes wrong when cmd runs the script, and
# options: "suffix" (of the kept file) and "slashes" (the directory path is this folder's,
# written with forward slashes).
# Line 3 is the first entry's run line, 4 its keep line, 5 and 6 the second entry's.
HAZARDS = [
    ("split-name", ["'s 01'"], None, 4,
     ["the kept file 's 01.hkl' of entry 1 is missing"], {}),
    ("percent", ["s01"], ["RATE 50% of the beam"], 3,
     ["run 1 received ['sample', 'macro filename {s01} macro information {RATE 50 of the beam } "
      "#define GUI_LINES']"], {}),
    ("special-char", ["r&d"], None, 4,
     ["the kept file 'r&d.hkl' of entry 1 is missing", "an unexpected file 'r'"], {}),
    ("quote", ["s01"], ['TITLE "quartz 100K"'], 3,
     ["run 1 received ['sample', 'macro filename {s01} macro information {TITLE quartz', "
      "'100K } #define GUI_LINES']",
      "the kept file 's01.hkl' of entry 1 is missing"], {}),
    ("kept-collision", ["quartz_series_0100K_a", "quartz_series_0100K_b"], None, 6,
     ["the kept file 'quartz_series_0100K_' of entry 1 holds 'hkl of quartz_series_0100K_b'"],
     {}),
    ("kept-collision", ["S01", "s01"], None, 6,
     ["the kept file 'S01.hkl' of entry 1 holds 'hkl of s01'"], {}),
    ("invalid-name", ["s01", "s*1.xy"], None, 5,
     ["run 2 could not read its data file", "the kept file 's*1.xy.hkl' of entry 2 is missing"],
     {}),
    ("invalid-name", ["s01", "nul"], None, 5,
     ["run 2 could not read its data file", "the kept file 'nul.hkl' of entry 2 is missing"], {}),
    ("slash", ["s01"], None, 1,
     ["the backup 'sample_orig.inp' is missing", "the kept file 's01.hkl' of entry 1 is missing"],
     {"slashes": True}),
    ("plus", ["s+44.xy", "s45.xy"], None, 4,
     ["the kept file 's+44.xy.hkl' of entry 1 is missing", "an unexpected file 's'"], {}),
    ("overwrites-own-file", ["sample", "s02"], None, 4,
     ["the sample input holds 'hkl of sample'"], {"suffix": ".inp"}),
    ("overwrites-own-file", ["s01", "s01.hkl"], None, 5,
     ["run 2 could not read its data file",
      "the kept file 's01.hkl.hkl' of entry 2 holds 'hkl of s01'",
      "the data file 's01.hkl' holds 'hkl of s01'"], {}),
    ("overwrites-own-file", ["quartz_series_0100K", "s02"], None, 4,
     ["the kept file 'quartz_series_0100K.' of entry 1 is missing",
      "the data file 'quartz_series_0100K' holds 'hkl of quartz_series_0100K'"], {}),
]


# tag (None: a near miss, which must give no error), data names, the line the checker names, its
# exit status, what goes wrong under cmd, the first entry --after names as one that did not
# leave its kept files (None: every entry left them), and options: "tc" where tc is ("none":
# nowhere; "path": tc.exe only in bin\, first on PATH; "bat": a tc.bat wrapper in the folder
# that runs bin\tc.exe; "beside": tc.bat beside tc.exe), "env" (variables for both programs),
# "missing" (data names without a data file), "stems" (data files named with .xye after the
# data name), "chain" (chaining on), "directory" (P, a folder below this one, and "raw", made
# in it), "earlier" (data names whose kept files exist, from an earlier batch), "backup" (an
# earlier batch's backup exists), "readonly" (files made read-only), "folders" (folders made
# where the batch writes files), "after" (a finding --after must make, as (line, tag)), "utf16"
# (the list file saved as UTF-16, as PowerShell 5.1's > saves it), "list" (its encoding, by
# default the console's code page, 437 as Wine's cmd reads the batch in the C.UTF-8 locale). The
# answers are typed in the console's code page; a row's line may be a list of lines.
MACHINE = [
    ("no-tc", ["s01", "s02"], 3, 2,
     ["0 of 2 runs started", "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1, {"tc": "none"}),
    ("tc-is-batch", ["s01", "s02"], 3, 2,
     ["1 of 2 runs started", "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1, {"tc": "bat"}),
    ("missing-data", ["s01", "s02", "s03"], 5, 1,
     ["run 2 could not read its data file",
      "the kept file 's02.hkl' of entry 2 holds 'hkl of s01'"], 2, {"missing": ["s02"]}),
    ("no-folder", ["raw\\s01.xy", "raw\\s02.xy"], 4, 2,
     ["the kept file 'raw\\s01.xy.hkl' of entry 1 is missing",
      "the kept file 'raw\\s02.xy.hkl' of entry 2 is missing"], 1, {"directory": "work\\"}),
    ("copy-prompts", ["s01", "s02"], 4, 2,
     ["copy asked before it replaced a file", "1 of 2 runs started",
      "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1,
     {"env": {"COPYCMD": "/-Y"}, "chain": True}),
    ("replaces-kept", ["s01", "s02"], 4, 1,
     ["the earlier batch's kept file 's01.hkl' was replaced",
      "the earlier batch's kept file 's02.hkl' was replaced"], None, {"earlier": ["s01", "s02"]}),
    ("read-only", ["s01", "s02"], 4, 2, ["the runs were not chained"], None,
     {"chain": True, "readonly": ["sample.inp"], "after": (4, "not-chained")}),
    ("read-only", ["s01", "s02"], 1, 2, ["the backup 'sample_orig.inp' is an earlier batch's"],
     None, {"chain": True, "backup": True, "readonly": ["sample_orig.inp"]}),
    ("read-only", ["s01", "s02"], 4, 2, ["the kept file 's01.hkl' of entry 1 holds 'earlier'"], 1,
     {"earlier": ["s01"], "readonly": ["s01.hkl"], "after": (4, "stale")}),
    ("not-a-file", ["s01", "s02"], 4, 2, ["the kept file 's01.hkl' of entry 1 is a folder"], 1,
     {"folders": ["s01.hkl"], "after": (4, "not-kept")}),
    ("not-a-file", ["s01", "s02"], 1, 2, ["the backup 'sample_orig.inp' is a folder"], None,
     {"folders": ["sample_orig.inp"], "after": (1, "no-backup")}),
    ("not-a-file", ["s01", "s02"], 2, 2,
     ["del asked before it emptied a folder", "0 of 2 runs started",
      "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1, {"folders": ["sample.out"]}),
    ("overwrites-backup", ["s01", "s02"], 1, 1, [], None, {"backup": True}),
    ("not-text", ["s01", "s02"], 3, 2,
     ["0 of 2 runs started", "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1, {"utf16": True}),
    ("plus", ["s01", "s02"], 1, 2,
     ["the backup 'sample_orig.inp' is missing", "the kept file 's01.hkl' of entry 1 is missing",
      "the kept file 's02.hkl' of entry 2 is missing"], 1, {"directory": "run+2\\"}),
    (None, ["s01", "s02"], None, 0, [], None, {"readonly": ["sample.inp"]}),
    (None, ["s01", "s02"], None, 0, [], None, {"readonly": ["s01", "s02"], "chain": True}),
    (None, ["s01", "s02"], None, 0, [], None, {"readonly": ["tc.exe"], "chain": True}),
    (None, ["s01", "s02"], None, 0, [], None, {"tc": "path"}),
    (None, ["s01", "s02"], None, 0, [], None, {"tc": "beside"}),
    (None, ["raw\\s01.xy", "raw\\s02.xy"], None, 0, [], None,
     {"directory": "work\\", "raw": True}),
    (None, ["s01", "s02"], None, 0, [], None, {"env": {"COPYCMD": "/-Y"}}),
    (None, ["qz_0100K", "qz_0150K"], None, 0, [], None, {"stems": True}),
    (None, ["d\u00e901", "d\u00fc02"], None, 0, [], None,
     {"directory": "Z\u00fcrich\\Messung_\u00e9t\u00e9\\"}),
    ("missing-data", ["d\u00e901", "d\u00fc02"], [3, 5], 1,
     ["run 1 could not read its data file", "run 2 could not read its data file",
      "the kept file 'd\u00e901.hkl' of entry 1 is missing",
      "the kept file 'd\u00fc02.hkl' of entry 2 is missing"], 1, {"list": "utf-8"}),
]


def meant_names(list_lines):
    """The data names the list file gives (a quoted name keeps its blanks)."""
    return [line[1:-1] if line.startswith("'") else line for line in list_lines]


def what_went_wrong(work, names, infos, directory, suffix):
    """What the run in `work` did otherwise than the script's lines mean, in script order."""
    wrong = []
    if (work / "sample_orig.inp").exists():
        if (work / "sample_orig.inp").read_bytes() != SAMPLE:
            wrong.append("the backup 'sample_orig.inp' is not the sample input")
    else:
        wrong.append("the backup 'sample_orig.inp' is missing")
    log = (work / "tc.log").read_bytes().decode("latin-1") if (work / "tc.log").exists() else ""
    runs = log.splitlines()
    files = {path.name.lower(): path for path in work.iterdir()}  # names as Windows sees them
    for number, name in enumerate(names, 1):
        information = infos[number - 1] + " " if infos else " "
        meant = [directory + "sample", f"macro filename {{{name}}} macro information "
                 f"{{{information}}} #define GUI_LINES"]
        got = re.findall(r"\[([^]]*)\]", runs[number - 1]) if number <= len(runs) else None
        if got != meant:
            wrong.append(f"run {number} received {got}")
        elif runs[number - 1].endswith(" unreadable data"):
            wrong.append(f"run {number} could not read its data file")
        kept = (name + suffix)[:20]
        path = files.get(kept.lower())
        if path is None:
            wrong.append(f"the kept file '{kept}' of entry {number} is missing")
        elif path.read_bytes() != f"hkl of {name}\r\n".encode():
            held = path.read_bytes().decode("latin-1").strip()
            wrong.append(f"the kept file '{kept}' of entry {number} holds '{held}'")
    for name in names:
        data = files.get(name.lower())
        if data is not None and data.read_bytes() != RAW_DATA:
            wrong.append(f"the data file '{name}' holds "
                         f"'{data.read_bytes().decode('latin-1').strip()}'")
    if (work / "sample.inp").read_bytes() != SAMPLE:
        wrong.append(f"the sample input holds '{(work / 'sample.inp').read_text().strip()}'")
    expected = KNOWN | {(name + suffix)[:20].lower() for name in names}
    expected |= {name.lower() for name in names}
    wrong += [f"an unexpected file '{path.name}'" for key, path in sorted(files.items())
              if key not in expected]
    return wrong


def check_hazard(args, work, row):
    """Runs one row in the empty folder `work`; returns its problems (none: it passed)."""
    tag, list_lines, infos, line, harm, options = row
    suffix = options.get("suffix", ".hkl")
    directory = ""
    if options.get("slashes"):
        found = wine(["winepath", "-w", str(work)], cwd=work)
        directory = found.stdout.decode().strip().replace("\\", "/") + "/"
    (work / "list.txt").write_text("\n".join(list_lines) + "\n")
    for name in meant_names(list_lines):
        (work / name).write_bytes(RAW_DATA)
    answers = [directory, "list.txt", str(len(list_lines)), "sample"]
    if infos is None:
        answers.append("n")
    else:
        (work / "info.txt").write_text("\n".join(infos) + "\n")
        answers += ["y", "info.txt"]
    answers += ["n", "y", "1", "kevra.hkl", suffix]
    (work / "sample.inp").write_bytes(SAMPLE)
    shutil.copyfile(args.tc, work / "tc.exe")

    made = wine([args.program], cwd=work, stdin="\n".join(answers).encode() + b"\n")
    if made.returncode != 0 or made.stderr:
        return [f"multikevra.exe failed: {made.returncode} {made.stderr.decode('latin-1')}"]

    problems = []
    checked = wine([args.checker], cwd=work)
    report = checked.stdout.decode("latin-1")
    finding = re.compile(rf"^multikevra\.bat:{line}: error: .* \[{re.escape(tag)}\]\r?$",
                         re.MULTILINE)
    if checked.returncode != 2 or not finding.search(report):
        problems.append(f"the checker (status {checked.returncode}) does not name line {line} "
                        f"with [{tag}]:\n{report}")

    ran = wine(["cmd", "/c", "multikevra.bat"], cwd=work)
    wrong = what_went_wrong(work, meant_names(list_lines), infos, directory, suffix)
    if wrong != harm:
        problems.append("under cmd, expected to go wrong:\n  " + "\n  ".join(harm) +
                        "\nwent wrong:\n  " + "\n  ".join(wrong) +
                        "\ncmd reported: " + ran.stderr.decode("latin-1"))
    return problems


def make_machine(args, work, row):
    """Lays out the folder of a MACHINE row; returns the environment and the directory path."""
    tag, names, line, status, harm, after, options = row
    directory = options.get("directory", "")
    folder = work / directory.replace("\\", "/")
    folder.mkdir(parents=True, exist_ok=True)
    if options.get("raw"):
        (folder / "raw").mkdir()
    for name in names:
        if name not in options.get("missing", []):
            data = work / (name.replace("\\", "/") + (".xye" if options.get("stems") else ""))
            data.parent.mkdir(exist_ok=True)
            data.write_bytes(RAW_DATA)
    listed = ("\n".join(names) + "\n").encode(options.get("list", "cp437"))
    if options.get("utf16"):  # as PowerShell 5.1's > saves it
        listed = "".join(name + "\r\n" for name in names).encode("utf-16")
    (work / "list.txt").write_bytes(listed)
    chain = "y" if options.get("chain") else "n"
    answers = [directory, "list.txt", str(len(names)), "sample", "n", chain, "y", "1",
               "kevra.hkl", ".hkl"]
    (folder / "sample.inp").write_bytes(SAMPLE)
    earlier = [folder / (name + ".hkl") for name in options.get("earlier", [])]
    for path in earlier:
        path.write_bytes(b"earlier\r\n")
    if options.get("backup"):
        earlier.append(folder / "sample_orig.inp")
        earlier[-1].write_bytes(EARLIER_BACKUP)
    for path in earlier:  # an earlier batch's: a day old
        os.utime(path, (time.time() - 86400, time.time() - 86400))
    for name in options.get("folders", []):
        (folder / name).mkdir()
        (folder / name / "inside.txt").write_bytes(b"a file in the folder\r\n")
    env = dict(options.get("env", {}))
    place = options.get("tc", "here")
    if place in ("here", "beside"):
        shutil.copyfile(args.tc, work / "tc.exe")
    if place in ("path", "bat"):
        (work / "bin").mkdir()
        shutil.copyfile(args.tc, work / "bin" / "tc.exe")
        env["WINEPATH"] = "Z:" + str(work / "bin").replace("/", "\\")
    if place == "bat":
        (work / "tc.bat").write_bytes(b"@bin\\tc.exe %*\r\n")
    if place == "beside":
        (work / "tc.bat").write_bytes(b"@echo the wrapper ran\r\n")
    return env, directory, answers


def machine_went_wrong(work, names, directory, options, said):
    """What the run in `work` did otherwise than the script means, in script order."""
    wrong = ["copy asked before it replaced a file"] if b"Overwrite" in said else []
    if b"Are you sure" in said:
        wrong.append("del asked before it emptied a folder")
    backup = work / directory.replace("\\", "/") / "sample_orig.inp"
    if not backup.exists():
        wrong.append("the backup 'sample_orig.inp' is missing")
    elif backup.is_dir():
        wrong.append("the backup 'sample_orig.inp' is a folder")
    elif backup.exists() and backup.read_bytes() == EARLIER_BACKUP:
        wrong.append("the backup 'sample_orig.inp' is an earlier batch's")
    log = (work / "tc.log").read_bytes().decode("latin-1") if (work / "tc.log").exists() else ""
    runs = log.splitlines()
    if len(runs) < len(names):
        wrong.append(f"{len(runs)} of {len(names)} runs started")
    wrong += [f"run {number} could not read its data file"
              for number, run in enumerate(runs, 1) if run.endswith(" unreadable data")]
    for number, name in enumerate(names, 1):
        kept = (name + ".hkl")[:20]
        path = work / (directory + kept).replace("\\", "/")
        if path.is_dir():
            wrong.append(f"the kept file '{kept}' of entry {number} is a folder")
            continue
        if not path.exists():
            wrong.append(f"the kept file '{kept}' of entry {number} is missing")
            continue
        held = path.read_bytes()
        if held != f"hkl of {name}\r\n".encode("cp1252"):  # as the stand-in's arguments give it
            wrong.append(f"the kept file '{kept}' of entry {number} holds "
                         f"'{held.decode('latin-1').strip()}'")
        elif name in options.get("earlier", []):
            wrong.append(f"the earlier batch's kept file '{kept}' was replaced")
    sample = (work / directory.replace("\\", "/") / "sample.inp").read_bytes()
    chained = SAMPLE + b"".join(f"run of {name}\r\n".encode("cp1252") for name in names)
    if options.get("chain") and len(runs) == len(names) and sample != chained:
        wrong.append("the runs were not chained")
    return wrong


def run_waiting(work, env, user, seconds=8):
    """Runs the script under cmd (as `user`, when given) with a console nobody answers; returns
    what cmd wrote. A batch that waits for an answer is ended after `seconds`."""
    read_end, write_end = os.pipe()  # stays open and empty: a question waits
    process = subprocess.Popen(wine_command(user) + ["cmd", "/c", "multikevra.bat"], cwd=work,
                               stdin=read_end,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               env=dict(os.environ, WINEDEBUG="-all", **env))
    os.close(read_end)
    try:
        said, _ = process.communicate(timeout=seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        said, _ = process.communicate()
    os.close(write_end)
    return said


def check_machine(args, work, row):
    """Runs one MACHINE row in the empty folder `work`; returns its problems."""
    tag, names, line, status, harm, after, options = row
    env, directory, answers = make_machine(args, work, row)
    # typed at the console, in its code page
    made = wine([args.program], cwd=work, stdin="\n".join(answers).encode("cp437") + b"\n")
    if made.returncode != 0 or made.stderr:
        return [f"multikevra.exe failed: {made.returncode} {made.stderr.decode('latin-1')}"]

    user = None
    checker = args.checker
    if options.get("readonly"):
        user = ordinary_user()
        if user:  # the checkout may lie in a folder that user cannot enter
            checker = str(shutil.copy(args.checker, work))
            for path in [work, *work.rglob("*")]:
                os.lchown(path, user.pw_uid, user.pw_gid)
        for name in options["readonly"]:
            os.chmod(work / name, 0o444)
    problems = []
    checked = wine([checker], cwd=work, env=env, user=user)
    report = checked.stdout.decode("latin-1")
    findings = re.findall(r"^multikevra\.bat:(\d+): \w+: .* \[([a-z-]+)\]\r?$", report,
                          re.MULTILINE)
    wanted = [(str(number), tag) for number in ([line] if isinstance(line, int) else line or [])]
    if checked.returncode != status or findings != wanted:
        problems.append(f"the checker (status {checked.returncode}) does not name only "
                        f"{wanted} with status {status}:\n{report}")

    said = run_waiting(work, env, user)
    wrong = machine_went_wrong(work, names, directory, options, said)
    if wrong != harm:
        problems.append("under cmd, expected to go wrong:\n  " + "\n  ".join(harm) +
                        "\nwent wrong:\n  " + "\n  ".join(wrong) +
                        "\ncmd said: " + said.decode("latin-1")[-2000:])

    summary = wine([checker, "--after"], cwd=work, env=env, user=user).stdout.decode("latin-1")
    named = re.search(r"did not leave (?:its|their) kept files: (\d+)", summary)
    if (int(named.group(1)) if named else None) != after:
        problems.append(f"--after does not name entry {after} first:\n{summary}")
    if "after" in options and not re.search(
            rf"^multikevra\.bat:{options['after'][0]}: \w+: .* \[{options['after'][1]}\]\r?$",
            summary, re.MULTILINE):
        problems.append(f"--after does not name {options['after']}:\n{summary}")
    return problems


def main():
    args = test_arguments()

    def described(row, passing):
        if row in MACHINE:
            what = f"{row[0] or 'near miss'} ({', '.join(row[1])}; {row[6]})"
            said = (f"line {row[2]} named; under cmd: " + "; ".join(row[4]) if row[0]
                    else "nothing named, and it ran right")
        else:
            what = f"{row[0]} ({', '.join(row[1])})"
            said = f"line {row[3]} named; under cmd: " + "; ".join(row[4])
        return f"passed {what}: {said}" if passing else f"FAILED {what}:"

    return run_rows([(lambda work, row=row: (check_machine if row in MACHINE else check_hazard)(
        args, work, row), lambda passing, row=row: described(row, passing))
        for row in MACHINE + HAZARDS], "multikevra-hazard-")


if __name__ == "__main__":
    sys.exit(main())
