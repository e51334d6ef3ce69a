"""The caller's floating-point rounding mode is the same after every operation.
Circle2.bbox switches the mode for its outward rounding and must restore it
whatever the radius; a failed dilate must not leave it changed either."""

import math
import sys

import pytest

import surface
from conftest import ROUNDING_MODES, TO_NEAREST, rounding, rounding_mode, same_float

MODES = pytest.mark.parametrize("mode", list(ROUNDING_MODES.values()), ids=list(ROUNDING_MODES))
DBL_MAX = sys.float_info.max


@MODES
def test_every_operation_keeps_the_callers_mode(mode):
    changed = []
    for call in surface.valid_calls():
        with rounding(mode):
            call.outcome()
            if rounding_mode() != mode:
                changed.append(call.label)
    assert changed == []
    assert rounding_mode() == TO_NEAREST


def bounds(box):
    return box.xmin, box.ymin, box.xmax, box.ymax


@MODES
@pytest.mark.parametrize("squared_radius", [3.0, 0.0, -0.0, -1.0, math.nan, math.inf, -math.inf,
                                            5e-324, DBL_MAX])
def test_circle_boxes_restore_the_mode_and_ignore_it(mode, squared_radius):
    Circle2, Point2 = surface.require("Circle2"), surface.require("Point2")
    circle = Circle2(Point2(1.0, -2.0), squared_radius)
    expected = bounds(circle.bbox())
    assert rounding_mode() == TO_NEAREST
    with rounding(mode):
        box = circle.bbox()
        assert rounding_mode() == mode
    # Outward rounding is the box's own: the caller's mode must not leak in.
    assert all(map(same_float, bounds(box), expected))


@MODES
@pytest.mark.parametrize("box, dist, error", [
    ((), 0, ValueError),
    ((math.nan, 0.0, 1.0, 1.0), 1, ValueError),
    ((0.0, 0.0, DBL_MAX, 1.0), 1, OverflowError),
    ((0.0, 0.0, 2.0**1023, 1.0), 2, ValueError),
])
def test_failed_dilations_keep_the_callers_mode(mode, box, dist, error):
    Bbox2 = surface.require("Bbox2")
    with pytest.raises(error):
        Bbox2(*box).dilate(dist)
    assert rounding_mode() == TO_NEAREST
    # Under a directed mode the step limit past 2**1023 rounds to DBL_MAX
    # instead of overflowing, so that dilation may succeed there.
    with rounding(mode):
        try:
            Bbox2(*box).dilate(dist)
        except error:
            pass
        assert rounding_mode() == mode
