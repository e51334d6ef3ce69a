#pragma once
#include "module/planara.h"

struct Circle2 {
    Circle_2 value;
};
