#!/usr/bin/env python3
"""Times `qmark concord` against ripgrep and GNU grep in the same run, with the memory of each.

Usage: concord_vs_grep.py [--quick] [--only-qmark] [--save DIR] QMARK CORPUS-FOLDER

The corpora are the King James Bible (Debian's bible-kjv, printed one verse per line), made once
under CORPUS-FOLDER and kept; a file is written again only when it is missing or of the wrong size:
  one/kjv-x25.txt     the Bible 25 times in one file (about 110 MB)
  many/kjv-NN.txt     the Bible once in each of 25 files
  large/kjv-x100.txt  the Bible 100 times in one file (about 440 MB), for memory only
Each corpus is read once before its searches, so that every command finds it in the page cache.

Two words are searched, the rare "zerubbabel" and the common "the", whole and ignoring case, and
every command writes every hit to a file of its own in a temporary folder:
  qmark concord --lang en WORD PATH      a concordance line per hit, in file and position order
  qmark concord ... --sort R1 / --sort position   ("the" only) the same lines sorted
  rg -o -n -i -w WORD PATH               each hit with its line number
  grep -o -n -i -w -r WORD PATH          the same
A command's time is the median wall time of three runs (one with --quick), its memory the largest
resident set of its process (ru_maxrss from wait4) over those runs. A table per corpus gives both,
with qmark's time as a ratio to each peer's in the same run, and the hits (lines written) of each;
then each goal is marked PASS or MISS against the numbers just measured.

--quick      only the one-file and 25-file corpora, one run per command
--only-qmark leave the peers out (to compare two builds of qmark)
--save DIR   keep qmark's output of each search in DIR, one file per corpus, word and options
             (files of the same names there are replaced), to compare two builds byte for byte
"""
import argparse
import ctypes
import os
import pathlib
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

RARE, COMMON = "zerubbabel", "the"
CHUNK = 8 * 1024 * 1024
MIB = 1024 * 1024

# The goals, as ratios and sizes; the text of each goal says where its number comes from.
RARE_AGAINST_RIPGREP = 3.0
COMMON_AGAINST_RIPGREP = 1.5
DEFAULT_ORDER_MEMORY_MIB = 64
SORTED_R1_MEMORY_MIB = 362  # a third of 1,086 MB


class Corpus:
    """One corpus: its files, each holding `copies` copies of the Bible, and the path searched."""

    def __init__(self, name, title, names, copies, timed):
        self.name, self.title, self.names = name, title, names
        self.copies, self.timed = copies, timed

    def files(self, root):
        return [root / self.name / n for n in self.names]

    def search_path(self, root):
        # A one-file corpus is searched as that file, a corpus of many files as their folder.
        return root / self.name / self.names[0] if len(self.names) == 1 else root / self.name


CORPORA = [
    Corpus("one", "one file of 25 copies", ["kjv-x25.txt"], 25, timed=True),
    Corpus("many", "25 files of one copy", [f"kjv-{i:02d}.txt" for i in range(1, 26)], 1,
           timed=True),
    Corpus("large", "one file of 100 copies", ["kjv-x100.txt"], 100, timed=False),
]


class Search:
    """One command over one corpus: who runs it, for which word, with which extra options."""

    def __init__(self, who, word, options=()):
        self.who, self.word, self.options = who, word, list(options)

    def label(self):
        return " ".join([self.who, self.word] + self.options)

    def saved_name(self, corpus):
        # "one-the-sort-R1.txt": corpus, word, then the options without their dashes.
        parts = [corpus.name, self.word] + [o.lstrip("-") for o in self.options]
        return "-".join(parts) + ".txt"

    def command(self, qmark, path):
        if self.who == "qmark":
            return [qmark, "concord", "--lang", "en"] + self.options + [self.word, str(path)]
        if self.who == "ripgrep":
            return ["rg", "-o", "-n", "-i", "-w", self.word, str(path)]
        return ["grep", "-o", "-n", "-i", "-w", "-r", self.word, str(path)]


def searches_of(corpus, with_peers):
    """The searches run over a corpus; the large one only shows qmark's memory."""
    ours = [Search("qmark", RARE), Search("qmark", COMMON)]
    if not corpus.timed:
        return ours
    ours += [Search("qmark", COMMON, ["--sort", key]) for key in ("R1", "position")]
    peers = [Search(who, word) for word in (RARE, COMMON) for who in ("ripgrep", "grep")]
    return ours + (peers if with_peers else [])


class Measured:
    """What the runs of one search gave: hits (output lines), median seconds, largest RSS."""

    def __init__(self, search, hits, seconds, rss_mib):
        self.search, self.hits, self.seconds, self.rss_mib = search, hits, seconds, rss_mib


# --- Corpora ------------------------------------------------------------------------------------


def bible_text():
    bible = shutil.which("bible") or "/usr/bin/bible"
    if not os.access(bible, os.X_OK):
        sys.exit("concord_vs_grep: no bible program (install bible-kjv and bible-kjv-text)")
    text = subprocess.run([bible, "-f", "gen1:1-rev22:21"], check=True,
                          capture_output=True).stdout
    if len(text) < 1024 * 1024:
        sys.exit("concord_vs_grep: the bible program printed too little text")
    return text


def write_copies(path, text, copies):
    # Written beside and renamed over, so that a run cut short never leaves a file of the right
    # name that a later run would take for the whole corpus.
    path.parent.mkdir(parents=True, exist_ok=True)
    partial = path.with_name(path.name + ".part")
    with open(partial, "wb") as out:
        for _ in range(copies):
            out.write(text)
    os.replace(partial, path)


def make_corpus(corpus, root, text):
    for path in corpus.files(root):
        if path.is_symlink() or (path.exists() and not path.is_file()):
            sys.exit(f"concord_vs_grep: {path} is in the way of the corpus (not a plain file)")
        if not path.exists() or path.stat().st_size != len(text) * corpus.copies:
            write_copies(path, text, corpus.copies)


def read_into_cache(corpus, root):
    """Reads every file of the corpus once, so that no command pays for the disk."""
    total = 0
    for path in corpus.files(root):
        with open(path, "rb", buffering=0) as f:
            while chunk := f.read(CHUNK):
                total += len(chunk)
    return total


# --- Running and measuring ----------------------------------------------------------------------


# Each command runs as this script's grandchild. A process starts with the peak resident set of
# the one that made it (the kernel counts the memory it gives up at exec), and this script's is
# tens of MiB, so a child of ours could never show less; a shell's is under one MiB. The shell
# starts the command as a job and exits at once, and the job, now ours as the subreaper
# (PR_SET_CHILD_SUBREAPER), waits on its standard input before it becomes the command: the clock
# starts when we let it go, and it cannot end before the shell has been reaped.
LAUNCH = ('out=$1 err=$2; shift 2; exec 3<&0; '
          '{ exec >"$out" 2>"$err"; read go <&3; exec 3<&- "$@"; } & echo $!')
PR_SET_CHILD_SUBREAPER = 36


def become_subreaper():
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(PR_SET_CHILD_SUBREAPER, ctypes.c_ulong(1), ctypes.c_ulong(0),
                  ctypes.c_ulong(0), ctypes.c_ulong(0)) != 0:
        sys.exit("concord_vs_grep: cannot reap grandchildren "
                 f"(prctl: {os.strerror(ctypes.get_errno())}); this script needs Linux")


def run_once(command, out_path, err_path):
    """Runs a command with its output in out_path: (exit status, wall seconds, max RSS in MiB)."""
    go_read, go_write = os.pipe()
    try:
        shell = subprocess.run(["/bin/sh", "-c", LAUNCH, "sh", str(out_path), str(err_path)]
                               + command, stdin=go_read, capture_output=True, text=True)
    finally:
        os.close(go_read)
    if shell.returncode != 0 or not shell.stdout.strip().isdigit():
        os.close(go_write)
        sys.exit(f"concord_vs_grep: the shell could not start {command[0]}: {shell.stderr.strip()}")
    job = int(shell.stdout)
    try:
        start = time.perf_counter()
        os.close(go_write)
        _, status, usage = os.wait4(job, 0)
        seconds = time.perf_counter() - start
    except BaseException:
        # A job ignores the terminal's interrupt, so it is stopped here rather than left running.
        try:
            os.kill(job, signal.SIGKILL)
            os.waitpid(job, 0)
        except OSError:
            pass  # it had ended and been reaped already
        raise
    # ru_maxrss is in KiB on Linux.
    return os.waitstatus_to_exitcode(status), seconds, usage.ru_maxrss / 1024


def count_lines(path):
    # Each command prints one line per hit, so the lines are the hits it found.
    lines = 0
    with open(path, "rb", buffering=0) as f:
        while chunk := f.read(CHUNK):
            lines += chunk.count(b"\n")
    return lines


def failure(command, status, err_path):
    try:
        detail = err_path.read_text(errors="replace").strip().splitlines()[-5:]
    except OSError:
        detail = []
    return (f"concord_vs_grep: {' '.join(command)} exited with status {status}\n  "
            + "\n  ".join(detail or ["(nothing on standard error)"]))


def measure(search, command, runs, scratch, keep_as):
    """Runs a search `runs` times; the last run's output is moved to keep_as when one is given.

    Every run's output is removed before the next, so the temporary folder never holds more
    than one (a concordance of "the" over the large corpus is several hundred megabytes).
    """
    out_path, err_path = scratch / "out", scratch / "err"
    times, rss, hits = [], [], None
    for run in range(runs):
        status, seconds, rss_mib = run_once(command, out_path, err_path)
        # Every word searched here is in every corpus, so "nothing found" (the peers' status 1,
        # or no lines at all) means a broken run, not a result to measure.
        if status != 0:
            sys.exit(failure(command, status, err_path))
        times.append(seconds)
        rss.append(rss_mib)
        if hits is None:
            hits = count_lines(out_path)
            if hits == 0:
                sys.exit(f"concord_vs_grep: {' '.join(command)} printed no lines")
        if keep_as is not None and run == runs - 1:
            keep(out_path, keep_as)
        out_path.unlink(missing_ok=True)
    return Measured(search, hits, statistics.median(times), max(rss))


def keep(out_path, dest):
    # Moved beside its final name first, so a file in DIR is always one search's whole output.
    partial = dest.with_name(dest.name + ".part")
    shutil.move(str(out_path), str(partial))
    os.replace(partial, dest)


# --- Reporting ----------------------------------------------------------------------------------


def find(results, who, word, options=()):
    for m in results:
        s = m.search
        if s.who == who and s.word == word and s.options == list(options):
            return m
    return None


def ratio_text(ours, peer):
    return f"{ours.seconds / peer.seconds:10.2f}" if peer and peer.seconds > 0 else " " * 10


def print_table(corpus, root, size, results):
    path = corpus.search_path(root)
    print(f"\n== {corpus.title} ({size / MIB:.0f} MiB): {path}")
    print(f"  {'command':<32}{'hits':>10}{'median s':>10}{'max RSS MiB':>13}"
          f"{'/ripgrep':>10}{'/grep':>10}")
    for m in results:
        s = m.search
        ratios = ""
        if s.who == "qmark":
            ratios = (ratio_text(m, find(results, "ripgrep", s.word))
                      + ratio_text(m, find(results, "grep", s.word)))
        print(f"  {s.label():<32}{m.hits:>10}{m.seconds:>10.3f}{m.rss_mib:>13.1f}{ratios}".rstrip())
    # Every command should find the same hits; where one does not, its ratios compare different
    # work (or a sorted concordance lost or gained lines), and the table says so.
    for m in results:
        s = m.search
        if s.who == "qmark":
            other = find(results, "ripgrep", s.word) or find(results, "qmark", s.word)
            if other.hits != m.hits:
                print(f"  note: {s.label()} printed {m.hits} lines, "
                      f"{other.search.label()} {other.hits}")


class Goals:
    """Collects the goals' lines: PASS or MISS against a number measured, or why none was."""

    def __init__(self):
        self.lines = []

    def check(self, text, value, limit, shown):
        self.lines.append(f"  {'PASS' if value <= limit else 'MISS'}  {text}: {shown}")

    def skip(self, text, why):
        self.lines.append(f"  ----  {text}: {why}")

    def time_ratio(self, text, ours, other, limit, why_not):
        if ours is None or other is None:
            self.skip(text, why_not)
            return
        r = ours.seconds / other.seconds if other.seconds > 0 else float("inf")
        self.check(text, r, limit, f"{r:.2f}x ({ours.seconds:.3f} s against {other.seconds:.3f} s)")


def print_goals(by_corpus, args):
    goals = Goals()
    no_peers = "not measured (--only-qmark)"
    timed = [(c, by_corpus.get(c.name, [])) for c in CORPORA if c.timed]
    for c, results in timed:
        goals.time_ratio(f"rare word within {RARE_AGAINST_RIPGREP:g}x of ripgrep, {c.title}",
                         find(results, "qmark", RARE), find(results, "ripgrep", RARE),
                         RARE_AGAINST_RIPGREP, no_peers)
    for c, results in timed:
        goals.time_ratio(f"\"{COMMON}\" within {COMMON_AGAINST_RIPGREP:g}x of ripgrep, {c.title}",
                         find(results, "qmark", COMMON), find(results, "ripgrep", COMMON),
                         COMMON_AGAINST_RIPGREP, no_peers)
        goals.time_ratio(f"\"{COMMON}\" never slower than grep, {c.title}",
                         find(results, "qmark", COMMON), find(results, "grep", COMMON), 1.0,
                         no_peers)
    for name in ("one", "large"):
        c = next(c for c in CORPORA if c.name == name)
        default_order = [m for m in by_corpus.get(name, []) if m.search.who == "qmark"
                         and not m.search.options]
        text = f"memory of the default order below {DEFAULT_ORDER_MEMORY_MIB} MiB, {c.title}"
        if not default_order:
            goals.skip(text, "not measured (--quick)")
        else:
            top = max(default_order, key=lambda m: m.rss_mib)
            goals.check(text, top.rss_mib, DEFAULT_ORDER_MEMORY_MIB,
                        f"{top.rss_mib:.1f} MiB (\"{top.search.word}\")")
    # Set for the one file of 25 copies; the 25-file figure is in its table.
    one = next(c for c in CORPORA if c.name == "one")
    m = find(by_corpus["one"], "qmark", COMMON, ["--sort", "R1"])
    goals.check(f"\"{COMMON}\" --sort R1 memory below {SORTED_R1_MEMORY_MIB} MiB (a third of "
                f"1,086 MB), {one.title}", m.rss_mib, SORTED_R1_MEMORY_MIB, f"{m.rss_mib:.1f} MiB")
    for c, results in timed:
        ours = find(results, "qmark", COMMON)
        sorted_ = find(results, "qmark", COMMON, ["--sort", "position"])
        goals.time_ratio(f"default order never slower than --sort position, {c.title}", ours,
                         sorted_, 1.0, "not measured")
    runs = "one run each" if args.quick else "median of three runs"
    print(f"\n== goals, against the numbers above ({runs}; ratios are qmark's time to the other's)")
    print("\n".join(goals.lines))


# --- Main ---------------------------------------------------------------------------------------


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("qmark", metavar="QMARK", help="the qmark program to measure")
    parser.add_argument("corpus", metavar="CORPUS-FOLDER", type=pathlib.Path,
                        help="where the corpora are made and kept")
    parser.add_argument("--quick", action="store_true",
                        help="only the one-file and 25-file corpora, one run per command")
    parser.add_argument("--only-qmark", action="store_true", help="leave out ripgrep and grep")
    parser.add_argument("--save", metavar="DIR", type=pathlib.Path,
                        help="keep qmark's output of every search in DIR")
    return parser.parse_args()


def check_programs(args):
    qmark = shutil.which(args.qmark)
    if qmark is None:
        sys.exit(f"concord_vs_grep: {args.qmark} is not a program that can be run")
    if not args.only_qmark:
        for program, package in (("rg", "ripgrep"), ("grep", "grep")):
            if shutil.which(program) is None:
                sys.exit(f"concord_vs_grep: no {program} (install {package}, or use --only-qmark)")
    return os.path.abspath(qmark)


def main():
    args = parse_arguments()
    qmark = check_programs(args)
    become_subreaper()
    if args.save is not None:
        args.save.mkdir(parents=True, exist_ok=True)
    runs = 1 if args.quick else 3
    corpora = [c for c in CORPORA if c.timed or not args.quick]
    text = bible_text()
    for corpus in corpora:
        make_corpus(corpus, args.corpus, text)

    # The peers' speed depends on the locale (GNU grep -i above all), so it is shown.
    locale = next((os.environ[v] for v in ("LC_ALL", "LC_CTYPE", "LANG") if os.environ.get(v)),
                  "C")
    print(f"qmark: {qmark}; locale: {locale}; {runs} run{'s' if runs > 1 else ''} per command")
    by_corpus = {}
    with tempfile.TemporaryDirectory(prefix="concord-bench-") as scratch:
        for corpus in corpora:
            size = read_into_cache(corpus, args.corpus)
            path = corpus.search_path(args.corpus)
            results = []
            for search in searches_of(corpus, not args.only_qmark):
                keep_as = None
                if args.save is not None and search.who == "qmark":
                    keep_as = args.save / search.saved_name(corpus)
                results.append(measure(search, search.command(qmark, path), runs,
                                       pathlib.Path(scratch), keep_as))
            by_corpus[corpus.name] = results
            print_table(corpus, args.corpus, size, results)
    print_goals(by_corpus, args)


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        sys.exit(130)  # the command running was stopped, and the temporary folder is gone
