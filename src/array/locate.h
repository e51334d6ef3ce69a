// Which shapes hold which points: all pairs (point j, shape i) whose bounded
// side is inside (or on the boundary), exactly the pairs that evaluating
// every pair gives, found without evaluating every pair.
//
// A pair can only hold where the point lies in the shape's reach: a box around
// the shape that provably contains every point the predicate, evaluated in
// floating point as the kernel does (or exactly), can place inside or on the
// boundary (reach.cpp says why each box is sound). Shapes whose reach no box bounds
// (non-finite or extreme numbers, degenerate and needle-thin triangles) are
// evaluated against every point, and points with non-finite or extreme
// coordinates against every shape. A uniform grid over the boxes finds each
// point's candidates; only candidates are evaluated.
#pragma once

#include "array/predicates.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace planara::bulk {

struct Box {
    double x0, y0, x1, y1;  // closed
};

// Where a shape can hold points that are not wild (see wild_point).
struct Reach {
    enum Extent : unsigned char { bounded, everywhere, nowhere } kind;
    Box box;  // for kind == bounded
};

Reach reach_of(const Triangle &t);
Reach reach_of(const Circle &c);
Reach reach_of(const IsoRectangle &r);
Reach reach_of(const AnyShape &s);

// Points beyond this magnitude in a coordinate, infinite or NaN, are wild:
// the reach boxes say nothing about them.
inline constexpr double wild_limit = 0x1p450;
inline bool wild_point(double x, double y) {
    return !(x >= -wild_limit && x <= wild_limit && y >= -wild_limit && y <= wild_limit);
}

// The pairs found for one run of points: for each point, in order, its
// shapes in increasing order.
struct PointMatches {
    std::size_t first_point = 0;
    std::vector<std::uint32_t> counts;  // per point
    std::vector<std::uint32_t> shapes;
};

// The candidate index over the shapes' reaches: each shape's box, and a grid
// of cells listing the shapes whose boxes meet them.
class ShapeIndex {
public:
    explicit ShapeIndex(const Shapes &shapes);

    // Calls visit(shape index) for the candidates of the non-wild point (x, y)
    // whose box holds it, in increasing order of index; a candidate still has
    // to be evaluated.
    template <class Visit>
    void for_each_candidate(double x, double y, Visit &&visit) const;

    // How many shapes the index holds.
    std::size_t size() const { return boxes_.size(); }

private:
    // The column and row of a coordinate, clamped to the grid.
    std::size_t cell_x(double x) const {
        return std::min(static_cast<std::size_t>(std::max((x - extent_.x0) * scale_x_, 0.0)),
                        columns_ - 1);
    }
    std::size_t cell_y(double y) const {
        return std::min(static_cast<std::size_t>(std::max((y - extent_.y0) * scale_y_, 0.0)),
                        rows_ - 1);
    }

    std::vector<Box> boxes_;  // of every shape (everywhere: the whole plane)
    Box extent_{};
    double scale_x_ = 0, scale_y_ = 0;
    std::size_t columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> starts_;     // of each cell's entries, and the end
    std::vector<std::uint32_t> entries_;    // shape indices, in order within a cell
    std::vector<std::uint32_t> everywhere_; // shapes tested against every point, in order
};

// The pairs of the points given to `points` (which calls block(count, packed
// xy) for them in order) and the index's shapes, with holds(shape index, x,
// y) deciding a pair.
template <class Holds, class ForEachPointBlock>
PointMatches locate_points(const ShapeIndex &index, Holds &&holds, ForEachPointBlock &&points);

// ---------------------------------------------------------------------------

inline bool inside(const Box &b, double x, double y) {
    return (b.x0 <= x) & (x <= b.x1) & (b.y0 <= y) & (y <= b.y1);
}

template <class Visit>
void ShapeIndex::for_each_candidate(double x, double y, Visit &&visit) const {
    const std::uint32_t *cell = nullptr, *cell_end = nullptr;
    if (columns_ > 0 && inside(extent_, x, y)) {
        const std::size_t k = cell_y(y) * columns_ + cell_x(x);
        cell = entries_.data() + starts_[k];
        cell_end = entries_.data() + starts_[k + 1];
    }
    const std::uint32_t *all = everywhere_.data(), *all_end = all + everywhere_.size();
    if (all == all_end) {  // the usual case: the cell's shapes alone
        // The shapes whose boxes hold the point, gathered without branching
        // on each box (about half hold a random point of the cell).
        constexpr std::ptrdiff_t batch = 64;
        std::uint32_t held[batch];
        while (cell != cell_end) {
            const std::uint32_t *end = cell_end - cell > batch ? cell + batch : cell_end;
            std::size_t count = 0;
            for (; cell != end; ++cell) {
                held[count] = *cell;
                count += inside(boxes_[*cell], x, y);
            }
            for (std::size_t k = 0; k < count; ++k) visit(held[k]);
        }
        return;
    }
    // Both runs are in increasing order of shape: merge them.
    while (cell != cell_end || all != all_end) {
        const std::uint32_t s =
            (all == all_end || (cell != cell_end && *cell < *all)) ? *cell++ : *all++;
        if (inside(boxes_[s], x, y)) visit(s);
    }
}

template <class Holds, class ForEachPointBlock>
PointMatches locate_points(const ShapeIndex &index, Holds &&holds, ForEachPointBlock &&points) {
    PointMatches found;
    const auto shapes = static_cast<std::uint32_t>(index.size());
    // Each candidate is written at the end and kept if it holds, without a
    // branch on the answer; room for one more is made before each write.
    std::size_t used = 0;
    const auto keep = [&](std::uint32_t s, bool held) {
        if (used == found.shapes.size()) found.shapes.resize(2 * used + 1024);
        found.shapes[used] = s;
        used += held;
    };
    points([&](std::size_t count, const double *xy) {
        for (std::size_t i = 0; i < count; ++i) {
            const double x = xy[2 * i], y = xy[2 * i + 1];
            const std::size_t before = used;
            if (wild_point(x, y)) {
                for (std::uint32_t s = 0; s < shapes; ++s) keep(s, holds(s, x, y));
            } else {
                index.for_each_candidate(x, y, [&](std::uint32_t s) { keep(s, holds(s, x, y)); });
            }
            found.counts.push_back(static_cast<std::uint32_t>(used - before));
        }
    });
    found.shapes.resize(used);
    return found;
}

}  // namespace planara::bulk
