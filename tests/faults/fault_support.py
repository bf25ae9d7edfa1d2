"""What the fault tests share: the program under test, a scratch folder, the expected script
and the report of problems."""

import argparse
import contextlib
import pathlib
import shutil
import tempfile


def program_path():
    """The program named by --program, as an absolute path."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    return str(pathlib.Path(parser.parse_args().program).resolve())


@contextlib.contextmanager
def scratch_folder(prefix):
    """A new temporary folder, removed with everything in it afterwards."""
    folder = pathlib.Path(tempfile.mkdtemp(prefix=prefix))
    try:
        yield folder
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def expected_script(path, input_name, entries):
    """The script, with chaining on, for `entries`: (data name, information body, kept files as
    pairs of output file and new name)."""
    x = path + input_name
    lines = [f"copy {x}.inp {x}_orig.inp", f"del {x}.out"]
    for data, text, kept in entries:
        lines.append(f'tc {x} "macro filename {{{data}}} macro information {{{text}}} '
                     '#define GUI_LINES"')
        lines.append(f"copy {x}.out {x}.inp")
        for output, new in kept:
            lines.append(f"copy {path}{output} {path}{new}")
    return "".join(line + "\r\n" for line in lines).encode()


def report(problems):
    """Prints every problem; the exit status for the test."""
    for problem in problems:
        print("FAILED:", problem)
    return 1 if problems else 0
