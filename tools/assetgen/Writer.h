#pragma once

#include "Catalogue.h"

#include <QString>

#include <vector>

namespace quorvel::assetgen {

// Writes every picture at its scales, and the text files that go with them,
// into the assets folder. Returns an empty string on success, otherwise what
// went wrong.
QString writeAssets(const QString& folder, const std::vector<Picture>& pictures);

} // namespace quorvel::assetgen
