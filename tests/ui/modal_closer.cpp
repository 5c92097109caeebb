#include "ui/modal_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

namespace vantrel::test {

ModalCloser::ModalCloser() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::Poll);
    timer_.start();
}

QStringList ModalCloser::texts() const {
    QStringList texts;
    for (const Box& box : boxes_) texts.append(box.text);
    return texts;
}

void ModalCloser::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    boxes_.append(
        {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
         box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton,
         QGuiApplication::overrideCursor() == nullptr});
    const Answer answer = answers_.isEmpty() ? Answer{QMessageBox::Ok, {}} : answers_.takeFirst();
    if (!answer.keys.isEmpty()) {
        for (const Qt::Key key : answer.keys) QTest::keyClick(box->windowHandle(), key);
        return;
    }
    if (QAbstractButton* button = box->button(answer.button))
        button->click();
    else
        box->reject();
}

}  // namespace vantrel::test
