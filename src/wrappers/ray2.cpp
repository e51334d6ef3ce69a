#include "wrappers/ray2.h"

void register_ray2(py::module_ &m) { (void)m; }
