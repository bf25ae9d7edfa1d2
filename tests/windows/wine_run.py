"""Running Windows programs under Wine, for the Windows tests of tests/windows."""

import os
import subprocess


def wine(args, cwd, stdin=b"", env=None):
    """Runs `wine ARGS` in `cwd` with `stdin` as its input, and the variables `env` added to the
    environment; returns the CompletedProcess.

    The programs run here (multikevra.exe, multikevra-check.exe, cmd) all write something
    before anything can end them with status 1: a run with status 1 and no output at all never
    started. Wine has been seen to fail so, rarely; such a run is tried once more, saying so."""
    env = dict(os.environ, WINEDEBUG="-all", **(env or {}))
    for attempt in range(2):
        ran = subprocess.run(["wine"] + args, cwd=cwd, input=stdin, capture_output=True,
                             env=env, timeout=120)
        if ran.returncode != 1 or ran.stdout or ran.stderr or attempt > 0:
            return ran
        print(f"Wine did not start {args[0]}: running it once more")
    return ran
