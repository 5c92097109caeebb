#include "chart_art.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "art_style.h"
#include "page_words.h"

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

// A row's neighbouring up cards of one code, as [first, end) indices into kUpCards.
struct Run {
    std::size_t first;
    std::size_t end;
    int code;
};

std::vector<Run> RunsOf(const StrategyTable& chart, ChartPart part, int row) {
    std::vector<Run> runs;
    for (std::size_t first = 0; first < kUpCards.size();) {
        const int code = ChartCell(chart, part, row, kUpCards[first]);
        std::size_t end = first + 1;
        while (end < kUpCards.size() && ChartCell(chart, part, row, kUpCards[end]) == code) ++end;
        runs.push_back({first, end, code});
        first = end;
    }
    return runs;
}

QString UpCardText(std::size_t index) {
    return kUpCards[index] == 1 ? QStringLiteral("A") : QString::number(kUpCards[index]);
}

// The sub-table in words, a line a row: "12: hit against 2 to 3, stand against 4 to 6, ...".
void NoteChartRows(const StrategyTable& chart, ChartPart part, ChartMark mark) {
    const char* parts[] = {"Hard totals", "Soft hands", "Pairs"};
    NoteText(QStringLiteral("%1 against the dealer's up card, 2 to A")
                 .arg(QLatin1String(parts[static_cast<int>(part)])));
    for (const ChartRow& row : RowsOf(part)) {
        QStringList runs;
        for (const Run& run : RunsOf(chart, part, row.row)) {
            const QString play = run.code == kChartAnyAction ? QStringLiteral("any play")
                                 : run.code == 0             ? QStringLiteral("open")
                                                             : PlayName(run.code);
            const QString cards = run.end - run.first == 1
                                      ? UpCardText(run.first)
                                      : UpCardText(run.first) + " to " + UpCardText(run.end - 1);
            runs.append(play + " against " + cards);
        }
        NoteText(QLatin1String(row.label) + ": " + runs.join(", "));
        if (row.row == mark.row && mark.upCard != 0)
            NoteText(QStringLiteral("Marked: %1 against %2")
                         .arg(QLatin1String(row.label), mark.upCard == 1
                                                            ? QStringLiteral("A")
                                                            : QString::number(mark.upCard)));
    }
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
    NoteChartRows(chart, part, mark);
    const QuietNotes cells;

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
    NoteChartRows(chart, part, {});
    const QuietNotes cells;
    painter.save();
    DrawFrame(painter, grid, rows, pixelSize);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (const Run& run : RunsOf(chart, part, rows[r].row)) {
            const QRectF area = grid.Cell(r, run.first).united(grid.Cell(r, run.end - 1));
            painter.fillRect(area, ChartCodeColour(run.code));
            painter.drawRect(area);
            DrawFittedText(painter, area.adjusted(2, 0, -2, 0), PlayName(run.code),
                           PGothic(pixelSize - 1, true), InkOn(run.code));
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
