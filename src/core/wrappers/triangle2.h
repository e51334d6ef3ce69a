#pragma once
#include "module/planara.h"

struct Triangle2 {
    Triangle_2 value;
};
