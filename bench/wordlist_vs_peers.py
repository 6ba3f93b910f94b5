#!/usr/bin/env python3
"""Times `qmark wordlist` against plain tokenise-and-count peers in the same run.

Usage: wordlist_vs_peers.py [--runs N] QMARK CORPUS-FILE

Over one text (the benchmark corpus that concord_vs_grep.py makes: the Bible 25 times, about
105 MiB), each command counts the words and writes its list to a file of its own:
  qmark wordlist --lang en FILE          the word list in the suite's columns
  tr -cs A-Za-z | tr A-Z a-z | sort | uniq -c | sort -rn
                                         runs of ASCII letters, lower-cased, counted
  python3 collections.Counter            the same tokens, counted in a dict
A command's time is the median wall time of N runs (default 3), its memory the largest resident
set of its processes (ru_maxrss from wait4); qmark's time is given as a ratio to each peer's.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

COUNTER = ("import collections, re, sys\n"
           "words = collections.Counter()\n"
           "for line in open(sys.argv[1], encoding='latin-1'):\n"
           "    words.update(w.lower() for w in re.findall('[A-Za-z]+', line))\n"
           "for w, n in words.most_common():\n"
           "    print(n, w)\n")


def run(command, out_path):
    """Wall seconds and max RSS (MiB) of a shell command writing to out_path."""
    with open(out_path, "wb") as out:
        start = time.perf_counter()
        job = subprocess.Popen(["/bin/sh", "-c", command], stdout=out, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(job.pid, 0)
        seconds = time.perf_counter() - start
    job.returncode = os.waitstatus_to_exitcode(status)
    if job.returncode != 0:
        sys.exit(f"wordlist_vs_peers: '{command}' failed with status {job.returncode}")
    return seconds, usage.ru_maxrss / 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("qmark")
    parser.add_argument("corpus")
    args = parser.parse_args()
    corpus = args.corpus
    with tempfile.TemporaryDirectory(prefix="wordlist-bench-") as scratch:
        script = os.path.join(scratch, "counter.py")
        with open(script, "w") as f:
            f.write(COUNTER)
        commands = [
            ("qmark wordlist", f"'{args.qmark}' wordlist --lang en '{corpus}'"),
            ("tr | sort | uniq -c", f"tr -cs A-Za-z '\\n' < '{corpus}' | tr A-Z a-z | "
                                    "LC_ALL=C sort | uniq -c | sort -rn"),
            ("python3 Counter", f"python3 '{script}' '{corpus}'"),
        ]
        results = []
        for name, command in commands:
            times, rss = [], 0.0
            for _ in range(args.runs):
                seconds, mib = run(command, os.path.join(scratch, "out"))
                times.append(seconds)
                rss = max(rss, mib)
            results.append((name, statistics.median(times), rss))
    size = os.path.getsize(corpus) / (1 << 20)
    print(f"== word lists of one file ({size:.0f} MiB): {corpus}; {args.runs} runs per command")
    print(f"  {'command':<24}{'median s':>10}{'max RSS MiB':>13}{'qmark /':>10}")
    ours = results[0][1]
    for name, seconds, rss in results:
        ratio = "" if name == results[0][0] else f"{ours / seconds:.2f}"
        print(f"  {name:<24}{seconds:>10.3f}{rss:>13.1f}{ratio:>10}")


if __name__ == "__main__":
    main()
