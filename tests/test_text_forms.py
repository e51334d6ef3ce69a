"""Every text form writes extreme numbers in full: the longest doubles, tiny
subnormals, infinities and NaN are never cut short, whatever the class."""

import math
import re
import sys

import pytest

import planara_core
import surface
from conftest import printf_f

EXTREMES = [sys.float_info.max, -sys.float_info.max, 1e300, -1e300, 5e-324, -5e-324,
            2.2250738585072014e-308, math.inf, -math.inf, math.nan]
NUMBER = re.compile(r"-?(?:\d+\.\d{6}|inf|nan)")


class Filled(surface.Samples):
    """Samples in which every double is the same value."""

    def __init__(self, x):
        super().__init__()
        self.x = x

    def value(self, type_name):
        return self.x if type_name == "float" else super().value(type_name)


def reprs_built_from(cls, x):
    """The text form of an instance from every overload that builds cls, each
    double argument (also inside argument objects) being x."""
    samples = Filled(x)
    out = []
    for member in surface.members():
        if member.kind == "constructor" and member.owner is cls:
            out += [repr(cls(*samples.args(o))) for o in member.overloads]
    return out or [repr(samples.instance(cls.__name__))]


@pytest.mark.parametrize("x", EXTREMES, ids=repr)
@pytest.mark.parametrize("cls", surface.classes(), ids=lambda c: c.__name__)
def test_text_forms_are_never_truncated(cls, x):
    plain = [NUMBER.sub("#", text) for text in reprs_built_from(cls, 1.5)]
    texts = reprs_built_from(cls, x)
    # Same words and separators as with ordinary numbers...
    assert [NUMBER.sub("#", text) for text in texts] == plain
    # ...and every number complete, as printf writes it.
    for text in texts:
        for number in NUMBER.findall(text):
            assert printf_f(float(number)) == number
    if "#" in "".join(plain):
        assert any(printf_f(x) in text for text in texts)
