#!/usr/bin/env python3
"""A termination request that arrives while a write blocks is acted on when the write ends.

The script is a FIFO whose reader waits: the program's write of the script fills the pipe and
blocks. SIGTERM is sent then, and only then is the pipe drained. The write must go on to its
end, and then the run end with "Killed" and status 1, without the closing message; the reader
must get whole lines of the script, more than the pipe held when the signal came.

Usage: signal_while_write_blocks_test.py --program PATH
"""

import fcntl
import os
import select
import signal
import subprocess
import sys
import termios
import time

from fault_support import expected_script, program_path, report, scratch_folder


def pipe_holds(fd):
    return int.from_bytes(fcntl.ioctl(fd, termios.FIONREAD, bytes(4)), sys.byteorder)


def asleep(pid):
    with open(f"/proc/{pid}/stat") as stat:
        return stat.read().rsplit(")", 1)[1].split()[0] == "S"


def main():
    program = program_path()
    with scratch_folder("multikevra-blocked-") as folder:
        os.mkfifo(folder / "multikevra.bat")
        reader = os.open(folder / "multikevra.bat", os.O_RDONLY | os.O_NONBLOCK)
        fcntl.fcntl(reader, fcntl.F_SETPIPE_SZ, 4096)  # the smallest pipe: a page
        entries = fcntl.fcntl(reader, fcntl.F_GETPIPE_SZ) // 40  # a script thrice that size
        names = [f"s{n:04d}" for n in range(1, entries + 1)]
        (folder / "list.txt").write_text("".join(name + "\n" for name in names))
        answers = f"D:\\x\\\nlist.txt\n{entries}\nbase\nn\ny\nn\n".encode()
        (folder / "answers").write_bytes(answers)
        with open(folder / "answers", "rb") as stdin, open(folder / "out", "wb") as out, \
                open(folder / "err", "wb") as err:
            process = subprocess.Popen([program], cwd=folder, stdin=stdin, stdout=out,
                                       stderr=err)
        # Script bytes in the pipe and the program asleep: its input is a file, so it sleeps
        # only in the write that waits for the pipe to drain.
        deadline = time.monotonic() + 120
        while process.poll() is None and not (pipe_holds(reader) and asleep(process.pid)):
            if time.monotonic() > deadline:
                process.kill()
            time.sleep(0.01)
        held = pipe_holds(reader)
        process.send_signal(signal.SIGTERM)
        script = b""
        while select.select([reader], [], [], 120)[0] and (chunk := os.read(reader, 1 << 16)):
            script += chunk
        os.close(reader)
        try:
            process.wait(timeout=120)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        out, err = (folder / "out").read_bytes(), (folder / "err").read_bytes()

    problems = []
    if process.returncode != 1 or err != b"Killed\n" or b"Done file" in out:
        problems.append(f"status {process.returncode}, stderr {err!r}, stdout ends {out[-80:]!r}")
    full = expected_script("D:\\x\\", "base", [(name, " ", []) for name in names])
    if not (full.startswith(script) and script.endswith(b"\r\n") and len(script) > held > 0):
        problems.append(f"{len(script)} bytes of {len(full)} read, {held} in the pipe at the "
                        f"signal: {script[-80:]!r}")
    return report(problems)


if __name__ == "__main__":
    sys.exit(main())
