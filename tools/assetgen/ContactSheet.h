// ContactSheet.h -- every picture on one grid with its name, for people to review the set.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

Canvas MakeContactSheet(const std::vector<std::pair<std::string, Canvas>>& pictures);

}  // namespace tools::assetgen
