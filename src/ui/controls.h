#pragma once

#include <QColor>
#include <QObject>
#include <QRect>
#include <span>

class QFrame;
class QWidget;

namespace vantrel {

// The kinds of control a screen's layout table places.
enum class ControlKind {
    Button,     // hand cursor, bold fixed-pitch font; Tab and the arrows reach it (KeyButton)
    Label,      // white, transparent, fixed-pitch font
    BoldLabel,  // the same in bold
    Image,      // a picture; empty until a bitmap is loaded
    Memo,       // read-only multi-line text with a vertical scroll bar, fixed-pitch font
    List,       // rows of text to choose from, fixed-pitch font
    Edit,       // one-line entry, proportional font
    Shape,      // a filled rectangle with a one-pixel outline
    Balloon,    // a speech balloon as the table draws it: white rounded rectangle, black outline
};

// One row of a screen's layout table. The control's objectName is its name.
struct ControlSpec {
    ControlKind kind;
    const char* name;
    QRect rect;
    const char* text = "";
    int fontPx = 12;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

// Creates the controls of a layout table on parent, in table order (later rows lie on top).
void BuildControls(QWidget* parent, std::span<const ControlSpec> table);

// Colours a shape control: its fill and its outline.
void PaintShape(QFrame* shape, QColor fill, QColor outline);
// Colours a label's text.
void PaintText(QWidget* label, QColor colour);

// The control of that name that a layout table placed on parent.
template <typename T>
T* FindControl(const QObject* parent, const char* name) {
    T* control = parent->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(control, "FindControl", name);
    return control;
}

}  // namespace vantrel
