#include "array/bounds.h"

#include "array/workers.h"

#include <cmath>
#include <limits>
#include <vector>

namespace planara::bulk {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// One step of the union: x replaces the lower bound only when smaller, the
// upper bound only when larger (a NaN x does neither).
void include(Bounds &b, double x, double y) {
    if (x < b.xmin) b.xmin = x;
    if (y < b.ymin) b.ymin = y;
    if (b.xmax < x) b.xmax = x;
    if (b.ymax < y) b.ymax = y;
}

// The union of a part's points, starting from the empty box. The empty box
// changes nothing that follows it: its infinities are replaced by every
// number but themselves, and an infinite bound that ties keeps the same bits.
Bounds part_bounds(const Traversal<1> &traversal, const PointLayout &points, std::size_t begin,
                   std::size_t end) {
    Bounds b{inf, inf, -inf, -inf};
    for_each_block(traversal, std::array<PointLayout, 1>{points}, begin, end,
                   [&](std::size_t count, const double *const *packed, const auto &) {
                       // A local box, which no store to the points can alias, stays in registers.
                       Bounds block = b;
                       const double *p = packed[0];
                       for (std::size_t i = 0; i < count; ++i) include(block, p[2 * i], p[2 * i + 1]);
                       b = block;
                   });
    return b;
}

// A running bound that starts as a NaN stays NaN whatever follows; otherwise
// the union skips every NaN, so it is the first box's bound folded with the
// non-NaN bounds in order, which the parts' unions give part by part.
double fold(double first, const std::vector<Bounds> &parts, double Bounds::*bound, bool lower) {
    if (std::isnan(first)) return first;
    double running = first;
    for (const Bounds &part : parts) {
        const double v = part.*bound;
        if (lower ? v < running : running < v) running = v;
    }
    return running;
}

}  // namespace

Bounds union_of_points(const Traversal<1> &traversal, const PointLayout &points,
                       unsigned workers) {
    std::vector<Bounds> parts(part_count(traversal.size(), workers));
    run_parts(traversal.size(), workers, [&](std::size_t part, std::size_t begin, std::size_t end) {
        parts[part] = part_bounds(traversal, points, begin, end);
    });
    double first[2];
    traversal.for_each_stretch(0, 1, [&](std::size_t, const std::array<char *, 1> &at) {
        load_points(points, at[0], 0, 1, first);
    });
    return {fold(first[0], parts, &Bounds::xmin, true), fold(first[1], parts, &Bounds::ymin, true),
            fold(first[0], parts, &Bounds::xmax, false), fold(first[1], parts, &Bounds::ymax, false)};
}

}  // namespace planara::bulk
