#!/usr/bin/env python3
"""Times `qmark concord` over a corpus of 100 MiB or more against grep and ripgrep in the same run.

Usage: concord_vs_grep.py QMARK CORPUS-FOLDER

The corpus is the King James Bible (Debian's bible-kjv, printed one verse per line) written out as
many files until it holds at least 100 MiB; it is made once and kept. Each search is one word,
case-insensitive and whole-word: qmark's default, grep -c -i -w and rg -c -i -w. qmark does more
than count (it builds, sorts and prints a concordance line per hit, here to /dev/null), so the
ratio is what a user waits for a full concordance against a bare count. Best of three runs each.
"""
import pathlib
import shutil
import subprocess
import sys
import time

CORPUS_BYTES = 100 * 1024 * 1024
WORDS = {"common": "the", "rare": "Zerubbabel"}


def make_corpus(folder):
    folder.mkdir(parents=True, exist_ok=True)
    present = sum(p.stat().st_size for p in folder.glob("*.txt"))
    if present >= CORPUS_BYTES:
        return present
    bible = shutil.which("bible") or "/usr/bin/bible"
    text = subprocess.run([bible, "-f", "gen1:1-rev22:21"], check=True,
                          capture_output=True).stdout
    if len(text) < 1024 * 1024:
        sys.exit("concord_vs_grep: the bible program printed too little text")
    copies = -(-CORPUS_BYTES // len(text))
    for i in range(copies):
        (folder / f"kjv-{i:03d}.txt").write_bytes(text)
    return copies * len(text)


def best_of(command, runs=3, to_null=False):
    # GNU grep stops at the first match when its output is /dev/null, so the peers write their
    # (small) counts into a pipe; qmark's concordance, megabytes of it, goes to /dev/null.
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=False,
                       stdout=subprocess.DEVNULL if to_null else subprocess.PIPE,
                       stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def qmark_hits(qmark, word, folder):
    # The summary on standard error says how many hits were found.
    result = subprocess.run([qmark, "concord", "--lang", "en", word, str(folder)],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    return result.stderr.strip().splitlines()[-1] if result.stderr.strip() else "(no summary)"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    qmark, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    size = make_corpus(folder)
    files = sorted(str(p) for p in folder.glob("*.txt"))
    print(f"== qmark concord over {len(files)} files, {size / 1048576:.0f} MiB")
    for kind, word in WORDS.items():
        ours = best_of([qmark, "concord", "--lang", "en", word, str(folder)], to_null=True)
        print(f"  {kind} word '{word}': qmark {ours:.2f} s  ({qmark_hits(qmark, word, folder)})")
        peers = {"grep": ["grep", "-c", "-i", "-w", word] + files}
        if shutil.which("rg"):
            peers["ripgrep"] = ["rg", "-c", "-i", "-w", word] + files
        for name, command in peers.items():
            t = best_of(command)
            print(f"  {kind} word '{word}': {name} {t:.2f} s, ratio qmark/{name}: {ours / t:.2f}")


if __name__ == "__main__":
    main()
