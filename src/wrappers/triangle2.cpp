#include "wrappers/triangle2.h"

void register_triangle2(py::module_ &m) { (void)m; }
