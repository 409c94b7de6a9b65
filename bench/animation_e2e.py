#!/usr/bin/env python3
"""An animation written as a user would write it: `velmo render --sweep` of the sphere
r*sin(a)*cos(b), r*sin(a)*sin(b), r*cos(a) (198,135 points) with r going from 1 to 5 in
60 frames, 800x600, to an animated GIF, beside gnuplot's `set terminal gif animate`
drawing the same 60 frames of the same samples as one parametric polyline. The two
commands run alternated, ROUNDS times each; the medians of wall and CPU time and their
ratio are printed.

    bench/animation_e2e.py [--velmo build/src/app/velmo] [--rounds 5] [--frames 60]

gnuplot (Debian's gnuplot-nox) is installed here when it is missing, as
bench/end_to_end.py does.
"""

import argparse
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from end_to_end import compare, ensure_gnuplot  # noqa: E402

SPHERE = "type=4;fx=r*sin(a)*cos(b);fy=r*sin(a)*sin(b);fz=r*cos(a);step=0.01"

# The same samples as Velmo's spherical type at step 0.01: a = 0 .. 3.14 (315 values)
# outside, b = 0 .. 6.28 (629 values) inside, one polyline through them, seen from the
# front; r = 1 + i * 4 / (frames - 1) in frame i.
GNUPLOT = """
set terminal gif animate delay 5 size 800,600
set output '{output}'
set parametric
set samples 198135
set trange [0:198134]
set xrange [-5.5:5.5]
set yrange [-4.2:4.2]
unset key
A(t) = floor(t / 629) * 0.01
B(t) = (t - floor(t / 629) * 629) * 0.01
do for [i=0:{last}] {{
  r = 1.0 + i * 4.0 / {last}
  plot r*sin(A(t))*cos(B(t)), r*sin(A(t))*sin(B(t)) with lines
}}
"""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--velmo", default=os.path.join(here, "..", "build", "src", "app", "velmo"))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--frames", type=int, default=60)
    args = parser.parse_args()
    args.velmo = os.path.abspath(args.velmo)
    ensure_gnuplot()

    work = tempfile.mkdtemp(prefix="velmo-anim-")
    script = os.path.join(work, "sweep.gp")
    with open(script, "w") as f:
        f.write(GNUPLOT.format(output=os.path.join(work, "gnuplot.gif"), last=args.frames - 1))
    commands = {
        "velmo": [args.velmo, "render", "-o", os.path.join(work, "velmo.gif"), "--curve", SPHERE,
                  "--zoom", "1000", "--size", "800x600", "--sweep", f"r=1:5:{args.frames}"],
        "gnuplot gif animate": ["gnuplot", script],
    }
    compare(commands, args.rounds, work, ("gnuplot gif animate",), width=20)
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
