#!/usr/bin/env python3
"""Runs varnel over mutants of real SR-4731 files for a bounded time.

Each mutant is a sample with one change: a numeric field the reader
interprets set to an awkward value, a few random bytes, or a cut. The tool
(an ASan+UBSan build: scripts/build.sh asan) reads, analyses and exports
it. A finding is a sanitizer report, a signal, an exit status other than
0, 1 or 2, a time-out, or a saturated number in the output; the mutant is
kept in the findings folder. Exit status 1 when there was any finding.

    scripts/mutation_run.py [--seconds 120] [--varnel build/asan/bin/varnel]
                            [--samples ../shared/samples/sor] [--seed N]
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sor_fields  # noqa: E402

AWKWARD = [0, 1, 2, -1, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, -0x80000000, 0x10000, 100000]
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer")
SATURATED = ("-2147.48", "2147.48", "2147483")
COMMANDS = (["info", "--json"], ["analyze"], ["export", "--stdout"])
PER_RUN_SECONDS = 30


def mutate(data, rng):
    kind = rng.random()
    if kind < 0.6:
        try:
            fields = sor_fields.numeric_fields(data)
        except (ValueError, KeyError, IndexError, Exception):  # a sample we cannot map
            fields = []
        if fields:
            name, offset, fmt = rng.choice(fields)
            value = rng.choice(AWKWARD + [rng.randrange(-(1 << 31), 1 << 31)])
            return sor_fields.set_field(data, offset, fmt, value), "%s=%d" % (name, value)
    if kind < 0.9:
        out = bytearray(data)
        for _ in range(rng.randint(1, 8)):
            out[rng.randrange(len(out))] = rng.randrange(256)
        return bytes(out), "bytes"
    cut = rng.randrange(len(data))
    return data[:cut], "cut at %d" % cut


def run_one(varnel, path):
    """Returns a description of what went wrong, or None."""
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=1:abort_on_error=0",
               UBSAN_OPTIONS="print_stacktrace=1")
    for command in COMMANDS:
        try:
            done = subprocess.run([varnel] + command + [path], capture_output=True,
                                  timeout=PER_RUN_SECONDS, env=env)
        except subprocess.TimeoutExpired:
            return "%s: over %d s" % (command[0], PER_RUN_SECONDS)
        err = done.stderr.decode("utf-8", "replace")
        out = done.stdout.decode("utf-8", "replace")
        for mark in SANITIZER_MARKS:
            if mark in err:
                line = next(l for l in err.splitlines() if mark in l)
                return "%s: %s" % (command[0], line.strip())
        if done.returncode not in (0, 1, 2):
            return "%s: exit status %d" % (command[0], done.returncode)
        if command[0] != "export":
            for mark in SATURATED:
                if mark in out:
                    return "%s: saturated value %s in the output" % (command[0], mark)
    return None


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--varnel", default=os.path.join(here, "..", "build", "asan", "bin",
                                                         "varnel"))
    parser.add_argument("--samples", default=os.path.join(here, "..", "..", "shared", "samples",
                                                          "sor"))
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--findings", default="mutation-findings")
    args = parser.parse_args()

    samples = sorted(os.path.join(args.samples, f) for f in os.listdir(args.samples)
                     if f.lower().endswith(".sor")) if os.path.isdir(args.samples) else []
    if not samples:
        print("no samples in %s; nothing to do" % args.samples)
        return 0
    rng = random.Random(args.seed)
    deadline = time.monotonic() + args.seconds
    runs, findings = 0, 0
    with tempfile.TemporaryDirectory() as scratch:
        while time.monotonic() < deadline:
            sample = rng.choice(samples)
            with open(sample, "rb") as f:
                mutant, how = mutate(f.read(), rng)
            path = os.path.join(scratch, "mutant.sor")
            with open(path, "wb") as f:
                f.write(mutant)
            problem = run_one(args.varnel, path)
            runs += 1
            if problem:
                findings += 1
                os.makedirs(args.findings, exist_ok=True)
                kept = os.path.join(args.findings, "finding-%d.sor" % findings)
                with open(kept, "wb") as f:
                    f.write(mutant)
                print("%s (%s, %s) -> %s" % (problem, os.path.basename(sample), how, kept))
    print("seed %d: %d mutants, %d findings" % (args.seed, runs, findings))
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
