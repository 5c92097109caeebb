#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

#include "coach/strategy_table.h"

class QPainter;

namespace vantrel::art {

// The three sub-tables of the strategy chart, as the course draws them.
enum class ChartPart { Hard, Soft, Pair };

// How a chart code reads to the student: "H", "S", "D", "P", "Ds", "*" (anything goes);
// empty for a cell the chart leaves open.
QString ChartCodeText(int code);
QColor ChartCodeColour(int code);

// The code of one cell; upCard is the dealer's up-card value, 1 for an ace.
int ChartCell(const StrategyTable& chart, ChartPart part, int row, int upCard);

// The rows a drawing of the sub-table shows, top to bottom.
std::vector<int> ChartRows(ChartPart part);

// Where the cell of row and upCard lies in a chart drawn into box; empty for a row the
// drawing does not show.
QRectF ChartCellRect(const QRectF& box, ChartPart part, int row, int upCard);

// A cell picked out in a drawing of the chart.
struct ChartMark {
    int row = 0;
    int upCard = 0;
};

// The sub-table as a grid: dealer up cards 2..10, A across, the chart's rows down, every
// cell coloured by its code. The cells come from the chart file itself.
void DrawChart(QPainter& painter, const QRectF& box, const StrategyTable& chart, ChartPart part,
               ChartMark mark = {});

// The sub-table spelled out: each row's runs of one code against neighbouring up cards merged into
// one box that names the play ("split", "double, else stand"), under the header of up cards.
void DrawChartInWords(QPainter& painter, const QRectF& box, const StrategyTable& chart,
                      ChartPart part);

// The key to the codes, one entry per line.
void DrawChartLegend(QPainter& painter, const QRectF& box, int pixelSize = 14);

// One cell drawn on its own, e.g. beside an example hand.
void DrawChartCode(QPainter& painter, const QRectF& box, int code, int pixelSize = 18);

}  // namespace vantrel::art
