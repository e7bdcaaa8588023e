#!/usr/bin/python3
"""Takes the test by keys alone under Orca and compares what Orca spoke, step by step and in
order, with the expected list (tools/screen_reader_steps.txt). Run by
tools/screen_reader_check.sh, which starts the display, Orca and the program; the keys go
through the X server with xdotool, and Orca's debug log is read as it grows.

    screen_reader_walk.py STEPS ORCA-LOG [--record]

--record prints what Orca said after each step's keys and compares nothing."""

import re
import subprocess
import sys
import time

# Orca 43 writes "SPEECH OUTPUT: 'words'" and then the voice: a dict, a list of one, or "voice=NAME".
# Words of several lines (the reading passage) go on in indented lines of the log.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'[ \t]*(?:\[?\{[^\n]*\}\]?|voice=\S+)?[ \t]*$", re.M | re.S)
INDENT = re.compile(r"\n[ \t]+")
STEP_LIMIT = 20   # seconds for one step's speech to arrive
QUIET = 0.8       # seconds without new speech that end a step


def read_steps(path):
    steps = []
    with open(path, encoding="utf-8") as data:
        for number, line in enumerate(data, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            kind, _, text = line.partition(" ")
            if kind == "keys":
                steps.append({"line": number, "keys": text, "say": [], "not": []})
            elif kind in ("say", "not") and steps:
                steps[-1][kind].append(text)
            else:
                sys.exit(f"{path}:{number}: expected 'keys', 'say' or 'not': {line}")
    return steps


class Log:
    def __init__(self, path):
        self.path = path

    def utterances(self, start=0):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(start)
            text = log.read()
        return [INDENT.sub("\n", m.group(1)) for m in SPEECH.finditer(text)]

    def size(self):
        with open(self.path, "rb") as log:
            log.seek(0, 2)
            return log.tell()


def press(keys):
    """Sends one step's keys: key names as xdotool knows them, or 'text' typed; "-" is none."""
    for token in re.findall(r"'[^']*'|\S+", keys):
        if token.startswith("'"):
            subprocess.run(["xdotool", "type", "--delay", "120", token[1:-1]], check=True)
        elif token != "-":
            subprocess.run(["xdotool", "key", "--delay", "120", token], check=True)


def holds(utterance, text):
    """Whether the utterance holds the text letter for letter as whole words, so that
    "правильно" is not found in "неправильно"; Orca's own words around it are left loose."""
    return re.search(r"(?<!\w)" + re.escape(text) + r"(?!\w)", utterance) is not None


def missing(said, expected):
    """The first expected utterance not found in order among those said, or None."""
    at = 0
    for text in expected:
        while at < len(said) and not holds(said[at], text):
            at += 1
        if at == len(said):
            return text
        at += 1
    return None


def settle(log, start, expected):
    """Waits, with a bound, until the expected speech has come and the log has been quiet."""
    deadline = time.monotonic() + STEP_LIMIT
    size, changed = log.size(), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.1)
        now = log.size()
        if now != size:
            size, changed = now, time.monotonic()
        if time.monotonic() - changed >= QUIET and missing(log.utterances(start), expected) is None:
            return
    return


def main():
    steps_path, log_path = sys.argv[1], sys.argv[2]
    record = "--record" in sys.argv[3:]
    log = Log(log_path)
    failures = []
    for number, step in enumerate(read_steps(steps_path)):
        # The first step may press nothing and take what Orca said on the window's arrival.
        start = 0 if number == 0 and step["keys"] == "-" else log.size()
        press(step["keys"])
        settle(log, start, step["say"])
        said = log.utterances(start)
        where = f"line {step['line']} ({step['keys']})"
        if record:
            print(f"keys {step['keys']}")
            for text in said:
                print(f"said {text}")
            continue
        lost = missing(said, step["say"])
        if lost is not None:
            failures.append(f"{where}: Orca did not say {lost!r}; it said {said}")
        for text in step["not"]:
            if any(holds(s, text) for s in said):
                failures.append(f"{where}: Orca said {text!r}, which it must not here; it said {said}")
    if not log.utterances():
        failures.append("Orca logged no speech at all")
    for failure in failures:
        print(f"screen reader check: {failure}", file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
