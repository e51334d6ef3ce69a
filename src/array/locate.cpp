#include "array/locate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace planara::bulk {
namespace {

// Boxes are clipped to the range of points that are not wild.
constexpr double clip = 2 * wild_limit;

double median(std::vector<double> values) {
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// How many cells of width `cell` cover `extent`, at least 1.
std::size_t cells_across(double extent, double cell) {
    if (!(extent > 0) || !(cell > 0)) return 1;
    return static_cast<std::size_t>(std::min(std::ceil(extent / cell), 1e9));
}

}  // namespace

// The cells are about a quarter of the median box in each direction, so that
// a point meets few candidates beyond the shapes that hold it. A cell's
// entries are in shape order. Both cell indices are monotone in the
// coordinate, so a point in a box lies in one of the box's cells whatever the
// rounding. There are at most some eight cells per boxed shape, and the
// largest boxes are tested against every point instead, so that the cells
// hold some 32 entries per shape at most.
ShapeIndex::ShapeIndex(const Shapes &shapes) : boxes_(shapes.size()) {
    std::vector<std::uint32_t> boxed;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const Reach reach = reach_of(shapes[i]);
        const auto shape = static_cast<std::uint32_t>(i);
        boxes_[i] = reach.box;
        if (reach.kind == Reach::everywhere) {
            everywhere_.push_back(shape);
        } else if (reach.kind == Reach::bounded) {
            Box &b = boxes_[i];
            b = {std::max(b.x0, -clip), std::max(b.y0, -clip), std::min(b.x1, clip),
                 std::min(b.y1, clip)};
            if (b.x0 <= b.x1 && b.y0 <= b.y1) boxed.push_back(shape);
        }
    }
    if (boxed.empty()) return;

    extent_ = boxes_[boxed[0]];
    std::vector<double> widths, heights;
    for (std::uint32_t s : boxed) {
        const Box &b = boxes_[s];
        extent_ = {std::min(extent_.x0, b.x0), std::min(extent_.y0, b.y0),
                   std::max(extent_.x1, b.x1), std::max(extent_.y1, b.y1)};
        widths.push_back(b.x1 - b.x0);
        heights.push_back(b.y1 - b.y0);
    }
    const double width = extent_.x1 - extent_.x0, height = extent_.y1 - extent_.y0;
    const double n = static_cast<double>(boxed.size());
    double cell_w = median(widths) / 4, cell_h = median(heights) / 4;
    if (!(cell_w > 0)) cell_w = width / std::sqrt(n);
    if (!(cell_h > 0)) cell_h = height / std::sqrt(n);
    columns_ = cells_across(width, cell_w);
    rows_ = cells_across(height, cell_h);
    const double most = 8 * n + 64, cells = static_cast<double>(columns_) * static_cast<double>(rows_);
    if (cells > most) {
        const double shrink = std::sqrt(most / cells);
        columns_ = std::max<std::size_t>(1, static_cast<std::size_t>(static_cast<double>(columns_) * shrink));
        rows_ = std::max<std::size_t>(1, static_cast<std::size_t>(static_cast<double>(rows_) * shrink));
    }
    scale_x_ = width > 0 ? static_cast<double>(columns_) / width : 0;
    scale_y_ = height > 0 ? static_cast<double>(rows_) / height : 0;

    // The cells each box covers; the boxes that cover the most go to the
    // shapes tested against every point until the rest fit the budget.
    struct Span {
        std::size_t cx0, cx1, cy0, cy1;
        std::size_t cells() const { return (cx1 - cx0 + 1) * (cy1 - cy0 + 1); }
    };
    std::vector<Span> spans(boxed.size());
    std::vector<std::size_t> by_size(boxed.size());
    std::size_t total = 0;
    for (std::size_t k = 0; k < boxed.size(); ++k) {
        const Box &b = boxes_[boxed[k]];
        spans[k] = {cell_x(b.x0), cell_x(b.x1), cell_y(b.y0), cell_y(b.y1)};
        total += spans[k].cells();
        by_size[k] = k;
    }
    std::sort(by_size.begin(), by_size.end(),
              [&](std::size_t l, std::size_t r) { return spans[l].cells() > spans[r].cells(); });
    const std::size_t budget = std::min<std::size_t>(32 * boxed.size() + columns_ * rows_,
                                                     std::numeric_limits<std::uint32_t>::max());
    std::vector<bool> spread(boxed.size());
    for (std::size_t k : by_size) {
        if (total <= budget) break;
        spread[k] = true;
        total -= spans[k].cells();
    }

    starts_.assign(columns_ * rows_ + 1, 0);
    const auto for_each_cell = [&](const Span &s, auto &&cell) {
        for (std::size_t cy = s.cy0; cy <= s.cy1; ++cy) {
            for (std::size_t cx = s.cx0; cx <= s.cx1; ++cx) cell(cy * columns_ + cx);
        }
    };
    std::vector<std::uint32_t> tested_everywhere;
    for (std::size_t k = 0; k < boxed.size(); ++k) {
        if (spread[k]) {
            tested_everywhere.push_back(boxed[k]);
        } else {
            for_each_cell(spans[k], [&](std::size_t c) { ++starts_[c + 1]; });
        }
    }
    for (std::size_t c = 1; c < starts_.size(); ++c) starts_[c] += starts_[c - 1];
    entries_.resize(starts_.back());
    std::vector<std::uint32_t> filled(starts_.begin(), starts_.end() - 1);
    for (std::size_t k = 0; k < boxed.size(); ++k) {
        if (!spread[k]) for_each_cell(spans[k], [&](std::size_t c) { entries_[filled[c]++] = boxed[k]; });
    }
    std::vector<std::uint32_t> merged(everywhere_.size() + tested_everywhere.size());
    std::merge(everywhere_.begin(), everywhere_.end(), tested_everywhere.begin(),
               tested_everywhere.end(), merged.begin());
    everywhere_ = std::move(merged);
}

}  // namespace planara::bulk
