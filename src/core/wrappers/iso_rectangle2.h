#pragma once
#include "module/planara.h"

struct IsoRectangle2 {
    Iso_rectangle_2 value;
};
