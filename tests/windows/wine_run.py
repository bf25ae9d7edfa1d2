"""Running Windows programs under Wine, for the Windows tests of tests/windows."""

import argparse
import os
import pathlib
import pty
import pwd
import select
import shutil
import subprocess
import tempfile
import termios
import time

# The ordinary user that root runs Wine as where a file's read-only attribute must count: Wine
# refuses a write to a read-only file only to a user whose file mode forbids it. Its home holds
# its own Wine prefix.
USER = "multikevra-wine"
USER_HOME = "/var/tmp/multikevra-wine-user"


def ordinary_user():
    """The account to run Wine as for the read-only cases, made when missing (as root); None
    when this process is no root: it is such a user itself."""
    if os.geteuid() != 0:
        return None
    try:
        return pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--create-home", "--home-dir", USER_HOME,
                        "--shell", "/usr/sbin/nologin", USER], check=True)
        return pwd.getpwnam(USER)


def wine_command(user=None):
    """The command that starts `wine`, as `user` (a pwd entry) with its own prefix, or as this
    process."""
    if user is None:
        return ["wine"]
    return ["runuser", "-u", user.pw_name, "--", "env", f"HOME={user.pw_dir}",
            f"WINEPREFIX={user.pw_dir}/wine-prefix", "wine"]


def wine(args, cwd, stdin=b"", env=None, user=None):
    """Runs `wine ARGS` in `cwd` with `stdin` as its input, and the variables `env` added to the
    environment (as `user`, when given); returns the CompletedProcess.

    The programs run here (multikevra.exe, multikevra-check.exe, cmd running a script, which
    echoes its lines) all write something whatever their status: a run with no output at all
    never started. Wine has been seen to fail so, rarely; such a run is tried once more, saying
    so."""
    env = dict(os.environ, WINEDEBUG="-all", **(env or {}))
    for attempt in range(2):
        ran = subprocess.run(wine_command(user) + args, cwd=cwd, input=stdin, capture_output=True,
                             env=env, timeout=120)
        if ran.stdout or ran.stderr or attempt > 0:
            return ran
        print(f"Wine did not start {args[0]}: running it once more")
    return ran


def test_arguments(*extra):
    """Parses a Windows test's options, --program, --checker, --tc and the options `extra`,
    each required; the two programs' paths are made absolute, as the tests run them in scratch
    folders."""
    parser = argparse.ArgumentParser()
    for option in ("--program", "--checker", "--tc", *extra):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    args.program, args.checker = (str(pathlib.Path(name).resolve())
                                  for name in (args.program, args.checker))
    return args


def run_rows(rows, prefix):
    """Runs each row (check, said) of a test's table: check(work) in an empty scratch folder
    named with `prefix` gives the row's problems (a RuntimeError's text is one), said(passed)
    the line printed for it, followed by the problems. Returns the exit status: 1 when a row
    failed, else 0."""
    failed = 0
    for check, said in rows:
        work = pathlib.Path(tempfile.mkdtemp(prefix=prefix))
        try:
            problems = check(work)
        except RuntimeError as failure:
            problems = [str(failure)]
        finally:
            shutil.rmtree(work, ignore_errors=True)
        print(said(not problems))
        if problems:
            failed += 1
            print("\n".join(problems))
    return 1 if failed else 0


def read_until(fd, wanted, seconds):
    """Reads the terminal `fd` until `wanted` has appeared or `seconds` have passed."""
    seen = b""
    end = time.monotonic() + seconds
    while wanted not in seen and time.monotonic() < end:
        ready, _, _ = select.select([fd], [], [], 0.1)
        if ready:
            try:
                data = os.read(fd, 4096)
            except OSError:  # the program has ended
                break
            if not data:
                break
            seen += data
    return seen


def wait_for_console(fd, seconds=60):
    """Waits until Wine's console has taken the terminal (line editing off), so that a typed
    carriage return reaches it as Enter. An interrupt character still raises an interrupt."""
    end = time.monotonic() + seconds
    while termios.tcgetattr(fd)[3] & termios.ICANON and time.monotonic() < end:
        time.sleep(0.05)


def type_at_console(work, commands, env=None):
    """Types each of `commands` at a Command Prompt in `work` (Wine's cmd on a console of a
    pseudo-terminal, with the variables `env` added), each once the prompt has come back, as a
    user does; returns what the console showed. (Wine's cmd reads only one line of a pipe.)"""
    prompt = wine(["winepath", "-w", str(work)], cwd=work).stdout.strip() + b">"
    pid, fd = pty.fork()
    if pid == 0:
        os.chdir(work)
        os.environ.update({"WINEDEBUG": "-all", **(env or {})})
        os.execvp("wine", ["wine", "cmd"])
    shown = read_until(fd, prompt, 60)
    wait_for_console(fd)
    for command in commands:
        os.write(fd, command.encode("latin-1") + b"\r")
        shown += read_until(fd, prompt, 120)
    os.write(fd, b"exit\r")
    shown += read_until(fd, b"never shown", 5)
    if os.waitpid(pid, os.WNOHANG)[0] == 0:
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    os.close(fd)
    return shown
