#pragma once
#include "module/planara.h"

struct Direction2 {
    Direction_2 value;
};
