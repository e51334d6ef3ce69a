#pragma once
#include "module/planara.h"

struct Vector2 {
    Vector_2 value;
};
