// Entry point and module body of planara_core.
//
// The registration order is part of the interface: overloads of one name are
// tried in the order they are registered, and each class is complete before
// the next one begins. A class may name a later class in a parameter (for
// example Direction2(s: Segment2)); types are resolved only when a call is made.
#include "module/planara.h"

PYBIND11_MODULE(planara_core, m) {
    m.doc() = "CGAL Python bindings \u2014 call CGAL C++ functions from Python";

    register_squared_distance(m);
    register_point2(m);
    register_vector2(m);
    register_orientation_result(m);  // before orientation(), which returns it
    register_orientation(m);
    register_bbox2(m);
    register_direction2(m);  // its Segment2 and Ray2 constructors come last
    register_line2(m);       // likewise, then the static from_ray
    register_segment2(m);
    register_ray2(m);
    register_triangle2(m);
    register_circle2(m);
    register_iso_rectangle2(m);

    refuse_uninitialised_instances(m);
    refuse_class_reassignment(m);
    refuse_base_instances(m);
}
