#include "wrappers/line2.h"

void register_line2(py::module_ &m) { (void)m; }
