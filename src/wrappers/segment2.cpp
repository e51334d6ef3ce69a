#include "wrappers/segment2.h"

void register_segment2(py::module_ &m) { (void)m; }
