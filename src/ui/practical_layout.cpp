#include "ui/practical_layout.h"

#include <QLabel>
#include <QPushButton>
#include <vector>

#include "engine/table_state.h"
#include "ui/fonts.h"
#include "ui/shape.h"
#include "ui/table_colours.h"

namespace vantrel {

namespace {

enum class Kind { Rect, RoundRect, Circle, Label, Image, Button };

// One control of the table screen. Colours left invalid mean none: no fill, transparent ground.
struct Row {
    Kind kind;
    QString name;
    QRect rect;
    QString text = {};
    int fontPx = 20;
    bool bold = true;
    bool italic = false;
    QColor color = Qt::black;  // text colour, or a shape's outline
    QColor ground = QColor();  // label ground, or a shape's fill
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    int outline = 1;  // a shape's outline width
    bool hidden = false;
};

constexpr int kHandTops[kHandSlots] = {192, 212, 240, 260, 288, 308, 336};
constexpr int HandLeft(int hand) {
    return 148 + 88 * (hand - 1);
}

QRect SlotRect(int slot) {
    const int position = slot % kHandSlots + 1;
    if (slot < kHandSlots) return {184 + 36 * (position - 1), position % 2 ? 32 : 48, 48, 64};
    const int hand = slot / kHandSlots;
    const int left = HandLeft(hand) + (position % 2 ? 0 : 24);
    const bool wider = position == 1 && (hand == 1 || hand == 4);
    return {left, kHandTops[position - 1], wider ? 49 : 48, 64};
}

// The screen from back to front: decoration, cards, labels, chips, buttons, then the countdown
// disc and the balloons over everything.
std::vector<Row> Layout() {
    const auto center = Qt::AlignCenter;
    std::vector<Row> rows = {
        {Kind::Rect, "Shape1", {0, 148, 649, 9}, {}, 0, false, false, Qt::white, Qt::white, {}, 0},
        {Kind::Label, "l_dealer", {16, 4, 101, 20}, "DEALER", 20, true, false, kLightYellow},
        {Kind::Label, "l_player", {16, 160, 101, 20}, "PLAYER", 20, true, false, kLightYellow},
        {Kind::Label,
         "l_tblmsg",
         {16, 124, 601, 20},
         "Dealer must hit to 16,and stand on all 17's",
         20,
         true,
         true,
         QColor(0xFF, 0xFF, 0x00),
         {},
         center},
        {Kind::Rect,
         "Shape2",
         {496, 4, 121, 61},
         {},
         0,
         false,
         false,
         Qt::black,
         kPaleYellow,
         {},
         2},
        {Kind::Label, "Label3", {508, 12, 45, 20}, "MIN"},
        {Kind::Label, "Label4", {508, 36, 45, 20}, "MAX"},
        {Kind::Label,
         "l_minbet",
         {552, 12, 57, 20},
         "$5",
         20,
         true,
         false,
         Qt::black,
         {},
         Qt::AlignRight | Qt::AlignVCenter},
        {Kind::Label,
         "l_maxbet",
         {552, 36, 57, 20},
         {},
         20,
         true,
         false,
         Qt::black,
         {},
         Qt::AlignRight | Qt::AlignVCenter},
        {Kind::Rect, "Shape5", {16, 184, 89, 105}, {}, 0, false, false, Qt::white, {}, {}, 5},
        {Kind::Rect, "Shape6", {16, 412, 229, 25}, {}, 0, false, false, kPaleYellow, Qt::black},
        {Kind::Rect, "Shape7", {388, 412, 229, 25}, {}, 0, false, false, kPaleYellow, Qt::black},
    };
    for (int slot = 0; slot < kSlotCount; ++slot)
        rows.push_back({Kind::Image, SlotName(slot), SlotRect(slot)});
    rows.push_back({Kind::Image, "img_bet005", {44, 192, 32, 32}});
    rows.push_back({Kind::Image, "img_bet025", {24, 228, 32, 32}});
    rows.push_back({Kind::Image, "img_bet100", {64, 228, 32, 32}});
    rows.push_back(
        {Kind::Label, "l_bet", {24, 260, 73, 24}, {}, 20, true, false, kSalmon, {}, center});
    rows.push_back(
        {Kind::Label, "l_dhand", {184, 8, 85, 20}, {}, 20, true, false, kAqua, {}, center});
    for (int hand = 1; hand <= kMaxHands; ++hand)
        rows.push_back({Kind::Label,
                        QString("l_p%1hand").arg(hand),
                        {HandLeft(hand) - 4, 168, 81, 20},
                        {},
                        20,
                        true,
                        false,
                        kAqua,
                        {},
                        center});
    for (int hand = 1; hand <= kMaxHands; ++hand)
        rows.push_back({Kind::Label,
                        QString("l_p%1rslt").arg(hand),
                        {HandLeft(hand), 376, 73, 21},
                        {},
                        20,
                        true,
                        true,
                        kPaleYellow,
                        kTeal,
                        center,
                        1,
                        true});
    const std::vector<Row> front = {
        {Kind::Image, "img_chip005", {16, 296, 32, 32}},
        {Kind::Image, "img_chip025", {16, 332, 32, 32}},
        {Kind::Image, "img_chip100", {16, 368, 32, 32}},
        {Kind::Label,
         "l_bet005",
         {48, 296, 57, 32},
         "BET",
         20,
         true,
         false,
         Qt::black,
         QColor(0x80, 0x00, 0x00),
         center},
        {Kind::Label,
         "l_bet025",
         {48, 332, 57, 32},
         "BET",
         20,
         true,
         false,
         Qt::black,
         QColor(0x00, 0x80, 0x00),
         center},
        {Kind::Label,
         "l_bet100",
         {48, 368, 57, 32},
         "BET",
         20,
         true,
         false,
         Qt::black,
         QColor(0x80, 0x80, 0x80),
         center},
        {Kind::Label, "l_chip", {20, 412, 221, 24}, {}, 20, true, false, kSalmon, {}, center},
        {Kind::Label, "l_norm", {392, 412, 221, 24}, {}, 20, true, false, kPalePink, {}, center},
        {Kind::Button, "bbtn_menu", {256, 412, 121, 25}, "Menu", 16},
        {Kind::Button, "bbtn_hit", {496, 192, 121, 25}, "HIT", 16},
        {Kind::Button, "bbtn_stand", {496, 228, 121, 25}, "STAND", 16},
        {Kind::Button, "bbtn_double", {496, 264, 121, 25}, "DOUBLE DOWN", 16},
        {Kind::Button, "bbtn_split", {496, 300, 121, 25}, "SPLIT", 16},
        // The Master Course's, in places the table leaves empty: the insurance offer above the
        // actions, and the values of the actions after a deviation under the limits.
        {Kind::Button,
         "bbtn_insurance",
         {496, 160, 121, 25},
         "Insurance",
         16,
         true,
         false,
         Qt::black,
         {},
         {},
         1,
         true},
        {Kind::Label,
         "l_ev",
         {496, 68, 121, 54},
         {},
         12,
         false,
         false,
         Qt::black,
         kPaleYellow,
         Qt::AlignLeft | Qt::AlignTop,
         1,
         true},
        {Kind::Circle,
         "s_timeout",
         {291, 202, 49, 49},
         {},
         0,
         false,
         false,
         Qt::black,
         kLightYellow,
         {},
         1,
         true},
        {Kind::Label,
         "l_timeout",
         {296, 212, 41, 33},
         {},
         27,
         true,
         false,
         Qt::black,
         {},
         center,
         1,
         true},
        {Kind::RoundRect,
         "s_dmsg",
         {152, 44, 329, 53},
         {},
         0,
         false,
         false,
         Qt::black,
         Qt::white,
         {},
         1,
         true},
        {Kind::Label,
         "l_dmsg",
         {160, 44, 313, 53},
         {},
         20,
         true,
         false,
         Qt::black,
         {},
         Qt::AlignLeft | Qt::AlignVCenter,
         1,
         true},
        {Kind::RoundRect,
         "s_pmsg",
         {388, 328, 229, 77},
         {},
         0,
         false,
         false,
         Qt::black,
         Qt::white,
         {},
         1,
         true},
        {Kind::Label,
         "l_pmsg",
         {396, 328, 213, 77},
         {},
         20,
         true,
         false,
         Qt::black,
         {},
         Qt::AlignLeft | Qt::AlignVCenter,
         1,
         true},
    };
    rows.insert(rows.end(), front.begin(), front.end());
    return rows;
}

QWidget* MakeControl(QWidget* parent, const Row& row) {
    switch (row.kind) {
        case Kind::Rect:
            return new Shape(parent, Shape::Form::Rectangle, row.ground, row.color, row.outline);
        case Kind::RoundRect:
            return new Shape(parent, Shape::Form::RoundRect, row.ground, row.color, row.outline);
        case Kind::Circle:
            return new Shape(parent, Shape::Form::Circle, row.ground, row.color, row.outline);
        case Kind::Image: {
            auto* image = new QLabel(parent);
            image->setScaledContents(true);
            image->hide();
            return image;
        }
        case Kind::Button: {
            auto* button = new QPushButton(row.text, parent);
            button->setFont(GothicFont(row.fontPx, true));
            button->setCursor(Qt::PointingHandCursor);
            button->setFocusPolicy(Qt::NoFocus);
            return button;
        }
        case Kind::Label:
            break;
    }
    auto* label = new QLabel(row.text, parent);
    QFont font = GothicFont(row.fontPx, row.bold);
    font.setItalic(row.italic);
    label->setFont(font);
    label->setAlignment(row.align);
    label->setWordWrap(row.name == "l_dmsg" || row.name == "l_pmsg");
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, row.color);
    if (row.ground.isValid()) {
        palette.setColor(QPalette::Window, row.ground);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    return label;
}

}  // namespace

QString SlotName(int slot) {
    if (slot < kHandSlots) return QString("img_d%1").arg(slot + 1);
    return QString("img_p%1_%2").arg(slot / kHandSlots).arg(slot % kHandSlots + 1);
}

void BuildTableLayout(QWidget* table) {
    for (const Row& row : Layout()) {
        QWidget* control = MakeControl(table, row);
        control->setObjectName(row.name);
        control->setGeometry(row.rect);
        if (row.hidden) control->hide();
    }
}

}  // namespace vantrel
