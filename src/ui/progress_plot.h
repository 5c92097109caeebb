#pragma once

#include <QPixmap>
#include <QSize>
#include <vector>

namespace vantrel {

// The share of right answers per table visit as a line over the visits, oldest at the left and
// the latest at the right edge: decisions in yellow, count answers in aqua, each share 0..1.
QPixmap DrawProgressPlot(QSize size, const std::vector<double>& decisions,
                         const std::vector<double>& countAnswers);

}  // namespace vantrel
