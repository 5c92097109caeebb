#include "chart_art.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "art_style.h"

namespace vantrel::art {

namespace {

struct ChartRow {
    int row;
    const char* label;
};

std::vector<ChartRow> RowsOf(ChartPart part) {
    switch (part) {
        case ChartPart::Hard:
            return {{8, "4-8"}, {9, "9"},   {10, "10"}, {11, "11"}, {12, "12"},
                    {13, "13"}, {14, "14"}, {15, "15"}, {16, "16"}, {17, "17+"}};
        case ChartPart::Soft:
            return {{2, "A,2"}, {3, "A,3"}, {4, "A,4"}, {5, "A,5"},
                    {6, "A,6"}, {7, "A,7"}, {8, "A,8+"}};
        case ChartPart::Pair:
            return {{2, "2,2"}, {3, "3,3"}, {4, "4,4"}, {5, "5,5"},    {6, "6,6"},
                    {7, "7,7"}, {8, "8,8"}, {9, "9,9"}, {10, "10,10"}, {1, "A,A"}};
    }
    return {};
}

// Dealer up cards in the order players read them: 2 to 10, then the ace.
constexpr std::array<int, 10> kUpCards = {2, 3, 4, 5, 6, 7, 8, 9, 10, 1};

QColor InkOn(int code) {
    return code == kChartHit || code == kChartDouble || code == kChartSplit ? Qt::white : Qt::black;
}

}  // namespace

QString ChartCodeText(int code) {
    switch (code) {
        case kChartHit:
            return QStringLiteral("H");
        case kChartStand:
            return QStringLiteral("S");
        case kChartDouble:
            return QStringLiteral("D");
        case kChartSplit:
            return QStringLiteral("P");
        case kChartDoubleElseStand:
            return QStringLiteral("Ds");
        case kChartAnyAction:
            return QStringLiteral("*");
        default:
            return {};
    }
}

QColor ChartCodeColour(int code) {
    switch (code) {
        case kChartHit:
            return QColor(0xD8, 0x40, 0x3A);
        case kChartStand:
            return QColor(0xF5, 0xD3, 0x3C);
        case kChartDouble:
            return QColor(0x1E, 0x8E, 0x3A);
        case kChartSplit:
            return QColor(0x3A, 0x6A, 0xD8);
        case kChartDoubleElseStand:
            return QColor(0x9C, 0xDC, 0x70);
        case kChartAnyAction:
            return QColor(0xC0, 0xC0, 0xC0);
        default:
            return QColor(0x30, 0x50, 0x50);
    }
}

int ChartCell(const StrategyTable& chart, ChartPart part, int row, int upCard) {
    switch (part) {
        case ChartPart::Hard:
            return chart.hard.at(row).at(upCard);
        case ChartPart::Soft:
            return chart.soft.at(row).at(upCard);
        case ChartPart::Pair:
            return chart.pair.at(row).at(upCard);
    }
    return 0;
}

void DrawChartCode(QPainter& painter, const QRectF& box, int code, int pixelSize) {
    painter.fillRect(box, ChartCodeColour(code));
    DrawText(painter, box, ChartCodeText(code), Gothic(pixelSize, true), InkOn(code));
}

namespace {

// The grid of a chart drawn into box: a header row of up cards, a label column of rows.
struct ChartGrid {
    QRectF box;
    qreal rowHeight;
    qreal labelWidth;
    qreal cellWidth;

    ChartGrid(const QRectF& area, std::size_t rows) : box(area) {
        rowHeight = box.height() / (rows + 1);
        labelWidth = std::min(box.width() * 0.16, rowHeight * 2.8);
        cellWidth = (box.width() - labelWidth) / kUpCards.size();
    }
    QRectF Cell(std::size_t r, std::size_t c) const {
        return QRectF(box.left() + labelWidth + c * cellWidth, box.top() + (r + 1) * rowHeight,
                      cellWidth, rowHeight);
    }
    QRectF Label(std::size_t r) const {
        return QRectF(box.left(), box.top() + (r + 1) * rowHeight, labelWidth, rowHeight);
    }
    QRectF Header(std::size_t c) const { return Cell(0, c).translated(0, -rowHeight); }
    int PixelSize() const { return static_cast<int>(std::min(rowHeight * 0.72, cellWidth * 0.6)); }
};

void DrawGridLines(QPainter& painter, const ChartGrid& grid, std::size_t rows) {
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    for (std::size_t r = 0; r <= rows + 1; ++r) {
        const qreal y = grid.box.top() + r * grid.rowHeight;
        painter.drawLine(QPointF(grid.box.left(), y), QPointF(grid.box.right(), y));
    }
    for (std::size_t c = 0; c <= kUpCards.size(); ++c) {
        const qreal x = grid.box.left() + grid.labelWidth + c * grid.cellWidth;
        painter.drawLine(QPointF(x, grid.box.top()), QPointF(x, grid.box.bottom()));
    }
}

QString PlayName(int code) {
    switch (code) {
        case kChartHit:
            return QStringLiteral("hit");
        case kChartStand:
            return QStringLiteral("stand");
        case kChartDouble:
            return QStringLiteral("double");
        case kChartSplit:
            return QStringLiteral("split");
        case kChartDoubleElseStand:
            return QStringLiteral("double, else stand");
        default:
            return ChartCodeText(code);
    }
}

// The black band of up cards across the top and the row labels down the left.
void DrawFrame(QPainter& painter, const ChartGrid& grid, const std::vector<ChartRow>& rows,
               int pixelSize, ChartMark mark = {}) {
    const QRectF& box = grid.box;
    painter.fillRect(QRectF(box.topLeft(), QSizeF(box.width(), grid.rowHeight)), Qt::black);
    painter.fillRect(QRectF(box.left(), box.top() + grid.rowHeight, grid.labelWidth,
                            box.height() - grid.rowHeight),
                     Qt::black);
    for (std::size_t c = 0; c < kUpCards.size(); ++c) {
        const QString up = kUpCards[c] == 1 ? QStringLiteral("A") : QString::number(kUpCards[c]);
        DrawText(painter, grid.Header(c), up, Gothic(pixelSize, true),
                 kUpCards[c] == mark.upCard ? kYellow : Qt::white);
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        DrawFittedText(painter, grid.Label(r).adjusted(2, 0, -2, 0),
                       QString::fromLatin1(rows[r].label), Gothic(pixelSize, true),
                       rows[r].row == mark.row ? kYellow : Qt::white);
}

}  // namespace

std::vector<int> ChartRows(ChartPart part) {
    std::vector<int> rows;
    for (const ChartRow& row : RowsOf(part)) rows.push_back(row.row);
    return rows;
}

QRectF ChartCellRect(const QRectF& box, ChartPart part, int row, int upCard) {
    const std::vector<int> rows = ChartRows(part);
    const auto r = std::find(rows.begin(), rows.end(), row);
    const auto c = std::find(kUpCards.begin(), kUpCards.end(), upCard);
    if (r == rows.end() || c == kUpCards.end()) return {};
    return ChartGrid(box, rows.size()).Cell(r - rows.begin(), c - kUpCards.begin());
}

void DrawChart(QPainter& painter, const QRectF& box, const StrategyTable& chart, ChartPart part,
               ChartMark mark) {
    const std::vector<ChartRow> rows = RowsOf(part);
    const ChartGrid grid(box, rows.size());
    const int pixelSize = grid.PixelSize();

    painter.save();
    DrawFrame(painter, grid, rows, pixelSize, mark);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < kUpCards.size(); ++c)
            DrawChartCode(painter, grid.Cell(r, c),
                          ChartCell(chart, part, rows[r].row, kUpCards[c]), pixelSize);
    }
    DrawGridLines(painter, grid, rows.size());

    const QRectF marked = ChartCellRect(box, part, mark.row, mark.upCard);
    if (!marked.isEmpty()) {
        painter.setPen(QPen(kYellow, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(marked.adjusted(-1, -1, 1, 1));
    }
    painter.restore();
}

void DrawChartInWords(QPainter& painter, const QRectF& box, const StrategyTable& chart,
                      ChartPart part) {
    const std::vector<ChartRow> rows = RowsOf(part);
    const ChartGrid grid(box, rows.size());
    const int pixelSize = grid.PixelSize();
    painter.save();
    DrawFrame(painter, grid, rows, pixelSize);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t first = 0; first < kUpCards.size();) {
            const int code = ChartCell(chart, part, rows[r].row, kUpCards[first]);
            std::size_t end = first + 1;
            while (end < kUpCards.size() &&
                   ChartCell(chart, part, rows[r].row, kUpCards[end]) == code)
                ++end;
            const QRectF run = grid.Cell(r, first).united(grid.Cell(r, end - 1));
            painter.fillRect(run, ChartCodeColour(code));
            painter.drawRect(run);
            DrawFittedText(painter, run.adjusted(2, 0, -2, 0), PlayName(code),
                           PGothic(pixelSize - 1, true), InkOn(code));
            first = end;
        }
    }
    painter.restore();
}

void DrawChartLegend(QPainter& painter, const QRectF& box, int pixelSize) {
    struct Entry {
        int code;
        const char* meaning;
    };
    const std::array<Entry, 5> entries = {{{kChartHit, "Hit"},
                                           {kChartStand, "Stand"},
                                           {kChartDouble, "Double, else hit"},
                                           {kChartDoubleElseStand, "Double, else stand"},
                                           {kChartSplit, "Split"}}};
    const qreal lineHeight = box.height() / entries.size();
    const qreal swatch = std::min(lineHeight - 4, 26.0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const qreal top = box.top() + i * lineHeight + (lineHeight - swatch) / 2;
        DrawChartCode(painter, QRectF(box.left(), top, swatch * 1.3, swatch), entries[i].code,
                      static_cast<int>(swatch * 0.66));
        DrawText(painter, QRectF(box.left() + swatch * 1.3 + 6, top - 4, box.width(), swatch + 8),
                 QString::fromLatin1(entries[i].meaning), PGothic(pixelSize, true), Qt::white,
                 Qt::AlignLeft | Qt::AlignVCenter);
    }
}

}  // namespace vantrel::art
