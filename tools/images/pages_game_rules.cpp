// Lesson 2, "Game Rules": this table's rules as they play, page by page.

#include "art_style.h"
#include "chip_art.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"
#include "table_sketch.h"

namespace vantrel::art {

namespace {

TableScene DealtScene() {
    TableScene scene;
    scene.dealer = Cards({"back", "S09"});
    scene.hands = {Cards({"D10", "C06"})};
    scene.bet = QStringLiteral("$25");
    scene.betChips = {25};
    return scene;
}

// A numbered marker on a table sketch, explained in a list beside it.
void Marker(QPainter& p, QPointF at, int number) {
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(kYellow);
    p.drawEllipse(at, 9, 9);
    DrawText(p, QRectF(at.x() - 9, at.y() - 9, 18, 18), QString::number(number), PGothic(13, true),
             Qt::black);
}

void TheTable(QPainter& p) {
    const QPointF origin(8, 4);
    constexpr qreal scale = 0.53;
    DrawTableSketch(p, origin, scale, DealtScene());
    const struct {
        QPointF at;
        const char* text;
    } parts[] = {
        {{330, 80}, "Dealer's cards"},
        {{596, 134}, "Dealer's rule"},
        {{250, 236}, "Your hand"},
        {{92, 236}, "Bet box"},
        {{118, 348}, "Chips: click to bet"},
        {{556, 84}, "Table limits"},
        {{480, 262}, "Action buttons"},
        {{250, 424}, "Your chips"},
        {{316, 396}, "Menu"},
        {{620, 424}, "The lesson's goal"},
    };
    for (int i = 0; i < 10; ++i) {
        Marker(p, OnTable(origin, scale, parts[i].at), i + 1);
        const QPointF item(362, 12 + i * 22.8);
        Marker(p, item + QPointF(10, 10), i + 1);
        Caption(p, QRectF(item.x() + 26, item.y(), 200, 20), QString::fromLatin1(parts[i].text), 14,
                Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void Betting(QPainter& p) {
    Heading(p, QStringLiteral("Betting"));
    TableScene scene = DealtScene();
    scene.dealer.clear();
    scene.hands.clear();
    scene.bet = QStringLiteral("$30");
    scene.betChips = {5, 25};
    // The left edge of the table at nearly full size: bet box, chips and their BET labels.
    DrawTableCrop(p, QRectF(12, 182, 96, 220), QRectF(20, 36, 110, 208), scene);
    Arrow(p, QPointF(200, 190), QPointF(124, 190));
    Caption(p, QRectF(206, 160, 220, 60),
            QStringLiteral("Click a chip or the BET beside it:\n$5, $25 or $100. Each click adds."),
            14, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    Arrow(p, QPointF(200, 90), QPointF(124, 90));
    Caption(p, QRectF(206, 62, 220, 60),
            QStringLiteral("The bet box shows the chips\nand the total bet: here $30."), 14,
            Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    // The limits plate, enlarged.
    DrawTableCrop(p, kLimitsPlate.adjusted(-4, -2, 4, 4), QRectF(440, 50, 140, 72), scene);
    Caption(p, QRectF(430, 128, 160, 80),
            QStringLiteral("Table minimum $5;\nthe maximum bet\ndepends on the lesson."), 14);
}

void Countdown(QPainter& p) {
    Heading(p, QStringLiteral("The countdown deals the cards"));
    TableScene counting = DealtScene();
    counting.dealer.clear();
    counting.hands.clear();
    counting.countdown = 2;
    counting.actionsEnabled = false;
    DrawTableCrop(p, QRectF(12, 150, 340, 144), QRectF(14, 58, 266, 186), counting);
    DrawTableCrop(p, kDealtCards, QRectF(320, 58, 266, 186), DealtScene());
    Caption(p, QRectF(14, 32, 266, 24), QStringLiteral("First chip: the countdown starts"), 14,
            kLightYellow);
    Caption(p, QRectF(320, 32, 266, 24), QStringLiteral("Time is up: the cards are dealt"), 14,
            kLightYellow);
    Arrow(p, QPointF(282, 150), QPointF(318, 150));
}

void TheDeal(QPainter& p) {
    Heading(p, QStringLiteral("The deal"));
    const QTransform left = DrawTableCrop(p, kDealtCards, QRectF(14, 58, 266, 186), DealtScene());
    TableScene blackjack = DealtScene();
    blackjack.dealer = Cards({"H13", "S01"});
    blackjack.hands = {Cards({"D10", "C09"})};
    blackjack.dealerLabel = QStringLiteral("BJ!");
    blackjack.handLabels = {QStringLiteral("19")};
    blackjack.results = {QStringLiteral("Lose")};
    blackjack.actionsEnabled = false;
    DrawTableCrop(p, kDealtCards, QRectF(320, 58, 266, 186), blackjack);
    Caption(p, QRectF(14, 32, 266, 24), QStringLiteral("The hole card lies face down"), 14,
            kLightYellow);
    Caption(p, QRectF(320, 32, 266, 24), QStringLiteral("A blackjack: settled at once"), 14,
            kLightYellow);
    // Ring the hole card rather than point at it: an arrow would cover it.
    const QRectF hole = left.mapRect(DealerCardSlot(1));
    p.setPen(QPen(kYellow, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(hole.adjusted(-3, -3, 3, 3), 3, 3);
}

void HitAndStand(QPainter& p) {
    Heading(p, QStringLiteral("HIT: one more card.  STAND: stop here."));
    const std::vector<std::vector<Card>> steps = {
        Cards({"C05", "D07"}), Cards({"C05", "D07", "S04"}), Cards({"C05", "D07", "S04", "H03"})};
    const qreal lefts[] = {20, 170, 340};
    for (int i = 0; i < 3; ++i) {
        const QRectF area = DrawHand(p, QPointF(lefts[i], 86), steps[i], 50, 24);
        TotalBadge(p, QRectF(area.left(), 58, area.width(), 24), HandLabelText(steps[i]));
    }
    Button(p, QRectF(96, 184, 76, 24), QStringLiteral("HIT"));
    Arrow(p, QPointF(110, 150), QPointF(162, 150));
    Button(p, QRectF(262, 184, 76, 24), QStringLiteral("HIT"));
    Arrow(p, QPointF(276, 150), QPointF(332, 150));
    Button(p, QRectF(476, 184, 100, 24), QStringLiteral("STAND"));
    Arrow(p, QPointF(470, 150), QPointF(520, 150));
    TotalBadge(p, QRectF(500, 120, 80, 24), QStringLiteral("19"));
    Caption(p, QRectF(20, 216, 560, 24), QStringLiteral("12, then 16, then 19: stand and keep 19"),
            15);
}

void DoubleDown(QPainter& p) {
    Heading(p, QStringLiteral("DOUBLE DOWN: twice the bet, one card"));
    DrawHand(p, QPointF(24, 70), Cards({"S06", "H05"}), 54, 28);
    TotalBadge(p, QRectF(24, 44, 82, 24), QStringLiteral("11"));
    DrawChip(p, QRectF(44, 150, 36, 36), 25);
    Caption(p, QRectF(10, 190, 110, 20), QStringLiteral("bet $25"), 14, kSalmon);
    Button(p, QRectF(126, 104, 130, 24), QStringLiteral("DOUBLE DOWN"));
    Arrow(p, QPointF(130, 140), QPointF(250, 140));
    const std::vector<Card> doubled = Cards({"S06", "H05", "C13"});
    const QRectF area = DrawHand(p, QPointF(262, 70), doubled, 54, 28);
    TotalBadge(p, QRectF(area.left(), 44, area.width(), 24), HandLabelText(doubled));
    DrawChip(p, QRectF(282, 150, 36, 36), 25);
    DrawChip(p, QRectF(306, 150, 36, 36), 25);
    Caption(p, QRectF(250, 190, 130, 20), QStringLiteral("bet $50"), 14, kSalmon);
    Caption(p, QRectF(250, 210, 130, 30), QStringLiteral("one card, then stop"), 13);
    Balloon(p, QRectF(400, 60, 186, 60), QStringLiteral("Only when you have two cards!"), 16);
    Caption(p, QRectF(400, 126, 186, 80),
            QStringLiteral("Three cards or more:\nrefused. You also need\nchips to match the bet."),
            13);
}

void Split(QPainter& p) {
    Heading(p, QStringLiteral("SPLIT: a pair becomes two hands"));
    DrawHand(p, QPointF(24, 72), Cards({"S08", "H08"}), 54, 30);
    TotalBadge(p, QRectF(24, 46, 84, 24), QStringLiteral("8,8"));
    Button(p, QRectF(130, 96, 80, 24), QStringLiteral("SPLIT"));
    Arrow(p, QPointF(124, 130), QPointF(214, 130));
    const std::vector<Card> first = Cards({"S08", "D03"}), second = Cards({"H08", "C13"});
    DrawHand(p, QPointF(228, 72), first, 50, 26);
    DrawHand(p, QPointF(326, 72), second, 50, 26);
    TotalBadge(p, QRectF(228, 46, 76, 24), HandLabelText(first, 2));
    TotalBadge(p, QRectF(326, 46, 76, 24), HandLabelText(second, 2));
    DrawChip(p, QRectF(248, 148, 32, 32), 25);
    DrawChip(p, QRectF(346, 148, 32, 32), 25);
    Caption(p, QRectF(216, 184, 200, 50),
            QStringLiteral("Each hand has its own bet\nand is played in turn."), 13);
    DrawHand(p, QPointF(440, 44), Cards({"C13", "D12"}), 44, 26);
    Caption(p, QRectF(430, 104, 160, 20), QStringLiteral("K and Q: no pair"), 14, kLightYellow);
    Balloon(p, QRectF(430, 130, 160, 64), QStringLiteral("Only when you have a matching pair!"),
            14);
    Caption(p, QRectF(430, 198, 160, 40), QStringLiteral("Up to four hands\nin all."), 13);
}

// Two aces split make two hands of one card each; another ace as that card may be split again.
void SplitAces(QPainter& p) {
    Heading(p, QStringLiteral("Split aces: one card each"));
    DrawHand(p, QPointF(24, 72), Cards({"S01", "H01"}), 54, 30);
    Button(p, QRectF(120, 96, 80, 24), QStringLiteral("SPLIT"));
    Arrow(p, QPointF(116, 130), QPointF(204, 130));
    const std::vector<std::vector<Card>> hands = {Cards({"S01", "D13"}), Cards({"H01", "C07"})};
    const char* notes[] = {"Not a blackjack:\n21, paid 1 to 1", "One card,\nthen it stops"};
    for (int i = 0; i < 2; ++i) {
        const qreal left = 230 + i * 130;
        DrawHand(p, QPointF(left, 72), hands[i], 50, 26);
        TotalBadge(p, QRectF(left - 12, 46, 100, 24), HandLabelText(hands[i], 2));
        Caption(p, QRectF(left - 22, 148, 120, 40), QString::fromLatin1(notes[i]), 13);
    }
    Caption(p, QRectF(480, 60, 110, 100),
            QStringLiteral("Is the one card\nanother ace?\nThen you may\nsplit again."), 13,
            kPaleYellow);
    Balloon(p, QRectF(160, 196, 420, 40),
            QStringLiteral("You can't hit when you split a pair of Aces!"), 15);
}

void TheDealer(QPainter& p) {
    QFont rule = Gothic(20, true);
    rule.setItalic(true);
    DrawText(p, QRectF(10, 8, 580, 28),
             QStringLiteral("Dealer must hit to 16,and stand on all 17's"), rule, kYellow);
    struct Example {
        std::vector<Card> cards;
        const char* note;
    };
    const Example examples[] = {
        {Cards({"S10", "H06", "D05"}), "16: hits,\nthen 21"},
        {Cards({"C01", "D06"}), "Soft 17:\nstands"},
        {Cards({"H09", "S08"}), "17: stands"},
        {Cards({"D09", "C04", "H13"}), "13: hits,\nthen busts"},
    };
    for (int i = 0; i < 4; ++i) {
        const qreal left = 22 + i * 146;
        const QRectF area = DrawHand(p, QPointF(left, 78), examples[i].cards, 52, 26);
        TotalBadge(p, QRectF(area.left() - 10, 50, area.width() + 20, 24),
                   HandLabelText(examples[i].cards));
        Caption(p, QRectF(left - 12, 154, 130, 40), QString::fromLatin1(examples[i].note), 14);
    }
    Caption(p, QRectF(10, 200, 580, 40),
            QStringLiteral("No choices for the dealer. If all your hands are busted, the dealer "
                           "only turns the hole card up."),
            13, kPaleYellow);
}

void Payouts(QPainter& p) {
    Heading(p, QStringLiteral("What each result pays"));
    const struct {
        const char* result;
        const char* example;
        const char* bet;
        const char* back;
    } rows[] = {
        {"Win", "Your 19 against the dealer's 18", "$10", "$20"},
        {"Win", "Blackjack pays 3 to 2", "$10", "$25"},
        {"Win", "$5 blackjack: half dollar dropped", "$5", "$12"},
        {"Push", "18 against 18: a tie", "$10", "$10"},
        {"Lose", "17 against 20, or busted", "$10", "$0"},
    };
    Caption(p, QRectF(370, 32, 100, 20), QStringLiteral("Your bet"), 14, kLightYellow);
    Caption(p, QRectF(470, 32, 120, 20), QStringLiteral("You get back"), 14, kLightYellow);
    for (int i = 0; i < 5; ++i) {
        const qreal top = 54 + i * 31;
        ResultBadge(p, QRectF(16, top, 76, 25), QString::fromLatin1(rows[i].result));
        Caption(p, QRectF(104, top, 266, 25), QString::fromLatin1(rows[i].example), 15, Qt::white,
                Qt::AlignLeft | Qt::AlignVCenter);
        DrawText(p, QRectF(370, top, 100, 25), QString::fromLatin1(rows[i].bet), Gothic(20, true),
                 kSalmon);
        DrawText(p, QRectF(470, top, 120, 25), QString::fromLatin1(rows[i].back), Gothic(20, true),
                 kSalmon);
    }
    Caption(p, QRectF(16, 212, 570, 28),
            QStringLiteral("Bet in $10 steps for the full 3 to 2. No insurance, no surrender."), 15,
            kPaleYellow);
}

}  // namespace

std::vector<LecturePage> GameRulesPages() {
    return {{"NL2", 1, TheTable}, {"NL2", 2, Betting},     {"NL2", 3, Countdown},
            {"NL2", 4, TheDeal},  {"NL2", 5, HitAndStand}, {"NL2", 6, DoubleDown},
            {"NL2", 7, Split},    {"NL2", 8, SplitAces},   {"NL2", 9, TheDealer},
            {"NL2", 10, Payouts}};
}

}  // namespace vantrel::art
