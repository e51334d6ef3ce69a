// Where a point lies relative to a bounded shape (Triangle2, Circle2,
// IsoRectangle2): the same questions, asked of the held kernel shape.
#pragma once
#include "wrappers/point2.h"

namespace planara::sides {

template <class Shape>
int oriented_side(const Shape &s, const Point2 &p) {
    return result_code(s.value.oriented_side(p.value));
}
template <class Shape>
int bounded_side(const Shape &s, const Point2 &p) {
    return result_code(s.value.bounded_side(p.value));
}
template <class Shape>
bool has_on_positive_side(const Shape &s, const Point2 &p) {
    return s.value.has_on_positive_side(p.value);
}
template <class Shape>
bool has_on_negative_side(const Shape &s, const Point2 &p) {
    return s.value.has_on_negative_side(p.value);
}
template <class Shape>
bool has_on_boundary(const Shape &s, const Point2 &p) {
    return s.value.has_on_boundary(p.value);
}
template <class Shape>
bool has_on_bounded_side(const Shape &s, const Point2 &p) {
    return s.value.has_on_bounded_side(p.value);
}
template <class Shape>
bool has_on_unbounded_side(const Shape &s, const Point2 &p) {
    return s.value.has_on_unbounded_side(p.value);
}

}  // namespace planara::sides
