"""Argument conversion, keyword rules, identity equality and immutability."""

import pytest

import planara_core as pc


class HasFloat:
    def __float__(self):
        return 2.5


class HasIndex:
    def __index__(self):
        return 3


@pytest.mark.parametrize("arg, expected", [
    (True, 1.0), (7, 7.0), (2**53 + 1, float(2**53)), (HasFloat(), 2.5), (HasIndex(), 3.0),
    (-0.0, -0.0),
])
def test_double_parameters_accept_numbers(arg, expected):
    p = pc.Point2(arg, 0.0)
    assert type(p.x) is float and p.x == expected


@pytest.mark.parametrize("arg", ["1.0", b"1", None, 10**400, pc.Vector2(1, 2), [1.0]])
def test_double_parameters_reject_non_numbers(arg):
    with pytest.raises(TypeError, match="incompatible constructor arguments"):
        pc.Point2(arg, 0.0)


@pytest.mark.parametrize("args, kwargs", [((), {}), ((1,), {}), ((1, 2, 3), {}),
                                          ((), {"x": 1, "y": 2}), ((1,), {"y": 2})])
def test_point_and_vector_take_exactly_two_positional_numbers(args, kwargs):
    for cls in (pc.Point2, pc.Vector2):
        with pytest.raises(TypeError):
            cls(*args, **kwargs)


def test_points_and_vectors_compare_and_hash_by_identity():
    p, q = pc.Point2(1, 2), pc.Point2(1, 2)
    assert p == p and p != q and len({p, q}) == 2
    u, v = pc.Vector2(1, 2), pc.Vector2(1, 2)
    assert u != v and hash(u) != hash(v)
    r = pc.orientation(p, p, p)
    assert r != pc.orientation(p, p, p) and hash(r) == hash(r)


@pytest.mark.parametrize("obj", [pc.Point2(1, 2), pc.Vector2(1, 2)])
def test_values_are_read_only(obj):
    for name in ("x", "y", "z"):
        with pytest.raises(AttributeError):
            setattr(obj, name, 3)
    assert (obj.x, obj.y) == (1.0, 2.0)
