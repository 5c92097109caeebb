#include "ui/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "ui/fonts.h"
#include "ui/key_button.h"
#include "ui/shape.h"

namespace vantrel {

namespace {

QWidget* MakeButton(QWidget* parent, const ControlSpec& row) {
    auto* button = new KeyButton(row.text, parent);
    button->setFont(GothicFont(row.fontPx, true));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& row, bool bold) {
    auto* label = new QLabel(row.text, parent);
    label->setFont(GothicFont(row.fontPx, bold));
    label->setAlignment(row.align);
    PaintText(label, Qt::white);
    return label;
}

QWidget* MakeImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

QWidget* MakeMemo(QWidget* parent, const ControlSpec& row) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setFont(GothicFont(row.fontPx));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The course's texts are read, not written: the keys scroll them, and Tab moves on.
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setPlainText(row.text);
    return memo;
}

QWidget* MakeList(QWidget* parent, const ControlSpec& row) {
    auto* list = new QListWidget(parent);
    list->setFont(GothicFont(row.fontPx));
    list->setFocusPolicy(Qt::TabFocus);  // Tab reaches it, the arrows walk its rows
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* MakeEdit(QWidget* parent, const ControlSpec& row) {
    auto* edit = new QLineEdit(row.text, parent);
    edit->setFont(PGothicFont(row.fontPx));
    return edit;
}

QWidget* MakeShape(QWidget* parent) {
    auto* shape = new QFrame(parent);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    PaintShape(shape, Qt::white, Qt::black);
    return shape;
}

QWidget* MakeControl(QWidget* parent, const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::Button:
            return MakeButton(parent, row);
        case ControlKind::Label:
            return MakeLabel(parent, row, false);
        case ControlKind::BoldLabel:
            return MakeLabel(parent, row, true);
        case ControlKind::Image:
            return MakeImage(parent);
        case ControlKind::Memo:
            return MakeMemo(parent, row);
        case ControlKind::List:
            return MakeList(parent, row);
        case ControlKind::Edit:
            return MakeEdit(parent, row);
        case ControlKind::Balloon:
            return new Shape(parent, Shape::Form::RoundRect, Qt::white, Qt::black, 1);
        case ControlKind::Shape:
            break;
    }
    return MakeShape(parent);
}

}  // namespace

void BuildControls(QWidget* parent, std::span<const ControlSpec> table) {
    for (const ControlSpec& row : table) {
        QWidget* control = MakeControl(parent, row);
        control->setObjectName(row.name);
        control->setGeometry(row.rect);
    }
}

void PaintShape(QFrame* shape, QColor fill, QColor outline) {
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, fill);
    palette.setColor(QPalette::WindowText, outline);
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
}

void PaintText(QWidget* label, QColor colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace vantrel
