#pragma once
#include "module/planara.h"

struct Point2 {
    Point_2 value;
};
