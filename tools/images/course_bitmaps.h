#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "coach/strategy_table.h"

namespace vantrel::art {

// A bitmap of the course and where the program looks for it. It is drawn at scale device pixels
// to a design pixel: 1 for the course's own file, 2 for the copy beside it that screens of twice
// the density show (DoubleSizePath).
struct CourseBitmap {
    std::string path;
    std::function<QImage(qreal scale)> draw;
};

// Every bitmap the program reads from the data directory dataDir: the 52 faces, the back,
// the three chips, the title and every lecture picture.
std::vector<CourseBitmap> CourseBitmaps(const std::string& dataDir, const StrategyTable& chart);

}  // namespace vantrel::art
