#!/usr/bin/env python3
"""Ctrl+C at a question, typed at a console: multikevra.exe under Wine on a pseudo-terminal.

A Windows program gets no POSIX interrupt: Ctrl+C at its console becomes a console event, which
the C runtime hands to the SIGINT handler on a thread of its own. Wine gives a program started
on a terminal such a console. The program must print "Interrupt", end with status 1 and leave
an existing multikevra.bat as it was (no script line was written yet).

Usage: console_interrupt.py --program multikevra.exe
"""

import argparse
import os
import pathlib
import pty
import shutil
import sys
import tempfile
import time

from wine_run import read_until, wait_for_console

OLD_SCRIPT = b"echo an old script\r\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    args = parser.parse_args()
    program = str(pathlib.Path(args.program).resolve())

    work = pathlib.Path(tempfile.mkdtemp(prefix="multikevra-console-"))
    try:
        (work / "multikevra.bat").write_bytes(OLD_SCRIPT)
        pid, fd = pty.fork()
        if pid == 0:
            os.chdir(work)
            os.environ["WINEDEBUG"] = "-all"
            os.execvp("wine", ["wine", program])

        seen = read_until(fd, b"remember the \\s:", 60)
        wait_for_console(fd)
        os.write(fd, b"D:\\x\\\r")
        seen += read_until(fd, b"list of files:", 20)
        at_question = b"list of files:" in seen
        os.write(fd, b"\x03")
        seen += read_until(fd, b"Interrupt", 20)
        seen += read_until(fd, b"never shown", 1)  # whatever follows
        deadline = time.monotonic() + 20
        ended, status = 0, 0
        while not ended and time.monotonic() < deadline:
            ended, status = os.waitpid(pid, os.WNOHANG)
            time.sleep(0.05)
        if not ended:
            os.kill(pid, 9)
            os.waitpid(pid, 0)
        os.close(fd)

        problems = [] if at_question else ["the second question never came"]
        if not ended or not os.WIFEXITED(status) or os.WEXITSTATUS(status) != 1:
            problems.append(f"expected exit status 1, got {'no end' if not ended else status}")
        if b"Interrupt" not in seen.split(b"list of files:")[-1]:
            problems.append("no 'Interrupt' after the question")
        if b"end of file" in seen:
            problems.append("the interrupt was taken for the end of input")
        if (work / "multikevra.bat").read_bytes() != OLD_SCRIPT:
            problems.append("the old multikevra.bat was changed")
        if problems:
            print("FAILED: Ctrl+C at a question")
            print("\n".join(problems))
            print("console:", seen.decode("latin-1"))
            return 1
        print("passed: Ctrl+C at a question ends the run with Interrupt and status 1")
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
