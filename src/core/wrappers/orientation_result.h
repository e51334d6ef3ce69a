#pragma once
#include "module/planara.h"

struct OrientationResult {
    CGAL::Orientation value;
};
