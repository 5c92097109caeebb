// The Master Course's lectures: "True Count & Betting" (ML1) and "Index Plays" (ML4). The pages
// that teach a method are drawn at build time; the pages that show the lab's figures are drawn
// by the lecture from the figures for the rules in force (see master_pages.h).

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

#include "art_style.h"
#include "engine/table.h"
#include "lecture_canvas.h"
#include "master_pages.h"
#include "strategy/master_text.h"
#include "strategy/true_count.h"

namespace vantrel::art {

namespace {

using strategy::CountShare;
using strategy::IndexNumber;
using strategy::MasterFigures;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// --- Pages drawn at build time ---

void WhatTheTrueCountIs(QPainter& p) {
    Heading(p, QStringLiteral("The true count: the running count per deck left"));
    Caption(p, QRectF(14, 36, 572, 20),
            QStringLiteral("Divide, then cut toward zero: the fraction is dropped, never rounded "
                           "up."),
            14, kPaleYellow, Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        int running;
        int cardsLeft;
    } examples[] = {{7, 130}, {-7, 130}, {5, 208}, {2, 156}};
    const char* headers[] = {"running count", "decks left", "per deck", "true count"};
    for (int column = 0; column < 4; ++column)
        Caption(p, QRectF(24 + column * 140, 64, 130, 20), QString::fromLatin1(headers[column]), 14,
                kLightYellow);
    for (int row = 0; row < 4; ++row) {
        const auto& example = examples[row];
        const qreal y = 90 + row * 38;
        const double decksLeft = example.cardsLeft / 52.0;
        const double perDeck = example.running / decksLeft;
        const QFont font = PGothic(22, true);
        DrawText(p, QRectF(24, y, 130, 32), Signed(example.running), font, kAqua);
        DrawText(p, QRectF(164, y, 130, 32), QString::number(decksLeft, 'g', 3), font, kAqua);
        DrawText(p, QRectF(304, y, 130, 32),
                 (perDeck > 0 ? QStringLiteral("+") : QString()) + QString::number(perDeck, 'f', 2),
                 font, Qt::white);
        DrawText(p, QRectF(444, y, 130, 32),
                 Signed(strategy::TrueCount(example.running, example.cardsLeft)), font, kYellow);
        Arrow(p, QPointF(424, y + 16), QPointF(452, y + 16), kLightYellow, 2);
    }
}

// A discard tray seen from the side: a stack of card edges, marked every half deck.
void DiscardTray(QPainter& p) {
    const TableRules rules;
    const int decks = rules.deck;
    constexpr double kInTray = 2.5;
    Heading(p, QStringLiteral("Decks left, read from the discard tray"));
    const QRectF tray(60, 44, 90, 192);
    const qreal perHalfDeck = tray.height() / (decks * 2);
    p.setPen(QPen(kPaleYellow, 2));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(tray);
    const qreal top = tray.bottom() - perHalfDeck * kInTray * 2;
    p.setPen(QPen(QColor(0xE8, 0xE8, 0xE8), 1));
    for (qreal y = tray.bottom() - 2; y > top; y -= 3)
        p.drawLine(QPointF(tray.left() + 4, y), QPointF(tray.right() - 4, y));
    for (int half = 1; half < decks * 2; ++half) {
        const qreal y = tray.bottom() - half * perHalfDeck;
        const bool whole = half % 2 == 0;
        p.setPen(QPen(whole ? kYellow : kLightYellow, whole ? 2 : 1));
        p.drawLine(QPointF(tray.right(), y), QPointF(tray.right() + (whole ? 16 : 9), y));
        if (whole)
            Caption(p, QRectF(tray.right() + 18, y - 9, 30, 18), QString::number(half / 2), 12,
                    kLightYellow, Qt::AlignLeft | Qt::AlignVCenter);
    }
    Caption(p, QRectF(10, tray.top() - 4, 50, 40), QStringLiteral("tray"), 13, kPaleYellow);
    const QString lines[] = {
        QStringLiteral("A full tray would hold all %1 decks.").arg(decks),
        QStringLiteral("Its stack reaches the mark at %1 decks.").arg(kInTray),
        QStringLiteral("Decks left: %1 - %2 = %3.").arg(decks).arg(kInTray).arg(decks - kInTray),
        QStringLiteral("Read it to the nearest half deck: no finer."),
    };
    for (int i = 0; i < 4; ++i)
        Caption(p, QRectF(230, 56 + i * 40, 356, 32), lines[i], 17, i == 2 ? kYellow : Qt::white,
                Qt::AlignLeft | Qt::AlignVCenter);
    Arrow(p, QPointF(218, top), QPointF(tray.right() + 4, top), kAqua, 2);
}

void WhatAnIndexPlayIs(QPainter& p) {
    Heading(p, QStringLiteral("An index play: the count changes the right play"));
    Caption(p, QRectF(14, 40, 180, 20), QStringLiteral("You"), 14, kLightYellow);
    DrawHand(p, QPointF(60, 64), Cards({"S10", "H06"}));
    Caption(p, QRectF(14, 140, 180, 20), QStringLiteral("Dealer"), 14, kLightYellow);
    DrawHand(p, QPointF(60, 164), Cards({"D13", "back"}));
    const QRectF low(240, 56, 340, 70), high(240, 146, 340, 70);
    for (const QRectF& box : {low, high}) {
        p.setPen(QPen(kPaleYellow, 1.5));
        p.setBrush(kTableTeal);
        p.drawRoundedRect(box, 8, 8);
    }
    Caption(p, low.adjusted(8, 4, -8, -34), QStringLiteral("True count below the index"), 15);
    DrawText(p, low.adjusted(8, 30, -8, -4), QStringLiteral("the chart's play: HIT"),
             PGothic(22, true), kAqua);
    Caption(p, high.adjusted(8, 4, -8, -34), QStringLiteral("True count at the index or above"),
            15);
    DrawText(p, high.adjusted(8, 30, -8, -4), QStringLiteral("the index play: STAND"),
             PGothic(22, true), kYellow);
}

// --- Pages drawn from the figures ---

struct FigurePage {
    const char* code;
    int page;
    const char* heading;
};

constexpr FigurePage kFigurePages[] = {
    {"ML1", 3, "Your edge by true count"},
    {"ML1", 4, "How often each true count comes"},
    {"ML1", 5, "The course's betting ramp"},
    {"ML1", 6, "What the ramp wins, and how it swings"},
    {"ML1", 7, "Bankroll and the risk of losing it"},
    {"ML4", 2, "The most valuable index plays"},
    {"ML4", 3, "More index plays, and insurance"},
    {"ML4", 4, "What the index plays add"},
};

const FigurePage* FindFigurePage(const std::string& code, int page) {
    for (const FigurePage& figurePage : kFigurePages)
        if (code == figurePage.code && page == figurePage.page) return &figurePage;
    return nullptr;
}

void BeingWorkedOut(QPainter& p, const char* heading) {
    Heading(p, QString::fromLatin1(heading));
    Caption(p, QRectF(40, 70, 520, 120),
            QStringLiteral("The figures for the rules on this table are being worked out.\n\n"
                           "This page fills in as soon as they are ready."),
            18, kPaleYellow);
}

// A true count row's label; the end rows hold every count beyond them.
QString CountLabel(const std::vector<CountShare>& rows, std::size_t i) {
    const QString count = Signed(rows[i].trueCount);
    if (i == 0 && rows.size() > 1) return QString::fromUtf8("\u2264") + count;
    if (i + 1 == rows.size() && rows.size() > 1) return QString::fromUtf8("\u2265") + count;
    return count;
}

QString PercentText(double fraction, int decimals = 1) {
    return QString::number(fraction * 100, 'f', decimals) + "%";
}

struct BarArea {
    QRectF box;
    double low;   // the value at the bottom edge
    double high;  // the value at the top edge
    qreal Y(double value) const {
        return box.bottom() - (value - low) / (high - low) * box.height();
    }
};

// Grid lines across a bar area every `step`, labelled on the left.
void Grid(QPainter& p, const BarArea& area, double step, bool signedLabels) {
    for (double value = std::ceil(area.low / step) * step; value <= area.high + 1e-12;
         value += step) {
        const qreal y = area.Y(value);
        const bool zero = std::abs(value) < step / 2;
        p.setPen(QPen(zero ? kPaleYellow : kGrey, zero ? 1.5 : 0.5));
        p.drawLine(QPointF(area.box.left(), y), QPointF(area.box.right(), y));
        const QString label = (signedLabels && value > step / 2 ? "+" : "") +
                              QString::number(zero ? 0.0 : value * 100, 'g', 3) + "%";
        Caption(p, QRectF(area.box.left() - 56, y - 8, 52, 16), label, 11, kGrey.lighter(170),
                Qt::AlignRight | Qt::AlignVCenter);
    }
}

double NiceStep(double span) {
    for (double step : {0.0025, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2})
        if (span / step <= 6) return step;
    return 0.5;
}

void EdgeByCount(QPainter& p, const MasterFigures& f) {
    const auto& rows = f.byCount;
    double low = 0, high = 0;
    for (const CountShare& row : rows) {
        low = std::min({low, row.edgeAsPaid, row.edgeAt3to2});
        high = std::max({high, row.edgeAsPaid, row.edgeAt3to2});
    }
    const double step = NiceStep(high - low);
    const BarArea area{QRectF(70, 44, 510, 166), std::floor(low / step) * step,
                       std::ceil(high / step) * step};
    Grid(p, area, step, true);
    const qreal slot = area.box.width() / std::max<std::size_t>(rows.size(), 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const qreal left = area.box.left() + slot * i;
        const qreal zero = area.Y(0);
        const QRectF paid(QPointF(left + slot * 0.12, area.Y(rows[i].edgeAsPaid)),
                          QPointF(left + slot * 0.5, zero));
        const QRectF full(QPointF(left + slot * 0.5, area.Y(rows[i].edgeAt3to2)),
                          QPointF(left + slot * 0.88, zero));
        p.setPen(Qt::NoPen);
        p.setBrush(rows[i].edgeAsPaid > 0 ? kAqua : kSalmon);
        p.drawRect(paid.normalized());
        p.setPen(QPen(kLightYellow, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(full.normalized());
        Caption(p, QRectF(left, area.box.bottom() + 4, slot, 16), CountLabel(rows, i), 12,
                Qt::white);
    }
    Caption(p, QRectF(14, 228, 300, 16), QStringLiteral("true count"), 12, kGrey.lighter(170),
            Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(kAqua);
    p.drawRect(QRectF(330, 12, 12, 12));
    Caption(p, QRectF(346, 10, 110, 16), QStringLiteral("as this table pays"), 12, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kLightYellow, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(470, 12, 12, 12));
    Caption(p, QRectF(486, 10, 100, 16), QStringLiteral("at a full 3 to 2"), 12, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);
}

void SharesByCount(QPainter& p, const MasterFigures& f) {
    const auto& rows = f.byCount;
    double high = 0;
    for (const CountShare& row : rows) high = std::max(high, row.share);
    const double step = NiceStep(high) * 2;
    const BarArea area{QRectF(70, 52, 510, 158), 0.0, std::ceil(high / step) * step};
    Grid(p, area, step, false);
    const int firstRaise = f.ramp.empty() ? 1 : f.ramp.front().first;
    const qreal slot = area.box.width() / std::max<std::size_t>(rows.size(), 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const qreal left = area.box.left() + slot * i;
        const QRectF bar(QPointF(left + slot * 0.15, area.Y(rows[i].share)),
                         QPointF(left + slot * 0.85, area.Y(0)));
        p.setPen(Qt::NoPen);
        p.setBrush(rows[i].trueCount >= firstRaise ? kYellow : kAqua);
        p.drawRect(bar);
        Caption(p, QRectF(left - 4, bar.top() - 16, slot + 8, 14),
                PercentText(rows[i].share, rows[i].share < 0.1 ? 1 : 0), 10, Qt::white);
        Caption(p, QRectF(left, area.box.bottom() + 4, slot, 16), CountLabel(rows, i), 12,
                Qt::white);
    }
    Caption(p, QRectF(14, 30, 572, 16),
            QStringLiteral("Share of rounds dealt at each true count, %1 decks cut at %2%; "
                           "yellow: the ramp bets more")
                .arg(f.decks)
                .arg(f.penetration),
            12, kPaleYellow, Qt::AlignLeft | Qt::AlignVCenter);
}

// A table of rows under a header, columns at the given left edges.
void TableRows(QPainter& p, qreal top, qreal rowHeight, const std::vector<qreal>& lefts,
               const std::vector<QStringList>& rows, int pixelSize = 15, int lastPixelSize = 15) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const qreal y = top + r * rowHeight;
        if (r > 0) {
            p.setPen(QPen(kGrey, 0.5));
            p.drawLine(QPointF(lefts.front(), y), QPointF(586, y));
        }
        for (std::size_t c = 0; c < lefts.size() && c < std::size_t(rows[r].size()); ++c) {
            const qreal right = c + 1 < lefts.size() ? lefts[c + 1] : 586;
            Caption(p, QRectF(lefts[c], y, right - lefts[c] - 6, rowHeight), rows[r][int(c)],
                    r == 0                  ? 13
                    : c + 1 == lefts.size() ? lastPixelSize
                                            : pixelSize,
                    r == 0 ? kLightYellow : Qt::white,
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        }
    }
}

double ShareBetween(const MasterFigures& f, int from, int to) {
    double share = 0;
    for (const CountShare& row : f.byCount)
        if (row.trueCount >= from && row.trueCount <= to) share += row.share;
    return share;
}

// The table pays blackjack in whole dollars: $12 for $5, but a bet of whole $10s is paid 3 to 2 in
// full. The ramp raises in even units, so each raised bet earns the 3 to 2 edge.
double EdgeOfBet(const strategy::CountShare& row, int units) {
    return units % 2 == 0 ? row.edgeAt3to2 : row.edgeAsPaid;
}

void Ramp(QPainter& p, const MasterFigures& f) {
    std::vector<QStringList> rows = {
        {"True count", "Units", "Bet", "Edge of the bet", "Share of rounds"}};
    const int first = f.ramp.empty() ? 1 : f.ramp.front().first;
    const strategy::CountShare* below = strategy::CountRow(f, first - 1);
    rows.push_back(
        {QStringLiteral("below %1").arg(Signed(first)), "1", Text(strategy::Dollars(f.unitDollars)),
         below ? Text(strategy::SignedPercent(below->edgeAsPaid)) + " at " + Signed(first - 1)
               : QString(),
         PercentText(ShareBetween(f, -1000, first - 1))});
    for (std::size_t i = 0; i < f.ramp.size(); ++i) {
        const auto [count, units] = f.ramp[i];
        const bool last = i + 1 == f.ramp.size();
        const int upTo = last ? 1000 : f.ramp[i + 1].first - 1;
        const QString counts = last           ? Signed(count) + " or more"
                               : upTo > count ? Signed(count) + " to " + Signed(upTo)
                                              : Signed(count);
        const strategy::CountShare* row = strategy::CountRow(f, count);
        rows.push_back({counts, QString::number(units),
                        Text(strategy::Dollars(double(units) * f.unitDollars)),
                        row ? Text(strategy::SignedPercent(EdgeOfBet(*row, units))) : QString(),
                        PercentText(ShareBetween(f, count, upTo))});
    }
    const qreal rowHeight = std::min<qreal>(26, 200.0 / rows.size());
    TableRows(p, 40, rowHeight, {24, 170, 250, 340, 480}, rows, 15, 15);
}

void WinAndSwing(QPainter& p, const MasterFigures& f) {
    const struct {
        const char* what;
        std::string value;
        QColor colour;
    } boxes[] = {
        {"average bet", strategy::Dollars(f.averageBet), kAqua},
        {"win per 100 rounds", strategy::Dollars(f.winPer100), kYellow},
        {"one SD per 100 rounds", strategy::Dollars(f.sdPer100), kSalmon},
    };
    for (int i = 0; i < 3; ++i) {
        const QRectF box(14 + i * 193, 44, 183, 100);
        p.setPen(QPen(kPaleYellow, 1.5));
        p.setBrush(kTableTeal);
        p.drawRoundedRect(box, 8, 8);
        Caption(p, box.adjusted(4, 6, -4, -64), QString::fromLatin1(boxes[i].what), 14,
                kLightYellow);
        DrawText(p, box.adjusted(4, 36, -4, -8), Text(boxes[i].value), PGothic(30, true),
                 boxes[i].colour);
    }
    Caption(p, QRectF(14, 156, 572, 80),
            QStringLiteral("About two stretches of 100 rounds in three end between %1 and %2.\n"
                           "The ramp with the index plays: one unit below true %3.")
                .arg(Text(strategy::Dollars(f.winPer100 - f.sdPer100)),
                     Text(strategy::Dollars(f.winPer100 + f.sdPer100)),
                     Signed(f.ramp.empty() ? 1 : f.ramp.front().first)),
            15, kPaleYellow);
}

void RiskOfRuin(QPainter& p, const MasterFigures& f) {
    std::vector<QStringList> rows = {{"Bankroll", "Units", "Chance of losing it all"}};
    for (const auto& [units, risk] : f.riskOfRuin)
        rows.push_back({Text(strategy::Dollars(double(units) * f.unitDollars)),
                        QString::number(units), PercentText(risk, risk < 0.1 ? 2 : 1)});
    const qreal rowHeight = std::min<qreal>(28, 196.0 / rows.size());
    TableRows(p, 40, rowHeight, {40, 180, 300}, rows, 16, 16);
    for (std::size_t i = 0; i < f.riskOfRuin.size(); ++i) {
        const qreal y = 40 + (i + 1) * rowHeight;
        p.setPen(Qt::NoPen);
        p.setBrush(kSalmon);
        p.drawRect(
            QRectF(420, y + rowHeight * 0.25, 160 * f.riskOfRuin[i].second, rowHeight * 0.5));
    }
}

std::vector<const IndexNumber*> Plays(const MasterFigures& f) {
    std::vector<const IndexNumber*> plays;
    for (const IndexNumber& number : f.indices)
        if (!number.IsInsurance()) plays.push_back(&number);
    return plays;
}

const IndexNumber* InsurancePlay(const MasterFigures& f) {
    for (const IndexNumber& number : f.indices)
        if (number.IsInsurance()) return &number;
    return nullptr;
}

constexpr int kPlaysOnFirstPage = 6;
constexpr int kPlaysOnSecondPage = 6;

void IndexTable(QPainter& p, const MasterFigures& f, bool secondPage) {
    const auto plays = Plays(f);
    std::vector<QStringList> rows = {{"#", "Hand", "Play", "Index", "Adds*", "Why"}};
    auto addRow = [&rows](const QString& rank, const IndexNumber& n) {
        rows.push_back({rank, Text(strategy::IndexHand(n)),
                        Text(strategy::PlayWord(n.basic) + " > " + strategy::PlayWord(n.play)),
                        Text(strategy::IndexCondition(n)).mid(5),
                        QString::number(n.gainPer100, 'f', 3), Text(strategy::IndexReason(n))});
    };
    const std::size_t from = secondPage ? kPlaysOnFirstPage : 0;
    const std::size_t to = std::min(
        plays.size(),
        std::size_t(secondPage ? kPlaysOnFirstPage + kPlaysOnSecondPage : kPlaysOnFirstPage));
    for (std::size_t i = from; i < to; ++i) addRow(QString::number(i + 1), *plays[i]);
    if (secondPage)
        if (const IndexNumber* insurance = InsurancePlay(f))
            addRow(QStringLiteral("-"), *insurance);
    TableRows(p, 30, 26, {10, 36, 104, 212, 290, 340}, rows, 12, 11);
    Caption(p, QRectF(300, 8, 286, 20), QStringLiteral("* initial bets gained per 100 rounds"), 11,
            kGrey.lighter(170), Qt::AlignRight | Qt::AlignVCenter);
}

void WhatIndicesAdd(QPainter& p, const MasterFigures& f) {
    const double rampAlone = f.winPer100 - f.indexGainPer100;
    const double high = std::max({f.winPer100, rampAlone, 0.01});
    const struct {
        const char* what;
        double value;
        QColor colour;
    } bars[] = {{"The ramp, chart plays", rampAlone, kAqua},
                {"The ramp and the index plays", f.winPer100, kYellow}};
    for (int i = 0; i < 2; ++i) {
        const qreal y = 60 + i * 64;
        Caption(p, QRectF(14, y, 200, 40), QString::fromLatin1(bars[i].what), 15, Qt::white,
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        const qreal width = std::max(0.0, bars[i].value) / high * 260;
        p.setPen(Qt::NoPen);
        p.setBrush(bars[i].colour);
        p.drawRect(QRectF(220, y + 6, width, 28));
        Caption(p, QRectF(226 + width, y, 120, 40), Text(strategy::Dollars(bars[i].value)), 18,
                bars[i].colour, Qt::AlignLeft | Qt::AlignVCenter);
    }
    Caption(p, QRectF(14, 36, 572, 18), QStringLiteral("Won per 100 rounds"), 14, kPaleYellow,
            Qt::AlignLeft | Qt::AlignVCenter);
    Caption(p, QRectF(14, 190, 572, 44),
            QStringLiteral("The index plays add %1 per 100 rounds; the bets the ramp places "
                           "earn the rest.")
                .arg(Text(strategy::Dollars(f.indexGainPer100))),
            15, kPaleYellow);
}

void DrawFigures(QPainter& p, const FigurePage& page, const MasterFigures& f) {
    Heading(p, QString::fromLatin1(page.heading));
    const std::string code = page.code;
    if (code == "ML1") {
        switch (page.page) {
            case 3:
                return EdgeByCount(p, f);
            case 4:
                return SharesByCount(p, f);
            case 5:
                return Ramp(p, f);
            case 6:
                return WinAndSwing(p, f);
            default:
                return RiskOfRuin(p, f);
        }
    }
    switch (page.page) {
        case 2:
            return IndexTable(p, f, false);
        case 3:
            return IndexTable(p, f, true);
        default:
            return WhatIndicesAdd(p, f);
    }
}

}  // namespace

std::vector<LecturePage> MasterPages() {
    std::vector<LecturePage> pages = {
        {"ML1", 1, WhatTheTrueCountIs},
        {"ML1", 2, DiscardTray},
        {"ML4", 1, WhatAnIndexPlayIs},
    };
    for (const FigurePage& page : kFigurePages)
        pages.push_back({page.code, page.page,
                         [heading = page.heading](QPainter& p) { BeingWorkedOut(p, heading); }});
    return pages;
}

bool IsMasterFigurePage(const std::string& code, int page) {
    return FindFigurePage(code, page) != nullptr;
}

QImage MasterFigurePage(const std::string& code, int page, const MasterFigures& figures,
                        qreal scale) {
    const FigurePage* figurePage = FindFigurePage(code, page);
    if (!figurePage) return {};
    return DrawLecturePage([&](QPainter& p) { DrawFigures(p, *figurePage, figures); }, scale);
}

}  // namespace vantrel::art
