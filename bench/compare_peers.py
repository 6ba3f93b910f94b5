#!/usr/bin/env python3
"""Runs every benchmark program and prints our time against each peer's, measured in the same run.

Benchmarks are named "<operation>/ours" and "<operation>/peer_<name>"; the ratio is ours divided
by the peer's, so below 1.0 means we are faster.
"""
import json
import pathlib
import subprocess
import sys


def run(program):
    out = subprocess.run([str(program), "--benchmark_format=json"], check=True,
                         capture_output=True, text=True).stdout
    return json.loads(out)["benchmarks"]


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/bench")
    programs = sorted(p for p in folder.glob("*_bench") if p.is_file())
    if not programs:
        sys.exit(f"compare_peers: no benchmark programs in {folder}")
    for program in programs:
        print(f"== {program.name}")
        times = {}
        for b in run(program):
            operation, _, who = b["name"].partition("/")
            times.setdefault(operation, {})[who] = b["real_time"]
            print(f"  {b['name']:<50} {b['real_time']:>12.1f} {b['time_unit']}")
        for operation, by_who in times.items():
            ours = by_who.get("ours")
            for who, t in by_who.items():
                if who.startswith("peer_") and ours and t:
                    print(f"  ratio {operation} ours/{who[5:]}: {ours / t:.2f}")


if __name__ == "__main__":
    main()
