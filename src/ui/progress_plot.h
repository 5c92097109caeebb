#pragma once

#include <QPixmap>
#include <QSize>
#include <optional>
#include <vector>

namespace vantrel {

// The share of right answers per table visit (0..1) as lines over one row of visits, oldest at
// the left and the latest at the right edge: decisions in yellow, count answers in aqua. Both
// series hold one entry per visit; a visit without answers of a kind leaves a gap in its line.
// Drawn at ratio device pixels to each of size's, for the screen that shows it.
using VisitSeries = std::vector<std::optional<double>>;
QPixmap DrawProgressPlot(QSize size, qreal ratio, const VisitSeries& decisions,
                         const VisitSeries& countAnswers);

}  // namespace vantrel
