#!/usr/bin/python3
"""Runs the algol-minima examples of README.md and compares their output with the README's.

Each ```text block whose lines start with "$ algol-minima" or "$ head" is a session: its commands
run in order in one scratch folder holding tests/data's observation files, with the C locale, an
empty home (no saved site of the planner) and TZ=Europe/Paris; the lines after a command, up to
the next command, are its expected standard output and standard error together. A block that shows
only the first lines of an output (the README cuts long tables) compares those lines.

usage: readme-examples.py README.md BUILD_DIR/cli/algol-minima
Exit status 0 when every example matches, 1 otherwise (the differences on standard error).
"""

import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile


def sessions(readme):
    block = None
    for line in open(readme, encoding="utf-8"):
        line = line.rstrip("\n")
        if block is None:
            if line == "```text":
                block = []
        elif line == "```":
            if block and block[0].startswith("$ "):
                yield block
            block = None
        else:
            block.append(line)


def commands(block):
    current = None
    for line in block:
        if line.startswith("$ "):
            if current:
                yield current
            current = (line[2:], [])
        else:
            current[1].append(line)
    if current:
        yield current


def main():
    readme, program = sys.argv[1], os.path.abspath(sys.argv[2])
    data = os.path.join(os.path.dirname(os.path.abspath(readme)), "tests", "data")
    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        home = os.path.join(scratch, "home")
        os.mkdir(home)
        env = {"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
               "TZ": "Europe/Paris", "XDG_DATA_HOME": os.path.join(home, "data"),
               "XDG_CONFIG_HOME": os.path.join(home, "config")}
        for block in sessions(readme):
            work = tempfile.mkdtemp(dir=scratch)
            for name in os.listdir(data):
                if name.endswith(".txt"):
                    shutil.copy(os.path.join(data, name), work)
            for command, expected in commands(block):
                words = shlex.split(command)
                if words[0] == "algol-minima":
                    words[0] = program
                result = subprocess.run(words, cwd=work, env=env, capture_output=True, text=True)
                got = (result.stdout + result.stderr).splitlines()
                got = [re.sub(r"^" + re.escape(program) + ":", "algol-minima:", line) for line in got]
                if got[:len(expected)] != expected or (not expected and got):
                    failures += 1
                    print(f"README example differs: $ {command}", file=sys.stderr)
                    for want, have in zip(expected + [""] * len(got), got + [""] * len(expected)):
                        if want != have:
                            print(f"  README: {want}\n  output: {have}", file=sys.stderr)
                            break
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
