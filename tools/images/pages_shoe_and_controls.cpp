// Lesson 2, "Game Rules", its last pages: where the cards come from, the keys that play the table
// and every other screen, and the mouse gestures of the table.

#include <QPainterPath>
#include <algorithm>
#include <initializer_list>

#include "art_style.h"
#include "chip_art.h"
#include "engine/shoe.h"
#include "engine/table.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// The shoe as the table fills it with the settings' defaults, which the Rules screen changes.
void ShoeAndCut(QPainter& p) {
    const TableRules rules;
    Shoe filled;
    filled.Refill(rules.deck, rules.playper);
    const int decks = filled.decks(), shoeCards = filled.CardsLeft();
    const int beforeCut = filled.cardsToCut;
    Heading(p, QStringLiteral("The shoe and the cut"));
    for (int i = 0; i < decks; ++i)
        DrawDeck(p, QPointF(16 + (i % 3) * 42, 40 + (i / 3) * 46), {30, 40});
    Caption(p, QRectF(170, 36, 200, 20),
            QStringLiteral("The shoe: %1 decks, %2 cards").arg(decks).arg(shoeCards), 14, Qt::white,
            Qt::AlignLeft | Qt::AlignVCenter);

    const QRectF shoe(170, 62, 410, 30);
    const qreal cut = DrawShoeBar(p, shoe, 1, double(beforeCut) / shoeCards);
    Caption(p, QRectF(shoe.left(), shoe.top(), cut - shoe.left(), shoe.height()),
            QStringLiteral("%1 cards").arg(beforeCut), 14);
    Caption(p, QRectF(cut, shoe.top(), shoe.right() - cut, shoe.height()),
            QStringLiteral("%1 more").arg(shoeCards - beforeCut), 14, kGrey.lighter(180));
    DrawCutCard(p, shoe, cut);
    Caption(p, QRectF(cut - 60, 36, 120, 16), QStringLiteral("the cut"), 14, kYellow);
    Caption(p, QRectF(shoe.left(), 100, shoe.width(), 28),
            QStringLiteral("The table as it comes; Rules on the menu changes both."), 13,
            kPaleYellow);

    const char* steps[] = {"Rounds are dealt\nup to the cut",
                           "The round that\npasses the cut\nis played out", ""};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(14 + i * 196, 134, 176, 104);
        p.setPen(QPen(kPaleYellow, 1.5));
        p.setBrush(kTableTeal);
        p.drawRoundedRect(box, 8, 8);
        if (i < 2) {
            Caption(p, box, QString::fromLatin1(steps[i]), 14);
            Arrow(p, QPointF(box.right() + 2, box.center().y()),
                  QPointF(box.right() + 18, box.center().y()), kLightYellow, 2.5);
        }
    }
    Balloon(p, QRectF(424, 144, 160, 44), QStringLiteral("Shuffling..."), 18);
    Caption(p, QRectF(410, 190, 176, 44), QStringLiteral("then a full shoe\nand a new cut"), 14);
}

// A key of the keyboard with its letter.
void KeyCap(QPainter& p, const QRectF& box, const QString& letter, int pixelSize = 18) {
    p.save();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawRoundedRect(box, 5, 5);
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    p.drawRoundedRect(box.adjusted(4, 3, -4, -6), 3, 3);
    p.restore();
    DrawText(p, box.adjusted(0, 0, 0, -3), letter, Gothic(pixelSize, true), Qt::black);
}

void Keys(QPainter& p) {
    Heading(p, QStringLiteral("Playing with the keys"));
    const struct {
        const char* key;
        const char* button;
    } actions[] = {
        {"H", "HIT"}, {"S", "STAND"}, {"D", "DOUBLE DOWN"}, {"P", "SPLIT"}, {"M", "Menu"}};
    for (int i = 0; i < 5; ++i) {
        const qreal top = 38 + i * 32;
        KeyCap(p, QRectF(24, top, 30, 28), QString::fromLatin1(actions[i].key));
        Arrow(p, QPointF(62, top + 14), QPointF(96, top + 14), kLightYellow, 2);
        Button(p, QRectF(104, top + 2, 130, 24), QString::fromLatin1(actions[i].button));
    }
    const int chips[] = {5, 25, 100};
    for (int i = 0; i < 3; ++i) {
        const qreal top = 38 + i * 40;
        KeyCap(p, QRectF(280, top + 2, 30, 28), QString::number(i + 1));
        Arrow(p, QPointF(318, top + 16), QPointF(352, top + 16), kLightYellow, 2);
        DrawChip(p, QRectF(360, top, 32, 32), chips[i]);
        Caption(p, QRectF(398, top, 80, 32), QStringLiteral("bets $%1").arg(chips[i]), 14,
                Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    }
    Button(p, QRectF(480, 48, 100, 24), QStringLiteral("HIT"), 16, false);
    Caption(p, QRectF(470, 76, 120, 40), QStringLiteral("greyed out:\nH does nothing"), 13,
            kPaleYellow);
    Caption(p, QRectF(270, 164, 320, 78),
            QStringLiteral("A key does nothing while its button is\ngreyed out or its chip hidden, "
                           "nor while\nthe table waits: cards being dealt, a\nballoon, the "
                           "count question."),
            13, kPaleYellow, Qt::AlignLeft | Qt::AlignVCenter);
}

// A row of key caps, each as wide as its name, then what they do.
void KeyRow(QPainter& p, QPointF at, qreal width, std::initializer_list<const char*> keys,
            const char* what) {
    qreal x = at.x();
    for (const char* key : keys) {
        const QString name = QString::fromUtf8(key);
        const qreal capWidth = std::max<qreal>(24, 10 + 8 * name.size());
        KeyCap(p, QRectF(x, at.y(), capWidth, 22), name, 13);
        x += capWidth + 3;
    }
    Caption(p, QRectF(x + 5, at.y(), at.x() + width - x - 5, 22), QString::fromUtf8(what), 13,
            Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
}

// The keys of the menus, the lectures, the keypad and the message boxes, in four blocks.
void KeysElsewhere(QPainter& p) {
    Heading(p, QStringLiteral("The keys on every other screen"));
    struct Row {
        std::initializer_list<const char*> keys;
        const char* what;
    };
    const struct {
        QPointF at;
        const char* title;
        std::initializer_list<Row> rows;
    } blocks[] = {
        {{14, 34},
         "Menus and the other screens",
         {{{"Tab", "\u2193", "\u2192"}, "the next button"},
          {{"\u2191", "\u2190"}, "the button before"},
          {{"Enter", "Space"}, "press the framed button"}}},
        {{306, 34},
         "Lectures",
         {{{"PgDn", "\u2192"}, "the next page"},
          {{"PgUp", "\u2190"}, "the page before"},
          {{"Home"}, "the first page"},
          {{"Esc"}, "Menu, Start or Finish"}}},
        {{14, 126},
         "The Counting Point keypad",
         {{{"0", "1", "..", "9"}, "the digits"},
          {{"-"}, "the sign, on or off"},
          {{"BS"}, "the last digit off"},
          {{"Enter"}, "OK"}}},
        {{306, 152},
         "Message boxes",
         {{{"Enter"}, "the marked button"}, {{"Esc"}, "Cancel, or OK alone"}}},
    };
    for (const auto& block : blocks) {
        Caption(p, QRectF(block.at, QSizeF(280, 18)), QString::fromUtf8(block.title), 14,
                kLightYellow, Qt::AlignLeft | Qt::AlignVCenter);
        qreal top = block.at.y() + 20;
        for (const Row& row : block.rows) {
            KeyRow(p, QPointF(block.at.x() + 6, top), 274, row.keys, row.what);
            top += 23;
        }
    }
}

// The arrow pointer of a mouse, tip at `tip`.
void Pointer(QPainter& p, QPointF tip) {
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 22));
    arrow.lineTo(tip + QPointF(5.5, 17));
    arrow.lineTo(tip + QPointF(9.5, 26));
    arrow.lineTo(tip + QPointF(13, 24.5));
    arrow.lineTo(tip + QPointF(9, 16));
    arrow.lineTo(tip + QPointF(16, 16));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void Gestures(QPainter& p) {
    Heading(p, QStringLiteral("Playing with the mouse on the table"));
    const struct {
        QPointF from;
        QPointF to;
        const char* action;
        const char* how;
    } drags[] = {
        {{60, 60}, {60, 150}, "HIT", "drag down"},
        {{170, 90}, {260, 90}, "STAND", "drag right"},
        {{320, 60}, {400, 140}, "SPLIT", "drag right\nand down"},
    };
    for (const auto& drag : drags) {
        p.setPen(Qt::NoPen);
        p.setBrush(kLightYellow);
        p.drawEllipse(drag.from, 5, 5);
        Arrow(p, drag.from, drag.to, kLightYellow, 4);
        Pointer(p, drag.to + QPointF(4, 2));
    }
    for (int i = 0; i < 3; ++i) {
        const qreal centre = i == 0 ? 60 : i == 1 ? 215 : 360;
        Button(p, QRectF(centre - 56, 178, 112, 24), QString::fromLatin1(drags[i].action));
        Caption(p, QRectF(centre - 70, 204, 140, 36), QString::fromLatin1(drags[i].how), 13);
    }
    const QPointF click(500, 100);
    p.setPen(QPen(kLightYellow, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(click, 16, 16);
    p.drawEllipse(click, 28, 28);
    Pointer(p, click);
    Button(p, QRectF(440, 178, 130, 24), QStringLiteral("DOUBLE DOWN"));
    Caption(p, QRectF(430, 204, 150, 36), QStringLiteral("double-click\nthe left button"), 13);
    Caption(p, QRectF(120, 34, 360, 20),
            QStringLiteral("A drag counts when it is longer than 70 pixels."), 13, kPaleYellow);
}
}  // namespace

std::vector<LecturePage> ShoeAndControlsPages() {
    return {{"NL2", 12, ShoeAndCut},
            {"NL2", 13, Keys},
            {"NL2", 14, KeysElsewhere},
            {"NL2", 15, Gestures}};
}

}  // namespace vantrel::art
