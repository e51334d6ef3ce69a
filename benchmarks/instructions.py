"""Counts the machine instructions per call of planara_core and of the floor
under callgrind: a measure that other load on the machine does not disturb.

Each cell runs twice under valgrind, with a short and a long loop; the difference
divided by the difference in calls is the cost of one call (the start-up and the
import cancel out), less the same figure for an empty loop.

    python benchmarks/instructions.py [--only TEXT] [--calls N]
"""

import argparse
import os
import pathlib
import re
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import run  # noqa: E402

def child(op_name, impl, calls):
    if op_name == "":
        timer = run.make_timer("pass", {})
    else:
        op = next(op for op in run.all_ops(100) if op.name == op_name)
        timer = run.make_timer(*op.builders[impl](run.load(impl)))
    timer.timeit(calls)


def count(op_name, impl, calls):
    with tempfile.TemporaryDirectory() as tmp:
        proc = subprocess.run(
            ["valgrind", "--tool=callgrind", f"--callgrind-out-file={tmp}/out",
             sys.executable, __file__, "--child", op_name, impl, str(calls)],
            capture_output=True, text=True, check=True, env={**os.environ, "PYTHONHASHSEED": "0"})
    return int(re.search(r"Collected : (\d+)", proc.stderr).group(1))


def per_call(op_name, impl, calls):
    if op_name.startswith("classify"):  # a run classifies 100 points
        calls = max(1, calls // 100)
    return (count(op_name, impl, 2 * calls) - count(op_name, impl, calls)) / calls


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--only", help="only rows whose name contains this text")
    ap.add_argument("--calls", type=int, default=20000)
    ap.add_argument("--child", nargs=3, help=argparse.SUPPRESS)
    args = ap.parse_args()
    if args.child:
        op_name, impl, calls = args.child
        return child(op_name, impl, int(calls))

    empty = per_call("", "floor", args.calls)
    print(f"empty loop: {empty:.0f} instructions per iteration (subtracted below)\n")
    print("| operation | planara_core | floor | over floor |")
    print("|---|---:|---:|---:|")
    planara_core = run.load("planara_core")
    for op in run.all_ops(100, args.only):
        counts = {"floor": per_call(op.name, "floor", args.calls) - empty}
        try:
            op.builders["planara_core"](planara_core)
        except AttributeError:  # a class not registered yet
            pass
        else:
            counts["planara_core"] = per_call(op.name, "planara_core", args.calls) - empty
        ours, floor = counts.get("planara_core"), counts["floor"]
        if ours is None:
            print(f"| {op.name} | missing | {floor:.0f} | |", flush=True)
        else:
            print(f"| {op.name} | {ours:.0f} | {floor:.0f} | {(ours - floor) / floor:+.0%} |",
                  flush=True)


if __name__ == "__main__":
    main()
