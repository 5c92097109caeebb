// Professional lesson 1, "Counting": how deep into the shoe the table is, which the true count
// divides by, and how deep the cut lets the count go.

#include <cmath>
#include <iterator>

#include "art_style.h"
#include "engine/shoe.h"
#include "engine/table.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// Cards a round takes from the shoe, one player by the chart, as `vantrel-lab sim` prints it.
constexpr double kCardsPerRound = 5.48;

void DecksLeft(QPainter& p) {
    const TableRules rules;
    Shoe filled;
    filled.Refill(rules.deck, rules.playper);
    const int decks = filled.decks(), shoeCards = filled.CardsLeft();
    constexpr int kRounds = 20;
    const double dealt = kRounds * kCardsPerRound;
    const double decksDealt = std::round(dealt / 52 * 2) / 2;
    Heading(p, QStringLiteral("How many decks are left?"));
    Caption(p, QRectF(14, 36, 572, 20),
            QStringLiteral("This table has no discard tray: judge the depth from the rounds."), 14,
            kPaleYellow, Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF bar(14, 64, 572, 34);
    DrawShoeBar(p, bar, decks, dealt / shoeCards);
    Caption(p, QRectF(bar.left(), bar.top(), bar.width() * dealt / shoeCards, bar.height()),
            QStringLiteral("%1 rounds dealt").arg(kRounds), 14);
    Caption(p, QRectF(bar.left(), bar.bottom() + 2, bar.width(), 18),
            QStringLiteral("%1 decks, %2 cards").arg(decks).arg(shoeCards), 12, kGrey.lighter(180),
            Qt::AlignRight | Qt::AlignVCenter);
    const struct {
        QString value;
        const char* what;
    } steps[] = {
        {QStringLiteral("%1 x %2").arg(kRounds).arg(kCardsPerRound, 0, 'f', 1),
         "rounds x cards\na round"},
        {QStringLiteral("= %1").arg(std::lround(dealt)), "cards dealt"},
        {QString::fromUtf8("\u2248 %1").arg(decksDealt), "decks dealt"},
        {QStringLiteral("%1 left").arg(decks - decksDealt), "decks to\ndivide by"},
    };
    for (int i = 0; i < 4; ++i) {
        const qreal left = 14 + i * 146;
        DrawText(p, QRectF(left, 124, 136, 36), steps[i].value, PGothic(24, true),
                 i == 3 ? kYellow : kAqua);
        Caption(p, QRectF(left, 160, 136, 36), QString::fromLatin1(steps[i].what), 13);
    }
    Caption(p, QRectF(10, 206, 580, 34),
            QStringLiteral("The next course puts a discard tray on the table to read the depth "
                           "from."),
            14, kPaleYellow);
}

// Share of rounds dealt at each true count at the table as it comes (60 per cent cut), in per
// cent, as `vantrel-lab sim --by-count --rounds 100000000 --threads 2` prints it, its rows -6 to
// -1 and +3 to +8 added up.
const struct {
    const char* trueCount;
    double percent;
} kRoundsByCount[] = {
    {"-1 or less", 25.03}, {"0", 51.42}, {"+1", 12.19}, {"+2", 6.07}, {"+3 or more", 5.27}};

void Penetration(QPainter& p) {
    const TableRules rules;
    Shoe filled;
    filled.Refill(rules.deck, rules.playper);
    const int shoeCards = filled.CardsLeft(), beforeCut = filled.cardsToCut;
    Heading(p, QStringLiteral("Penetration: how deep the cut lies"));
    const QRectF bar(14, 40, 572, 30);
    const qreal cut = DrawShoeBar(p, bar, filled.decks(), double(beforeCut) / shoeCards);
    Caption(p, QRectF(bar.left(), bar.top(), cut - bar.left(), bar.height()),
            QStringLiteral("%1 cards dealt (%2%)").arg(beforeCut).arg(rules.playper), 14);
    Caption(p, QRectF(cut, bar.top(), bar.right() - cut, bar.height()),
            QStringLiteral("%1 never played").arg(shoeCards - beforeCut), 14, kGrey.lighter(180));
    DrawCutCard(p, bar, cut);

    Caption(p, QRectF(14, 80, 572, 18), QStringLiteral("Rounds dealt at each true count, this cut"),
            13, kLightYellow);
    const qreal slot = 572.0 / std::size(kRoundsByCount);
    for (std::size_t i = 0; i < std::size(kRoundsByCount); ++i) {
        const qreal height =
            64 * kRoundsByCount[i].percent / kRoundsByCount[1].percent;  // 0 the commonest
        const QRectF column(14 + i * slot + 24, 184 - height, slot - 48, height);
        p.fillRect(column, i >= 3 ? kAqua : kGrey.lighter(140));
        DrawText(p, QRectF(column.left() - 24, column.top() - 20, slot, 20),
                 QStringLiteral("%1%").arg(kRoundsByCount[i].percent, 0, 'f', 1), Gothic(16, true),
                 Qt::white);
        Caption(p, QRectF(column.left() - 24, 186, slot, 18),
                QString::fromLatin1(kRoundsByCount[i].trueCount), 13, kLightYellow);
    }
    Caption(p, QRectF(10, 206, 580, 34),
            QStringLiteral("High counts come late in the shoe, and the cards behind the cut\n"
                           "never come out: a deeper cut gives more rounds at high counts."),
            13, kPaleYellow);
}

}  // namespace

std::vector<LecturePage> ShoeDepthPages() {
    return {{"PL1", 6, DecksLeft}, {"PL1", 8, Penetration}};
}

}  // namespace vantrel::art
