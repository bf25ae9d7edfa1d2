#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (tests/fuzz/corpus/<target>/) from the end-to-end cases.

Each seed is named by the SHA-1 of its bytes, as libFuzzer names the inputs it keeps. Run again
after adding cases; seeds are small and checked in.

  integer_item  one header byte, then a case's console input from the count answer on
  text_item     two header bytes, then a case's list file
  record_read   nine header bytes, then a case's console input or information file
  program       console input, list, information file and old script, joined by the separator
                of program_fuzz.cc; the file names in the answers become "list" and "info"
  script_check  one header byte, then a script of a checker case (tests/golden/check-cases)
"""

import hashlib
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
CASES = HERE.parent / "golden" / "cases"
CHECK_CASES = HERE.parent / "golden" / "check-cases"
SEPARATOR = b"\x1e" * 4


def case_files(case):
    files = case / "files"
    found = {}
    for path in sorted(files.iterdir()) if files.exists() else []:
        if path.is_file() and not path.is_symlink():
            found[path.name] = path.read_bytes()
    return found


def main():
    seeds = {"integer_item": set(), "text_item": set(), "record_read": set(), "program": set(),
             "script_check": set()}
    for number, case in enumerate(sorted(p for p in CASES.iterdir() if p.is_dir())):
        stdin_path = case / "stdin"
        stdin = stdin_path.read_bytes() if stdin_path.exists() else b""
        files = case_files(case)
        chunk = bytes([(number * 37) % 256])
        lines = stdin.split(b"\n")

        seeds["integer_item"].add(chunk + b"\n".join(lines[2:]))
        seeds["record_read"].add(chunk + bytes(range(number % 7, number % 7 + 8)) + stdin)

        answers = [line.rstrip(b"\r").rstrip(b" ") for line in lines]
        list_name = answers[1].decode("latin-1") if len(answers) > 1 else ""
        info_name = ""
        for answer in answers[2:]:
            name = answer.decode("latin-1")
            if name in files and name != list_name:
                info_name = name
                break
        list_bytes = files.get(list_name, b"")
        info_bytes = files.get(info_name, b"")
        if list_bytes:
            seeds["text_item"].add(chunk + bytes([79]) + list_bytes)
        if info_bytes:
            seeds["record_read"].add(chunk + b"\x06" * 8 + info_bytes)

        renamed = []
        for index, line in enumerate(lines):
            answer = line.rstrip(b"\r").rstrip(b" ").decode("latin-1")
            if index == 1 and answer == list_name and list_name in files:
                line = b"list"
            elif info_name and answer == info_name:
                line = b"info"
            renamed.append(line)
        sections = [b"\n".join(renamed), list_bytes, info_bytes]
        if "multikevra.bat" in files:
            sections.append(files["multikevra.bat"])
        seeds["program"].add(SEPARATOR.join(sections))

    for number, case in enumerate(sorted(p for p in CHECK_CASES.iterdir() if p.is_dir())):
        for script in sorted((case / "files").glob("*.bat")):
            seeds["script_check"].add(bytes([(number * 37) % 256]) + script.read_bytes())

    for target, inputs in seeds.items():
        folder = HERE / "corpus" / target
        if folder.exists():
            shutil.rmtree(folder)
        folder.mkdir(parents=True)
        for data in sorted(inputs):
            (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)
        print(f"{target}: {len(inputs)} seeds")


if __name__ == "__main__":
    main()
