#include "wrappers/circle2.h"

void register_circle2(py::module_ &m) { (void)m; }
