#!/usr/bin/env python3
"""An interrupt or a termination request while a large script is being written.

The program writes a script of some 40 MB. Once the script file has begun to grow, the signal
is sent. The run must then end with the signal's line and status 1, and the script must be a
prefix of the full script that ends exactly after a whole line (CR LF): nothing written is lost,
no line is left half written. A run that finishes before the signal lands proves nothing and is
tried again with a larger list.

Usage: signal_during_write_test.py --program PATH
"""

import os
import random
import signal
import subprocess
import sys
import time

from fault_support import expected_script, program_path, report, scratch_folder

RENAMES = [("refine.hkl", ".hkl"), ("refine.par", ".prm"), ("refine.lst", "_fit.lst"),
           ("refine.cif", ".cif")]
PATH = "D:\\xrd\\batch\\"


def full_script(names):
    kept = [[(output, (name + suffix)[:20]) for output, suffix in RENAMES] for name in names]
    return expected_script(PATH, "base", [(name, " ", k) for name, k in zip(names, kept)])


def answers(count):
    text = f"{PATH}\nlist.txt\n{count}\nbase\nn\ny\ny\n{len(RENAMES)}\n"
    text += "".join(f"{output}\n{suffix}\n" for output, suffix in RENAMES)
    return text.encode()


def attempt(program, folder, signal_name, entries, rng):
    """One run signalled while writing. Returns a list of problems, or None if the run ended
    before the signal could land."""
    names = [f"s{n:07d}" for n in range(1, entries + 1)]
    (folder / "list.txt").write_text("".join(name + "\n" for name in names))
    script_path = folder / "multikevra.bat"
    script_path.write_bytes(b"old script\r\n" * 1000)
    (folder / "answers").write_bytes(answers(entries))
    expected = full_script(names)
    # Somewhere in the first half of the script's growth.
    threshold = rng.randrange(len(expected) // 50, len(expected) // 2)

    with open(folder / "answers", "rb") as stdin:
        process = subprocess.Popen([program], cwd=folder, stdin=stdin,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 120
        while process.poll() is None and time.monotonic() < deadline:
            try:
                if script_path.stat().st_size >= threshold:
                    break
            except FileNotFoundError:
                pass
        process.send_signal(getattr(signal, "SIG" + signal_name))
        err = process.stderr.read()
        process.wait(timeout=120)
    if process.returncode == 0:
        return None

    script = script_path.read_bytes()
    problems = []
    line = {"INT": b"Interrupt\n", "TERM": b"Killed\n"}[signal_name]
    if process.returncode != 1 or err != line:
        problems.append(f"status {process.returncode}, stderr {err[:300]!r}")
    if not expected.startswith(script):
        at = next(i for i in range(len(script)) if i >= len(expected) or
                  script[i] != expected[i])
        problems.append(f"the script is no prefix of the full one (differs at byte {at})")
    elif script and not script.endswith(b"\r\n"):
        problems.append("the script does not end after a whole line")
    if len(script) < 2:
        problems.append("nothing was kept")
    lines = script.count(b"\r\n")
    print(f"SIG{signal_name} after {threshold} bytes: kept {len(script)} of {len(expected)} "
          f"bytes, {lines} whole lines")
    return problems


def main():
    program = program_path()
    rng = random.Random(int(os.environ.get("SIGNAL_TEST_SEED", "1")))
    problems = []
    with scratch_folder("multikevra-signal-") as folder:
        for signal_name in ("INT", "TERM", "INT"):
            entries = 100_000
            for _ in range(4):
                found = attempt(program, folder, signal_name, entries, rng)
                if found is not None:
                    problems += found
                    break
                entries *= 2
            else:
                problems.append(f"SIG{signal_name}: every run finished before the signal")
    return report(problems)


if __name__ == "__main__":
    sys.exit(main())
