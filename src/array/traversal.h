// Walking the elements of several strided arrays of one leading shape in C
// order, as stretches along the innermost axis: the bulk functions' outer loop.
//
// The arrays are the point arguments (already broadcast to the result's shape,
// so a repeated point has stride 0) and the result. Axes of length 1 are
// dropped and neighbouring axes that every array steps through evenly are
// merged, so an ordinary contiguous array, however many leading axes it has,
// is one long stretch.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace planara::bulk {

template <std::size_t N>
class Traversal {
public:
    using Strides = std::array<std::ptrdiff_t, N>;

    // extents: the leading shape; strides[a][j]: the byte step of array j
    // along axis a; bases[j]: array j's first element.
    Traversal(const std::vector<std::ptrdiff_t> &extents, const std::vector<Strides> &strides,
              const std::array<char *, N> &bases)
        : bases_(bases) {
        size_ = 1;
        for (std::size_t a = 0; a < extents.size(); ++a) {
            size_ *= static_cast<std::size_t>(extents[a]);
            if (extents[a] == 1) continue;
            if (!extents_.empty() && mergeable(strides_.back(), strides[a], extents[a])) {
                extents_.back() *= extents[a];
                strides_.back() = strides[a];
            } else {
                extents_.push_back(extents[a]);
                strides_.push_back(strides[a]);
            }
        }
        if (extents_.empty()) {  // a single element, or none
            extents_.push_back(static_cast<std::ptrdiff_t>(size_));
            strides_.push_back(Strides{});
        }
    }

    std::size_t size() const { return size_; }
    // The byte steps of the arrays along the innermost axis.
    const Strides &inner_strides() const { return strides_.back(); }

    // Calls stretch(n, starts) for the elements begin .. end - 1 in C order,
    // where starts[j] is array j's first element of a stretch of n elements
    // along the innermost axis.
    template <class Stretch>
    void for_each_stretch(std::size_t begin, std::size_t end, Stretch &&stretch) const {
        if (begin >= end) return;
        const std::size_t axes = extents_.size();
        std::vector<std::ptrdiff_t> index(axes);
        std::size_t rest = begin;
        for (std::size_t a = axes; a-- > 0;) {
            index[a] = static_cast<std::ptrdiff_t>(rest % static_cast<std::size_t>(extents_[a]));
            rest /= static_cast<std::size_t>(extents_[a]);
        }
        std::size_t left = end - begin;
        while (left > 0) {
            std::array<char *, N> starts = bases_;
            for (std::size_t a = 0; a < axes; ++a) {
                for (std::size_t j = 0; j < N; ++j) starts[j] += index[a] * strides_[a][j];
            }
            const auto room = static_cast<std::size_t>(extents_[axes - 1] - index[axes - 1]);
            const std::size_t n = left < room ? left : room;
            stretch(n, starts);
            left -= n;
            // Next stretch: carry into the outer axes.
            index[axes - 1] += static_cast<std::ptrdiff_t>(n);
            for (std::size_t a = axes - 1; a > 0 && index[a] == extents_[a]; --a) {
                index[a] = 0;
                ++index[a - 1];
            }
        }
    }

private:
    // Axis b (of extent nb) continues axis a for every array when a's step is
    // nb of b's steps.
    static bool mergeable(const Strides &a, const Strides &b, std::ptrdiff_t nb) {
        for (std::size_t j = 0; j < N; ++j) {
            if (a[j] != b[j] * nb) return false;
        }
        return true;
    }

    std::array<char *, N> bases_;
    std::vector<std::ptrdiff_t> extents_;
    std::vector<Strides> strides_;
    std::size_t size_;
};

}  // namespace planara::bulk
