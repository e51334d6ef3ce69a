#pragma once
#include "module/planara.h"

struct Line2 {
    Line_2 value;
};
