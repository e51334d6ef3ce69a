#include "wrappers/iso_rectangle2.h"

void register_iso_rectangle2(py::module_ &m) { (void)m; }
