// The transform groups the benchmarks run: what a real job does to a vertex-heavy model set.
#pragma once

#include "geometry/TransformGroup.h"

#include <string>

// Matches every model; scales, rotates and translates its vertices (and positions). With textured,
// texture vertices are scaled too, so that they are parsed and written as well.
CTransformGroup MakeBenchGroup(const std::string& substitute, bool textured = false);
