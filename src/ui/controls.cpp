#include "ui/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/fonts.h"

namespace vantrel {

namespace {

QWidget* MakeButton(QWidget* parent, const ControlSpec& spec) {
    auto* button = new QPushButton(spec.text, parent);
    button->setFont(GothicFont(spec.fontPx, true));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& spec, bool bold) {
    auto* label = new QLabel(spec.text, parent);
    label->setFont(GothicFont(spec.fontPx, bold));
    label->setAlignment(spec.align);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QWidget* MakeImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

QWidget* MakeMemo(QWidget* parent, const ControlSpec& spec) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setFont(GothicFont(spec.fontPx));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(spec.text);
    return memo;
}

QWidget* MakeEdit(QWidget* parent, const ControlSpec& spec) {
    auto* edit = new QLineEdit(spec.text, parent);
    edit->setFont(PGothicFont(spec.fontPx));
    return edit;
}

QWidget* MakeShape(QWidget* parent) {
    auto* shape = new QFrame(parent);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    PaintShape(shape, Qt::white, Qt::black);
    return shape;
}

QWidget* MakeControl(QWidget* parent, const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::Button:
            return MakeButton(parent, spec);
        case ControlKind::Label:
            return MakeLabel(parent, spec, false);
        case ControlKind::BoldLabel:
            return MakeLabel(parent, spec, true);
        case ControlKind::Image:
            return MakeImage(parent);
        case ControlKind::Memo:
            return MakeMemo(parent, spec);
        case ControlKind::Edit:
            return MakeEdit(parent, spec);
        case ControlKind::Shape:
            break;
    }
    return MakeShape(parent);
}

}  // namespace

void BuildControls(QWidget* parent, std::span<const ControlSpec> table) {
    for (const ControlSpec& spec : table) {
        QWidget* control = MakeControl(parent, spec);
        control->setObjectName(spec.name);
        control->setGeometry(spec.rect);
    }
}

void PaintShape(QFrame* shape, QColor fill, QColor outline) {
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, fill);
    palette.setColor(QPalette::WindowText, outline);
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
}

}  // namespace vantrel
