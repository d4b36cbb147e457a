// The transform listing's lines: per group an a-line always, a b-line when a texture transform is in
// force, a c-line when a position is given; tabs as in the listing dialog. Shared by the listing
// dialog and `tarvolin-batch --list`.
#pragma once

#include "geometry/TransformGroup.h"

#include <string>
#include <vector>

// The lines of group n, in a, b, c order.
std::vector<std::string> FormatTransformLines(int n, const CTransformGroup& group);

// The lines of the whole table, sorted by byte value as the sorted list box shows them (the
// right-aligned group number keeps the groups in numeric order).
std::vector<std::string> FormatTransformListing();
