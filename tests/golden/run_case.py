#!/usr/bin/env python3
"""Runs one end-to-end case of multikevra and compares every byte it leaves behind.

A case is a folder of plain files:

  about             one line: what the case shows (not read by the runner)
  stdin             the console input (absent: empty input)
  arguments         optional: the command-line arguments, one a line
  files/            the folder the program runs in, before the run (symbolic links kept)
  modes             optional lines "<path> <octal mode>", applied before the run ("." is the
                    run folder itself)
  times             optional lines "<path> <seconds since 1970>": the file's modification time,
                    set before the run
  user              optional "nobody": when the runner is root, the run folder is given to
                    that user and the program runs as it, from a copy in a folder under /tmp
                    that every user can reach (the checkout may lie in a closed folder)
  signal            optional "INT" or "TERM": sent once the program waits for input (its
                    input is then left open)
  interrupt-ignored optional: the program starts with interrupts ignored
  file-size-limit   optional: the program's file size limit in bytes, with SIGXFSZ ignored (a
                    write past the limit fails)
  environment       optional lines "NAME=VALUE" added to the program's environment (under Wine,
                    WINEPATH=FOLDER puts FOLDER, relative to the run folder, first on PATH)
  expected/status   "0", "1", ... or "abnormal" (ended by a signal, such as the abort)
  expected/stdout, expected/stderr
  expected/files/   every file in the run folder after the run, and nothing else
  skip-windows      optional: why the case cannot hold for the Windows program
  only-windows      optional: why the case holds only for the Windows program

Usage: run_case.py --program PATH [--wine] [--bless] CASE_DIR
With --wine the program runs under Wine; console line ends are compared as LF, and the run
folder's Windows name (Z:\tmp\...\run) reads as <run> in the output.
With --bless the expected outputs are written from this run instead of compared.
"""

import argparse
import difflib
import os
import pathlib
import pwd
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SKIPPED = 77  # ctest's SKIP_RETURN_CODE for this runner


def read_optional(path, default=b""):
    return path.read_bytes() if path.exists() else default


def copy_tree(source, target):
    for entry in sorted(source.iterdir()) if source.exists() else []:
        dest = target / entry.name
        if entry.is_symlink():
            os.symlink(os.readlink(entry), dest)
        elif entry.is_dir():
            dest.mkdir()
            copy_tree(entry, dest)
        else:
            shutil.copyfile(entry, dest)


def snapshot(folder):
    """Maps each path below `folder` to ('link', target), ('dir',) or ('file', bytes)."""
    found = {}
    for root, dirs, files in os.walk(folder):
        for name in dirs + files:
            path = pathlib.Path(root) / name
            rel = path.relative_to(folder).as_posix()
            if path.is_symlink():
                found[rel] = ("link", os.readlink(path))
            elif path.is_dir():
                found[rel] = ("dir",)
            else:
                os.chmod(path, os.stat(path).st_mode | 0o400)
                found[rel] = ("file", path.read_bytes())
    return found


def make_all_writable(folder):
    for root, dirs, _ in os.walk(folder):
        for name in dirs:
            os.chmod(os.path.join(root, name), 0o755)
    os.chmod(folder, 0o755)


def wait_until_waiting(process, quiet_seconds=0.3, limit_seconds=20):
    """Waits until the process has been asleep (waiting for input) for `quiet_seconds`."""
    start = time.monotonic()
    asleep_since = None
    while time.monotonic() - start < limit_seconds:
        if process.poll() is not None:
            return
        try:
            with open(f"/proc/{process.pid}/stat") as stat:
                state = stat.read().rsplit(")", 1)[1].split()[0]
        except OSError:
            return
        now = time.monotonic()
        if state == "S":
            asleep_since = asleep_since or now
            if now - asleep_since >= quiet_seconds:
                return
        else:
            asleep_since = None
        time.sleep(0.02)


def user_to_run_as(case):
    """The account the case runs the program as, or None (no `user` file, or not root)."""
    user = read_optional(case / "user").decode().strip()
    return pwd.getpwnam(user) if user and os.geteuid() == 0 else None


def copy_program(program, folder):
    """Copies the program into `folder` (made readable and searchable by everyone)."""
    folder.mkdir()
    os.chmod(folder, 0o755)
    copy = folder / pathlib.Path(program).name
    shutil.copyfile(program, copy)
    os.chmod(copy, 0o755)
    return str(copy)


def run(case, program, wine, run_dir):
    stdin = read_optional(case / "stdin")
    signal_name = read_optional(case / "signal").decode().strip()
    ignore_interrupt = (case / "interrupt-ignored").exists()
    size_limit = read_optional(case / "file-size-limit").decode().strip()
    as_user = user_to_run_as(case)

    if as_user:
        for root, dirs, files in os.walk(run_dir):
            for name in dirs + files:
                os.lchown(os.path.join(root, name), as_user.pw_uid, as_user.pw_gid)
        os.chown(run_dir, as_user.pw_uid, as_user.pw_gid)
    for line in read_optional(case / "modes").decode().splitlines():
        if line.strip():
            path, mode = line.split()
            os.chmod(run_dir / path, int(mode, 8))
    for line in read_optional(case / "times").decode().splitlines():
        if line.strip():
            path, seconds = line.rsplit(None, 1)
            os.utime(run_dir / path, (int(seconds), int(seconds)))

    def prepare_child():
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
        signal.signal(signal.SIGINT, signal.SIG_IGN if ignore_interrupt else signal.SIG_DFL)
        signal.signal(signal.SIGTERM, signal.SIG_DFL)
        if size_limit:
            resource.setrlimit(resource.RLIMIT_FSIZE, (int(size_limit), int(size_limit)))
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        if as_user:
            os.setgroups([])
            os.setgid(as_user.pw_gid)
            os.setuid(as_user.pw_uid)

    arguments = read_optional(case / "arguments").decode().splitlines()
    command = (["wine", program] if wine else [program]) + arguments
    env = dict(os.environ, WINEDEBUG="-all") if wine else dict(os.environ)
    for line in read_optional(case / "environment").decode().splitlines():
        name, _, value = line.partition("=")
        if name == "WINEPATH":
            value = windows_name(run_dir / value)
        env[name] = value
    process = subprocess.Popen(command, cwd=run_dir, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                               preexec_fn=prepare_child, env=env)
    if not signal_name:
        out, err = process.communicate(stdin, timeout=120)
        return process.returncode, out, err

    outputs = {}

    def drain(name, stream):
        outputs[name] = stream.read()

    readers = [threading.Thread(target=drain, args=(name, stream))
               for name, stream in (("out", process.stdout), ("err", process.stderr))]
    for reader in readers:
        reader.start()
    process.stdin.write(stdin)
    process.stdin.flush()
    wait_until_waiting(process)
    process.send_signal(getattr(signal, "SIG" + signal_name))
    try:
        process.wait(timeout=3)  # a signal that is not ignored ends the run at once
    except subprocess.TimeoutExpired:
        pass
    process.stdin.close()
    process.wait(timeout=120)
    for reader in readers:
        reader.join()
    return process.returncode, outputs["out"], outputs["err"]


def windows_name(path):
    """The name Wine gives the Linux path `path`: drive Z: is the Linux root."""
    return "Z:" + str(path).replace("/", "\\")


def run_in_fresh_folder(case, program, wine, run_dir):
    """Runs the case in run_dir, made anew from the case's files."""
    if run_dir.exists():
        shutil.rmtree(run_dir)
    run_dir.mkdir()
    copy_tree(case / "files", run_dir)
    result = run(case, program, wine, run_dir)
    make_all_writable(run_dir)
    return result


def status_text(returncode, wine):
    if returncode < 0 or (wine and returncode == 3):
        return "abnormal"
    return str(returncode)


def show(data):
    return data.decode("latin-1").replace("\r", "\\r").splitlines(keepends=True)


def compare(label, expected, actual, problems):
    if expected == actual:
        return
    diff = difflib.unified_diff(show(expected), show(actual), "expected " + label,
                                "actual " + label)
    problems.append("".join(diff) or f"{label}: {expected!r} != {actual!r}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--wine", action="store_true")
    parser.add_argument("--bless", action="store_true")
    parser.add_argument("case")
    args = parser.parse_args()
    case = pathlib.Path(args.case).resolve()
    program = str(pathlib.Path(args.program).resolve())

    if args.wine and (case / "skip-windows").exists():
        print("skipped on Windows:", (case / "skip-windows").read_text().strip())
        return SKIPPED
    if not args.wine and (case / "only-windows").exists():
        print("skipped here:", (case / "only-windows").read_text().strip())
        return SKIPPED

    # A case run as another user needs every folder above its files open to that user: the
    # work folder goes under /tmp then, whatever TMPDIR says.
    other_user = user_to_run_as(case) is not None
    work = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-case-",
                                         dir="/tmp" if other_user else None))
    os.chmod(work, 0o755)
    run_dir = work / "run"
    try:
        if other_user:
            program = copy_program(program, work / "program")
        returncode, out, err = run_in_fresh_folder(case, program, args.wine, run_dir)
        if args.wine and returncode == 1 and not out and not err:
            # The program writes its banner, or a diagnostic, before anything can end it with
            # status 1: a run without a byte of output never started. Wine has been seen to
            # fail so, rarely; one more try tells that from a fault of the program.
            print("Wine did not start the program: running it once more")
            returncode, out, err = run_in_fresh_folder(case, program, args.wine, run_dir)
        status = status_text(returncode, args.wine)
        if args.wine:
            out, err = out.replace(b"\r\n", b"\n"), err.replace(b"\r\n", b"\n")
            folder = windows_name(run_dir).encode()
            out, err = out.replace(folder, b"<run>"), err.replace(folder, b"<run>")
        after = snapshot(run_dir)

        expected = case / "expected"
        if args.bless:
            if expected.exists():
                shutil.rmtree(expected)
            (expected / "files").mkdir(parents=True)
            (expected / "status").write_text(status + "\n")
            (expected / "stdout").write_bytes(out)
            (expected / "stderr").write_bytes(err)
            copy_tree(run_dir, expected / "files")
            print("blessed", case.name)
            return 0

        problems = []
        compare("status", read_optional(expected / "status").strip(), status.encode(), problems)
        compare("stdout", read_optional(expected / "stdout"), out, problems)
        compare("stderr", read_optional(expected / "stderr"), err, problems)
        wanted = snapshot(expected / "files") if (expected / "files").exists() else {}
        for path in sorted(set(wanted) | set(after)):
            if path not in after:
                problems.append(f"missing after the run: {path}")
            elif path not in wanted:
                problems.append(f"unexpected after the run: {path}")
            elif wanted[path][0] != after[path][0] or wanted[path][0] != "file":
                if wanted[path] != after[path]:
                    problems.append(f"{path}: {wanted[path]} != {after[path]}")
            else:
                compare(path, wanted[path][1], after[path][1], problems)
        if problems:
            print(f"FAILED {case.name}")
            for problem in problems:
                print(problem)
            return 1
        print(f"passed {case.name}")
        return 0
    finally:
        make_all_writable(work)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
