// Compares planara::advance_doubles with Boost.Math's float_advance on many
// generated (value, distance) pairs: the same result bits, or the same
// exception type and message. Prints one line of counts; exits non-zero on
// the first difference.
//
// usage: advance_doubles_check SEED CASES
#include "wrappers/bbox2_dilate.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <typeinfo>

namespace {

using planara::detail::from_ordered_key;
using planara::detail::ordered_key;

std::uint64_t state;

std::uint64_t next_random() {  // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

std::int64_t uniform(std::int64_t lo, std::int64_t hi) {  // inclusive
    return lo + static_cast<std::int64_t>(next_random() % static_cast<std::uint64_t>(hi - lo + 1));
}

const double anchors[] = {0.0,    DBL_TRUE_MIN, DBL_MIN, 0x1p-968, 0x1p-900, 1.0,
                          0x1p52, 0x1p1022,     0x1p1023, DBL_MAX};
constexpr int anchor_count = sizeof anchors / sizeof anchors[0];
// Boost's own float_advance walks one double at a time below this magnitude;
// reference runs there are kept short.
constexpr double walk_limit = 0x1p-968;
constexpr int walk_cap = 1024;

double sign_flip(double v) { return (next_random() & 1) ? -v : v; }

double pick_value() {
    switch (uniform(0, 9)) {
    case 0: {  // any bit pattern, infinities and NaN included
        const std::uint64_t bits = next_random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 1: {
        const double special[] = {INFINITY, NAN, 0.0, DBL_MAX, 0x1p1023};
        return sign_flip(special[uniform(0, 4)]);
    }
    case 2:  // tiny, both signs: subnormals, zeros and the crossing between
        return from_ordered_key(uniform(-3 * walk_cap, 3 * walk_cap));
    default: {  // near a landmark, within a few steps or a few billion
        const double a = sign_flip(anchors[uniform(0, anchor_count - 1)]);
        const std::int64_t reach = (next_random() & 1) ? 16 : (std::int64_t{1} << 32);
        const std::int64_t key = ordered_key(a) + uniform(-reach, reach);
        const std::int64_t top = ordered_key(DBL_MAX);
        return from_ordered_key(key > top ? top : key < -top ? -top : key);
    }
    }
}

int clamp_distance(std::int64_t d) {
    return static_cast<int>(d > INT_MAX ? INT_MAX : d < -INT_MAX ? -INT_MAX : d);
}

int pick_distance(double v) {
    const bool finite = std::isfinite(v);
    switch (uniform(0, 5)) {
    case 0:
        return static_cast<int>(uniform(-3, 3));
    case 1:
        return static_cast<int>(uniform(-100000, 100000));
    case 2:
        return static_cast<int>(uniform(-INT_MAX, INT_MAX));
    case 3:
        return (next_random() & 1) ? INT_MAX : -INT_MAX;
    default: {  // land on or next to 2^1023, DBL_MAX or zero
        if (!finite) return static_cast<int>(uniform(-3, 3));
        const double targets[] = {0x1p1023, DBL_MAX, 0.0};
        const double t = sign_flip(targets[uniform(0, 2)]);
        return clamp_distance(ordered_key(t) - ordered_key(v) + uniform(-2, 2));
    }
    }
}

struct Outcome {
    bool threw = false;
    std::uint64_t bits = 0;
    std::string error;  // exception type and message
};

template <class F>
Outcome run(F f) {
    Outcome o;
    try {
        const double r = f();
        std::memcpy(&o.bits, &r, sizeof r);
    } catch (const std::exception &e) {
        o.threw = true;
        o.error = std::string(typeid(e).name()) + ": " + e.what();
    }
    return o;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED CASES\n", argv[0]);
        return 2;
    }
    state = std::strtoull(argv[1], nullptr, 10);
    const long cases = std::strtol(argv[2], nullptr, 10);
    long values = 0, walks = 0, zeros = 0, crossings = 0, domain = 0, overflow = 0;
    for (long i = 0; i < cases; ++i) {
        const double v = pick_value();
        int n = pick_distance(v);
        if (std::isfinite(v) && std::fabs(v) < walk_limit && (n > 1 || n < -1)) {
            n %= walk_cap;
            ++walks;
        }
        const Outcome mine = run([&] { return planara::advance_doubles(v, n); });
        const Outcome boost = run([&] { return boost::math::float_advance(v, n); });
        if (mine.threw != boost.threw || mine.bits != boost.bits || mine.error != boost.error) {
            std::printf("MISMATCH v=%a n=%d: ours %s %016llx, boost %s %016llx\n", v, n,
                        mine.error.c_str(), static_cast<unsigned long long>(mine.bits),
                        boost.error.c_str(), static_cast<unsigned long long>(boost.bits));
            return 1;
        }
        if (!boost.threw) {
            double r;
            std::memcpy(&r, &boost.bits, sizeof r);
            ++values;
            zeros += r == 0 && v != 0;
            crossings += (r < 0 && v > 0) || (r > 0 && v < 0);
        } else if (boost.error.find("Overflow Error") != std::string::npos) {
            ++overflow;
        } else {
            ++domain;
        }
    }
    std::printf("cases=%ld values=%ld walks=%ld zeros=%ld crossings=%ld domain=%ld overflow=%ld\n",
                cases, values, walks, zeros, crossings, domain, overflow);
    return 0;
}
