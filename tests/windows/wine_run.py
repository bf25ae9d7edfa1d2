"""Running Windows programs under Wine, for the Windows tests of tests/windows."""

import argparse
import os
import pathlib
import pwd
import shutil
import subprocess
import tempfile

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
