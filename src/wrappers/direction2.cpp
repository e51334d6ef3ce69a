#include "wrappers/direction2.h"

void register_direction2(py::module_ &m) { (void)m; }
