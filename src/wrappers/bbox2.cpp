#include "wrappers/bbox2.h"

void register_bbox2(py::module_ &m) { (void)m; }
