#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "app/text_helpers.h"
#include "ui/cursor.h"
#include "ui/quitting.h"

namespace vantrel {

namespace {

// The style rule looks at single-byte text with the full-width marks in Shift-JIS; hand it the
// ASCII characters as they are, the two full-width marks as their Shift-JIS bytes and anything
// else as a byte that can take part in no match.
std::string StyleProbe(const QString& text) {
    std::string probe;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            probe += static_cast<char>(c.unicode());
        else if (c == QChar(0xFF1F))
            probe += "\x81\x48";
        else if (c == QChar(0xFF01))
            probe += "\x81\x49";
        else
            probe += '\x7f';
    }
    return probe;
}

QMessageBox::Icon IconOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::Question:
            return QMessageBox::Question;
        case MessageStyle::Exclamation:
            return QMessageBox::Warning;
        case MessageStyle::Information:
            break;
    }
    return QMessageBox::Information;
}

// Shows the box modally; returns kMessageOk or kMessageCancel.
int Show(QMessageBox::Icon icon, const QString& text, bool withCancel) {
    if (IsApplicationQuitting()) return kMessageCancel;
    QMessageBox box(icon, kApplicationTitle, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    if (withCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(ok);
    }

    SetArrowCursor();  // a caller may have left the hourglass on
    box.exec();
    return box.clickedButton() == ok ? kMessageOk : kMessageCancel;
}

}  // namespace

int ShowMessageBox(const QString& text) {
    const MessageStyle style = MessageStyleFor(StyleProbe(text));
    return Show(IconOf(style), text, style == MessageStyle::Question);
}

void ShowErrorBox(const QString& text) {
    Show(QMessageBox::Critical, text, false);
}

}  // namespace vantrel
