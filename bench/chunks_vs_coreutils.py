#!/usr/bin/env python3
"""Times `qmark split`, `qmark join` and `qmark compare` against coreutils in the same run.

Usage: chunks_vs_coreutils.py [--runs N] QMARK FILE

FILE is cut into chunks of 100 MB and joined again, each way, in a temporary folder beside it
(the same disk, so that no command pays for a copy across devices):
  qmark split FILE --size 100000000 --to A      split -b 100000000 FILE B/x
  qmark join "A/chunk 1 of N.tmp" --to C        cat B/x* > D/FILE
  qmark compare FILE C/FILE                     cmp FILE D/FILE
qmark join writes beside the file and flushes it to the disk before it renames it into place,
which cat does not. FILE is read once first, so that every command finds it in the page cache. A command's time is
the median wall time of N runs (default 3), its memory the largest resident set of its process
(ru_maxrss from wait4, as concord_vs_grep.py measures it); qmark's time is given as a ratio to the peer's measured in the same run.
"""
import argparse
import pathlib
import shutil
import statistics
import sys
import tempfile

from concord_vs_grep import become_subreaper, run_once

SIZE = 100_000_000
MIB = 1024 * 1024


def run(command, scratch, shell=False):
    """(wall seconds, max RSS in MiB) of one run, through the concordance benchmark's launcher,
    which measures the command's own resident set; exits when the command fails."""
    if shell:
        command = ["/bin/sh", "-c", command]
    status, seconds, rss_mib = run_once(command, scratch / "out", scratch / "err")
    if status != 0:
        sys.exit(f"chunks_vs_coreutils: {command} failed: {(scratch / 'err').read_text()}")
    return seconds, rss_mib


def measure(runs, scratch, command, before=None, shell=False):
    """The median time and the largest resident set of runs runs, before() ahead of each."""
    times, rss = [], []
    for _ in range(runs):
        if before:
            before()
        seconds, mib = run(command, scratch, shell)
        times.append(seconds)
        rss.append(mib)
    return statistics.median(times), max(rss)


def fresh(*folders):
    def make():
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)
            folder.mkdir()
    return make


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("qmark")
    parser.add_argument("file")
    args = parser.parse_args()
    become_subreaper()
    source = pathlib.Path(args.file).resolve()
    with open(source, "rb") as f:
        while f.read(8 * MIB):
            pass
    with tempfile.TemporaryDirectory(dir=source.parent) as scratch:
        root = pathlib.Path(scratch)
        a, b, c, d, logs = (root / n for n in ("a", "b", "c", "d", "logs"))
        for folder in (a, b, c, d, logs):
            folder.mkdir()
        rows = []
        rows.append(("split",
                     measure(args.runs, logs, [args.qmark, "split", str(source), "--size", str(SIZE),
                                         "--to", str(a)], fresh(a)),
                     measure(args.runs, logs, ["split", "-b", str(SIZE), str(source), str(b / "x")],
                             fresh(b))))
        first = sorted(a.glob("chunk 1 of *.tmp"))[0]
        rows.append(("join",
                     measure(args.runs, logs, [args.qmark, "join", str(first), "--to", str(c)],
                             fresh(c)),
                     measure(args.runs, logs, f"cat '{b}'/x* > '{d / source.name}'", fresh(d),
                             shell=True)))
        rows.append(("compare",
                     measure(args.runs, logs, [args.qmark, "compare", str(source),
                                         str(c / source.name)]),
                     measure(args.runs, logs, ["cmp", str(source), str(d / source.name)])))
    size_mb = source.stat().st_size / 1e6
    print(f"{source.name}: {size_mb:.0f} MB, chunks of {SIZE / 1e6:.0f} MB, median of "
          f"{args.runs} runs")
    print(f"{'':8} {'qmark s':>8} {'MiB':>6} {'peer s':>8} {'MiB':>6} {'ratio':>6}")
    for name, (q_time, q_rss), (p_time, p_rss) in rows:
        print(f"{name:8} {q_time:8.3f} {q_rss:6.1f} {p_time:8.3f} {p_rss:6.1f} "
              f"{q_time / p_time:6.2f}")


if __name__ == "__main__":
    main()
