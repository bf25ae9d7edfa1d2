#!/usr/bin/env python3
"""SIGTERM while the script write blocks on a FIFO whose reader waits until the signal is sent:
the write goes on to its end, then the run ends with "Killed", status 1 and no closing message,
and the reader gets whole lines of the script, more than the pipe held at the signal.

Usage: signal_while_write_blocks_test.py --program PATH
"""

import fcntl
import os
import pathlib
import select
import subprocess
import sys
import termios
import time

from fault_support import expected_script, program_path, report, scratch_folder


def main():
    with scratch_folder("multikevra-blocked-") as folder:
        os.mkfifo(folder / "multikevra.bat")
        reader = os.open(folder / "multikevra.bat", os.O_RDONLY | os.O_NONBLOCK)
        fcntl.fcntl(reader, fcntl.F_SETPIPE_SZ, 4096)  # the smallest pipe: the script is larger
        names = [f"s{n:04d}" for n in range(1, fcntl.fcntl(reader, fcntl.F_GETPIPE_SZ) // 40)]
        (folder / "list.txt").write_text("".join(name + "\n" for name in names))
        (folder / "answers").write_text(f"D:\\x\\\nlist.txt\n{len(names)}\nbase\nn\ny\nn\n")
        with open(folder / "answers", "rb") as answers:
            process = subprocess.Popen([program_path()], cwd=folder, stdin=answers,
                                       stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        # Script bytes in the pipe and the program asleep: it can only sleep in that write.
        state = pathlib.Path(f"/proc/{process.pid}/stat")
        held, deadline = 0, time.monotonic() + 120
        while process.poll() is None and time.monotonic() < deadline:
            held = int.from_bytes(fcntl.ioctl(reader, termios.FIONREAD, bytes(4)), sys.byteorder)
            if held and state.read_text().rsplit(")")[-1].split()[0] == "S":
                break
            time.sleep(0.01)
        process.terminate()
        script = b""
        while select.select([reader], [], [], 120)[0] and (chunk := os.read(reader, 1 << 16)):
            script += chunk
        try:
            out, err = process.communicate(timeout=120)
        finally:
            process.kill()  # nothing when it has ended

    full = expected_script("D:\\x\\", "base", [(name, " ", []) for name in names])
    whole = full.startswith(script) and script.endswith(b"\r\n") and len(script) > held > 0
    ok = process.returncode == 1 and err == b"Killed\n" and b"Done file" not in out and whole
    return report([] if ok else [f"status {process.returncode}, stderr {err!r}, stdout "
                                 f"{out[-60:]!r}, {len(script)} of {len(full)} script bytes read, "
                                 f"{held} in the pipe at the signal"])


if __name__ == "__main__":
    sys.exit(main())
