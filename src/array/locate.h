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
#include <type_traits>
#include <vector>

namespace planara::bulk {

struct Box {
    double x0, y0, x1, y1;  // closed
};

inline bool inside(const Box &b, double x, double y) {
    return (b.x0 <= x) & (x <= b.x1) & (b.y0 <= y) & (y <= b.y1);
}

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

    // The cell of the non-wild point (x, y), or no_cell outside the grid.
    static constexpr std::size_t no_cell = ~std::size_t{0};
    std::size_t cell_of(double x, double y) const {
        if (columns_ == 0 || !inside(extent_, x, y)) return no_cell;
        return cell_y(y) * columns_ + cell_x(x);
    }

    // Calls visit(shape index) for the candidates of the non-wild point (x, y)
    // in `cell` (its cell_of) whose box holds it, in increasing order of index;
    // a candidate still has to be evaluated.
    template <class Visit>
    void for_each_candidate(std::size_t cell, double x, double y, Visit &&visit) const;

    // How many shapes and how many cells the index holds.
    std::size_t size() const { return boxes_.size(); }
    std::size_t cell_count() const { return columns_ * rows_; }

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

// The pairs of the `count` points given to `points` (which calls
// block(count, packed xy) for them in order) and the index's shapes, with
// holds(shape index, x, y) deciding a pair.
template <class Holds, class ForEachPointBlock>
PointMatches locate_points(const ShapeIndex &index, Holds &&holds, std::size_t count,
                           ForEachPointBlock &&points);

// ---------------------------------------------------------------------------

template <class Visit>
void ShapeIndex::for_each_candidate(std::size_t k, double x, double y, Visit &&visit) const {
    const std::uint32_t *cell = nullptr, *cell_end = nullptr;
    if (k != no_cell) {
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
            for (std::size_t h = 0; h < count; ++h) visit(held[h]);
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

// Points are asked a chunk at a time in the order of their cells, so that
// the index and the shapes are read in one sweep per chunk rather than at
// random (for points in no order, a third less time); each chunk's pairs
// are then put back in the order of its points.
inline constexpr std::size_t chunk_points = std::size_t{1} << 16;

template <class Holds>
class ChunkLocator {
public:
    // For `count` points in all, whose pairs go to found.
    ChunkLocator(const ShapeIndex &index, const Holds &holds, std::size_t count, PointMatches &found)
        : index_(index), holds_(holds), found_(found), expected_(count) {
        xy_.reserve(2 * chunk_points);
        found_.counts.reserve(count);
    }

    // Takes `count` packed points, asking each full chunk.
    void add(std::size_t count, const double *xy) {
        while (count > 0) {
            const std::size_t room = chunk_points - xy_.size() / 2;
            const std::size_t taken = std::min(room, count);
            xy_.insert(xy_.end(), xy, xy + 2 * taken);
            xy += 2 * taken;
            count -= taken;
            if (xy_.size() == 2 * chunk_points) ask();
        }
    }
    // Asks the points of the last chunk.
    void finish() {
        if (!xy_.empty()) ask();
    }

private:
    void ask() {
        const std::size_t n = xy_.size() / 2;
        sort_by_cell(n);
        // Each candidate is written at the end and kept if it holds, without
        // a branch on the answer; room for one more is made before each write.
        std::size_t used = 0;
        const auto keep = [&](std::uint32_t s, bool held) {
            if (used == pairs_.size()) pairs_.resize(2 * used + 1024);
            pairs_[used] = s;
            used += held;
        };
        first_.resize(n);
        const auto shapes = static_cast<std::uint32_t>(index_.size());
        for (std::size_t k = 0; k < n; ++k) {
            const std::uint32_t i = order_[k];
            const double x = sorted_[k].x, y = sorted_[k].y;
            first_[i] = used;
            if (wild_point(x, y)) {
                for (std::uint32_t s = 0; s < shapes; ++s) keep(s, holds_(s, x, y));
            } else {
                index_.for_each_candidate(sorted_[k].cell, x, y,
                                          [&](std::uint32_t s) { keep(s, holds_(s, x, y)); });
            }
            counts_[i] = static_cast<std::uint32_t>(used - first_[i]);
        }
        std::size_t at = found_.shapes.size();
        if (at == 0 && n < expected_) {
            // Room for as many pairs per point as the first chunk found, and
            // an eighth more, up to four a point (no more than the points
            // take): growing by doubling would copy the pairs and touch
            // twice the memory.
            const double per_point =
                std::min(1.125 * static_cast<double>(used) / static_cast<double>(n), 4.0);
            const double room = per_point * static_cast<double>(expected_);
            found_.shapes.reserve(static_cast<std::size_t>(room) + 1024);
        }
        found_.shapes.resize(at + used);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t *from = pairs_.data() + first_[i];
            for (std::uint32_t c = 0; c < counts_[i]; ++c) found_.shapes[at++] = from[c];
        }
        found_.counts.insert(found_.counts.end(), counts_.begin(), counts_.begin() + n);
        xy_.clear();
    }

    // The chunk's points in sorted_ by cell, coarsened so that there are no
    // more groups than points (points outside the grid last), and in order_
    // where each came from.
    void sort_by_cell(std::size_t n) {
        const std::size_t cells = index_.cell_count();
        unsigned shift = 0;
        while ((cells >> shift) > n) ++shift;
        const std::size_t outside = (cells >> shift) + 1;
        cells_.resize(n);
        counts_.assign(outside + 2, 0);  // first as the groups' starts
        const auto group = [&](std::size_t cell) {
            return cell == ShapeIndex::no_cell ? outside : cell >> shift;
        };
        for (std::size_t i = 0; i < n; ++i) {
            cells_[i] = index_.cell_of(xy_[2 * i], xy_[2 * i + 1]);
            ++counts_[group(cells_[i]) + 1];
        }
        for (std::size_t g = 1; g < counts_.size(); ++g) counts_[g] += counts_[g - 1];
        order_.resize(n);
        sorted_.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t k = counts_[group(cells_[i])]++;
            order_[k] = static_cast<std::uint32_t>(i);
            sorted_[k] = {xy_[2 * i], xy_[2 * i + 1], cells_[i]};
        }
        counts_.resize(n);
    }

    const ShapeIndex &index_;
    const Holds &holds_;
    PointMatches &found_;
    std::size_t expected_;
    std::vector<double> xy_;            // the chunk's points, packed
    std::vector<std::size_t> cells_;    // of each point
    struct Sorted {
        double x, y;
        std::size_t cell;
    };
    std::vector<Sorted> sorted_;        // the points in the order of asking
    std::vector<std::uint32_t> order_;  // where each came from
    // Where each point's pairs start in pairs_ (a chunk of wild points may
    // find more than 2^32), and how many.
    std::vector<std::size_t> first_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint32_t> pairs_;
};

template <class Holds, class ForEachPointBlock>
PointMatches locate_points(const ShapeIndex &index, Holds &&holds, std::size_t count,
                           ForEachPointBlock &&points) {
    PointMatches found;
    ChunkLocator<std::decay_t<Holds>> locator(index, holds, count, found);
    points([&](std::size_t count, const double *xy) { locator.add(count, xy); });
    locator.finish();
    return found;
}

}  // namespace planara::bulk
