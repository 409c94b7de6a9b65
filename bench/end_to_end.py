#!/usr/bin/env python3
"""Whole processes timed as a user would time them: `velmo render` of a sphere of
198,135 points to an 800x600 PNG beside gnuplot drawing the same 315 x 629 samples
as one parametric polyline with its pngcairo and png terminals. The three commands
run alternated, ROUNDS times each; the medians of wall and CPU time (user + system)
and the ratios against each gnuplot terminal of the same run are printed.

    bench/end_to_end.py [--velmo build/src/app/velmo] [--rounds 15]

gnuplot (Debian's gnuplot-nox) is installed here when it is missing, not by
scripts/install-deps: only this benchmark needs it.
"""

import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SPHERE = "type=4;fx=4.5*sin(a)*cos(b);fy=4.5*sin(a)*sin(b);fz=4.5*cos(a);step=0.01"

# The same samples: a = 0, 0.01, ... 3.14 (315 values) outside, b = 0 ... 6.28
# (629 values) inside, one polyline through all of them in that order, seen from
# the front as Velmo's default view shows it.
GNUPLOT = """
set terminal {terminal} size 800,600
set output '{output}'
set parametric
set samples 198135
set trange [0:198134]
unset key
A(t) = floor(t / 629) * 0.01
B(t) = (t - floor(t / 629) * 629) * 0.01
plot 4.5*sin(A(t))*cos(B(t)), 4.5*sin(A(t))*sin(B(t)) with lines
"""


def ensure_gnuplot():
    if shutil.which("gnuplot"):
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "update", "-q"], check=True, env=env)
    subprocess.run(sudo + ["apt-get", "install", "-y", "-q", "gnuplot-nox"], check=True, env=env)


def timed(command, **kwargs):
    """Wall time and CPU time (user + system) of one whole process."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, **kwargs)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def compare(commands, rounds, work, peers, width=18):
    """Times each command once unmeasured, then rounds times in turn, and prints the
    medians of wall and CPU time and Velmo's ratio to each peer."""
    walls = {name: [] for name in commands}
    cpus = {name: [] for name in commands}
    for command in commands.values():  # a warm-up run each, not counted
        timed(command, cwd=work)
    for _ in range(rounds):
        for name, command in commands.items():
            wall, cpu = timed(command, cwd=work)
            walls[name].append(wall)
            cpus[name].append(cpu)
    # Wall time is what the user waits; CPU time is less disturbed by other load.
    for label, times in (("wall", walls), ("cpu", cpus)):
        medians = {name: statistics.median(t) for name, t in times.items()}
        for name, m in medians.items():
            print(f"{label:4} {name:{width}} median {m * 1000:8.1f} ms  (min {min(times[name]) * 1000:.1f} ms)")
        for peer in peers:
            print(f"{label:4} velmo / {peer}: {medians['velmo'] / medians[peer]:.3f}x")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--velmo", default=os.path.join(here, "..", "build", "src", "app", "velmo"))
    parser.add_argument("--rounds", type=int, default=15)
    args = parser.parse_args()
    # The commands run in a scratch folder, so a relative path is taken from here.
    args.velmo = os.path.abspath(args.velmo)
    ensure_gnuplot()

    work = tempfile.mkdtemp(prefix="velmo-e2e-")
    scripts = {}
    for terminal in ("pngcairo", "png"):
        path = os.path.join(work, terminal + ".gp")
        with open(path, "w") as f:
            f.write(GNUPLOT.format(terminal=terminal, output=os.path.join(work, terminal + ".png")))
        scripts[terminal] = path
    commands = {
        "velmo": [args.velmo, "render", "-o", os.path.join(work, "velmo.png"), "--curve", SPHERE,
                  "--zoom", "1000", "--size", "800x600"],
        "gnuplot pngcairo": ["gnuplot", scripts["pngcairo"]],
        "gnuplot png": ["gnuplot", scripts["png"]],
    }
    compare(commands, args.rounds, work, ("gnuplot pngcairo", "gnuplot png"))
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
