"""
Rounding against exact predicates: the classroom grids
======================================================

The classroom picture of a floating-point orientation test going wrong, next
to the exact one. For three near-collinear configurations (p, q, r), every
pixel (x, y) of a 256 x 256 grid asks for the orientation of
(p + (x u, y u), q, r), where u = 2^-53 is the spacing of the doubles just
below 1: the grids of Kettner, Mehlhorn, Pion, Schirra and Yap, "Classroom
examples of robustness problems in geometric computations" (ESA 2004; CGTA
2008). The left column shows what the plain kernel answers, the right one what
``exact=True`` answers, in three colours: right turn, collinear, left turn.
Pixels of the plain panel that differ from the exact one are wrong.

.. code-block:: text

    python examples/robustness.py [OUT.png]
"""

import sys

import numpy as np

import planara.array

U = 2.0 ** -53
SIZE = 256
# (p, q, r) of the paper's three figures.
GRIDS = {
    "a": ((0.5, 0.5), (12.0, 12.0), (24.0, 24.0)),
    "b": ((0.50000000000002531, 0.5000000000000171), (17.300000000000001, 17.300000000000001),
          (24.00000000000005, 24.0000000000000517765)),
    "c": ((0.5, 0.5), (8.8000000000000007, 8.8000000000000007), (12.1, 12.1)),
}
COLOURS = ["#2c6db5", "#f2c12e", "#c2352a"]  # right turn, collinear, left turn


def grid_points(p):
    """The points p + (x u, y u), row y and column x, bottom row first."""
    steps = np.arange(SIZE) * U
    return np.stack(np.meshgrid(p[0] + steps, p[1] + steps), axis=-1)


def panels():
    """(name, plain, exact, wrong pixels) for each grid."""
    for name, (p, q, r) in GRIDS.items():
        plain, exact = (planara.array.orientation(grid_points(p), q, r, exact=flag)
                        for flag in (False, True))
        yield f"({name})", plain, exact, int(np.count_nonzero(plain != exact))


def draw(path):
    import matplotlib
    matplotlib.use("Agg")
    from matplotlib import pyplot as plt

    import planara.plot

    # The pixels (x, y), drawn as the cells of a grid coloured by their codes.
    pixels = np.stack(np.meshgrid(np.arange(SIZE), np.arange(SIZE)), axis=-1)
    labels = dict(zip((-1, 0, 1), ("right turn", "collinear", "left turn")))
    colours = dict(zip((-1, 0, 1), COLOURS))
    figure, axes = plt.subplots(3, 2, figsize=(6.4, 9.4), layout="constrained")
    counts = []
    for row, (name, plain, exact, wrong) in zip(axes, panels()):
        counts.append((name, wrong))
        for ax, codes, title in ((row[0], plain, f"{name} plain: {wrong:,} wrong"),
                                 (row[1], exact, f"{name} exact=True")):
            cells = planara.plot.points(pixels, codes, ax=ax, labels=labels, colors=colours,
                                        legend=False)
            ax.set_title(title, fontsize=10)
            ax.set_xticks([0, 128, 255])
            ax.set_yticks([0, 128, 255])
            ax.tick_params(labelsize=7)
    figure.legend(handles=[cells[code] for code in sorted(cells)], loc="outside lower center",
                  ncol=3, fontsize=9, frameon=False)
    figure.suptitle("orientation(p + (x u, y u), q, r), u = 2^-53", fontsize=11)
    figure.savefig(path, dpi=80)
    return counts


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "robustness.png"
    for name, wrong in draw(path):
        print(f"{name}: {wrong:,} of {SIZE * SIZE:,} pixels wrong in plain arithmetic")
    print(f"wrote {path}")


if __name__ == "__main__":
    main()
