#pragma once
#include "module/planara.h"

struct Ray2 {
    Ray_2 value;
};
