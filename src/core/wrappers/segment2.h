#pragma once
#include "module/planara.h"

struct Segment2 {
    Segment_2 value;
};
