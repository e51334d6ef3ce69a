#pragma once
#include "module/planara.h"

#include <CGAL/Bbox_2.h>

struct Bbox2 {
    CGAL::Bbox_2 value;
};
