// Compares the bulk engine's exact predicates (exact_predicates.h: the filter,
// then the fallback) with CGAL's Epick kernel asked through its own objects,
// on generated input: shapes through random anchors and points a few ulps off
// their boundaries, scaled by powers of two from 2^-1000 to 2^1000, plus
// arbitrary doubles. The engine runs in all four rounding modes, Epick in
// round-to-nearest (which its filters assume). Epick's exact stage without
// GMP throws for some doubles below about 2^-970; those cases are counted and
// skipped. Also counts how many elements of random input the filter decides
// alone. Prints one line of counts; exits non-zero on the first difference.
//
// usage: exact_predicates_check SEED CASES
#include "array/exact_predicates.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <string>

namespace {

using namespace planara::bulk;
using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using KP = K::Point_2;

std::uint64_t state;

std::uint64_t next_random() {  // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

double uniform(double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(next_random() >> 11) * 0x1p-53;
}

int pick(int n) { return static_cast<int>(next_random() % static_cast<std::uint64_t>(n)); }

double nudge(double v, int ulps) {
    for (int k = 0; k < std::abs(ulps); ++k) v = std::nextafter(v, ulps > 0 ? INFINITY : -INFINITY);
    return v;
}

// Arbitrary doubles: any bit pattern that is finite.
double any_double() {
    for (;;) {
        const std::uint64_t bits = next_random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) return v;
    }
}

struct Case {
    double a[6];     // three anchors (x, y)
    double p[2];     // the point
    double scale;    // applied to all of them
};

// Three anchors and a point near the line through the first two, or near one
// of them, all scaled; or arbitrary doubles.
Case make_case() {
    Case c;
    for (double &v : c.a) v = uniform(-8, 8);
    const int edge = pick(3);
    const double *u = c.a + 2 * edge, *w = c.a + 2 * ((edge + 1) % 3);
    const double t = pick(4) == 0 ? 0.0 : uniform(-1, 2);
    c.p[0] = nudge(u[0] + t * (w[0] - u[0]), pick(7) - 3);
    c.p[1] = nudge(u[1] + t * (w[1] - u[1]), pick(7) - 3);
    c.scale = std::ldexp(1.0, pick(3) == 0 ? 0 : pick(2001) - 1000);
    for (double &v : c.a) v *= c.scale;
    for (double &v : c.p) v *= c.scale;
    if (pick(8) == 0) {
        for (double &v : c.a) v = any_double();
        for (double &v : c.p) v = any_double();
    }
    return c;
}

const int modes[] = {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO};

long compared = 0, refused = 0, not_finite = 0;

bool all_finite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// Compares engine() with reference(), Epick's answer for finite shape
// parameters (Epick cannot take others, and the engine gives them the plain
// answer).
template <class Engine, class Reference>
void check(const char *name, const Case &c, std::initializer_list<double> shape, Engine engine,
           Reference reference, bool every_mode = true) {
    if (!all_finite(shape)) {
        ++not_finite;
        return;
    }
    int want;
    try {
        want = static_cast<int>(reference());
    } catch (const std::exception &) {
        ++refused;  // Epick's exact stage cannot read one of the doubles
        return;
    }
    for (const int mode : modes) {
        if (!every_mode && mode != FE_TONEAREST) continue;
        std::fesetround(mode);
        const int got = static_cast<int>(engine());
        std::fesetround(FE_TONEAREST);
        if (got != want) {
            std::printf("%s differs in mode %d: engine %d, Epick %d\n  anchors", name, mode, got,
                        want);
            for (const double v : c.a) std::printf(" %a", v);
            std::printf("\n  point %a %a\n", c.p[0], c.p[1]);
            std::exit(1);
        }
    }
    ++compared;
}

// Epick's answer for one case and every shape made from its anchors.
void check_case(const Case &c) {
    const double *a = c.a, x = c.p[0], y = c.p[1];
    const KP p(x, y), u(a[0], a[1]), v(a[2], a[3]), w(a[4], a[5]);
    check("orientation", c, {}, [&] { return exact_orientation(a[0], a[1], a[2], a[3], x, y); },
          [&] { return CGAL::orientation(u, v, p); });
    const ExactFixedPair pq = prepare_exact(FixedPair{a[0], a[1], a[2], a[3]});
    check("fixed orientation", c, {}, [&] { return exact_orientation(pq, x, y); },
          [&] { return CGAL::orientation(u, v, p); });

    const K::Line_2 kline(u, v);
    const Line line{kline.a(), kline.b(), kline.c()};
    const auto line_numbers = {line.a, line.b, line.c};
    check("line side", c, line_numbers, [&] { return exact_oriented_side(line, x, y); },
          [&] { return kline.oriented_side(p); });
    check("line has_on", c, line_numbers, [&] { return exact_has_on(line, x, y); },
          [&] { return kline.has_on(p); });

    const Triangle t{a[0], a[1], a[2], a[3], a[4], a[5], 0};  // orientation is decided anew
    const K::Triangle_2 ktriangle(u, v, w);
    check("triangle oriented side", c, {}, [&] { return exact_oriented_side(t, x, y); },
          [&] { return ktriangle.oriented_side(p); });
    check("triangle bounded side", c, {}, [&] { return exact_bounded_side(t, x, y); },
          [&] { return ktriangle.bounded_side(p); });

    // A circle about the first anchor through the second, and the circle
    // through all three as the kernel constructs it (in double).
    const double r2 = CGAL::squared_distance(u, v);
    for (const int o : {-1, 1}) {
        const K::Circle_2 kcircle(u, r2, static_cast<CGAL::Orientation>(o));
        const Circle circle{a[0], a[1], r2, o};
        check("circle bounded side", c, {r2}, [&] { return exact_bounded_side(circle, x, y); },
              [&] { return kcircle.bounded_side(p); });
        check("circle oriented side", c, {r2}, [&] { return exact_oriented_side(circle, x, y); },
              [&] { return kcircle.oriented_side(p); });
    }
    const K::Circle_2 through(u, v, w);
    const Circle circle{through.center().x(), through.center().y(), through.squared_radius(),
                        static_cast<int>(through.orientation())};
    check("circumcircle oriented side", c, {circle.cx, circle.cy, circle.squared_radius}, [&] { return exact_oriented_side(circle, x, y); },
          [&] { return through.oriented_side(p); });

    const Segment segment{a[0], a[1], a[2], a[3]};
    check("segment has_on", c, {}, [&] { return exact_has_on(segment, x, y); },
          [&] { return K::Segment_2(u, v).has_on(p); });
    // The ray compares vectors it constructs in double: the same ones only in
    // the same rounding mode.
    const Ray ray{a[0], a[1], a[2], a[3]};
    check("ray has_on", c, {}, [&] { return exact_has_on(ray, x, y); },
          [&] { return K::Ray_2(u, v).has_on(p); }, false);
}

// The share of random points, in a box around a triangle and a circle, and
// of random orientation triples, that the filter decides alone.
void count_random(long n) {
    const ExactTriangle t = prepare_exact(Triangle{0.1, 0.2, 3.7, 0.3, 0.4, 2.9, 1});
    const ExactCircle circle = prepare_exact(Circle{1.5, 1.2, 2.3, 1});
    long decided_triangle = 0, decided_circle = 0, decided_orientation = 0;
    for (long i = 0; i < n; ++i) {
        const double x = uniform(-1, 5), y = uniform(-1, 5);
        decided_triangle += filtered_bounded_side(t, x, y).certain;
        decided_circle += filtered_bounded_side(circle, x, y).certain;
        decided_orientation += filtered_orientation(uniform(-1, 5), uniform(-1, 5), uniform(-1, 5),
                                                    uniform(-1, 5), x, y)
                                   .certain;
    }
    std::printf("random=%ld triangle_fallbacks=%ld circle_fallbacks=%ld orientation_fallbacks=%ld ",
                n, n - decided_triangle, n - decided_circle, n - decided_orientation);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED CASES\n", argv[0]);
        return 2;
    }
    state = std::strtoull(argv[1], nullptr, 10);
    const long cases = std::strtol(argv[2], nullptr, 10);
    for (long i = 0; i < cases; ++i) check_case(make_case());
    count_random(1000000);
    std::printf("compared=%ld refused=%ld not_finite=%ld\n", compared, refused, not_finite);
    return 0;
}
