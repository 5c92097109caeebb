#include "ui/cpin.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <array>
#include <limits>
#include <optional>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/quitting.h"

namespace vantrel {

namespace {

using enum ControlKind;

constexpr std::array<ControlSpec, 17> kLayout = {{
    {Shape, "Shape1", {12, 4, 345, 49}},
    {BoldLabel, "l_msg", {16, 4, 337, 49}, "How much is your current Counting Point?", 20},
    {Edit, "e_cp", {12, 60, 345, 28}, "", 20},
    {Button, "bbtn_1", {12, 96, 105, 25}, "1", 16},
    {Button, "bbtn_2", {132, 96, 105, 25}, "2", 16},
    {Button, "bbtn_3", {252, 96, 105, 25}, "3", 16},
    {Button, "bbtn_4", {12, 128, 105, 25}, "4", 16},
    {Button, "bbtn_5", {132, 128, 105, 25}, "5", 16},
    {Button, "bbtn_6", {252, 128, 105, 25}, "6", 16},
    {Button, "bbtn_7", {12, 160, 105, 25}, "7", 16},
    {Button, "bbtn_8", {132, 160, 105, 25}, "8", 16},
    {Button, "bbtn_9", {252, 160, 105, 25}, "9", 16},
    {Button, "bbtn_minus", {12, 192, 105, 25}, "-", 16},
    {Button, "bbtn_0", {132, 192, 105, 25}, "0", 16},
    {Button, "bbtn_bs", {252, 192, 105, 25}, "BS", 16},
    {Button, "bbtn_ok", {124, 228, 121, 25}, "OK", 16},
    {Button, "bbtn_back", {12, 228, 105, 25}, "<- Back", 16},  // only where a drill asks
}};

// An optional sign and decimal digits, blanks around them allowed; a number outside 32 bits or
// the marker of no number is not a count.
std::optional<int> CountOf(const QString& text) {
    static const QRegularExpression kNumber(R"(^\s*[+-]?[0-9]+\s*$)");
    if (!kNumber.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    if (value == Tf_cpin::kNoNumber) return std::nullopt;
    return static_cast<int>(value);
}

// What may be typed into the entry: a sign and digits, as many as a count can have.
const QRegularExpression kTypedCount(R"([+-]?[0-9]{0,10})");

}  // namespace

Tf_cpin::Tf_cpin(QWidget* frame) : QDialog(frame) {
    setObjectName("Tf_cpin");
    setWindowTitle("VEDevoDURIDOZIZ");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(369, 265);
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    BuildControls(this, kLayout);
    PaintShape(FindControl<QFrame>(this, "Shape1"), QColor(255, 192, 128), Qt::black);
    auto* message = FindControl<QLabel>(this, "l_msg");
    message->setFont(PGothicFont(20, true));
    message->setWordWrap(true);
    QPalette black = message->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    message->setPalette(black);
    e_cp_ = FindControl<QLineEdit>(this, "e_cp");
    // Typed, the entry takes what the keypad gives: digits and a sign. The minus key is the
    // keypad's, putting the sign on or taking it off wherever the cursor is.
    e_cp_->setValidator(new QRegularExpressionValidator(kTypedCount, e_cp_));
    e_cp_->installEventFilter(this);

    for (char digit = '0'; digit <= '9'; ++digit) {
        const QString name = QString("bbtn_") + digit;
        auto* key = FindControl<QPushButton>(this, name.toLatin1().constData());
        key->setFocusPolicy(Qt::NoFocus);  // the keyboard types its digit into the entry
        connect(key, &QPushButton::clicked, this, [this, digit] { AppendDigit(QChar(digit)); });
    }
    for (const char* name : {"bbtn_minus", "bbtn_bs"})
        FindControl<QPushButton>(this, name)->setFocusPolicy(Qt::NoFocus);
    connect(FindControl<QPushButton>(this, "bbtn_minus"), &QPushButton::clicked, this,
            &Tf_cpin::ToggleMinus);
    connect(FindControl<QPushButton>(this, "bbtn_bs"), &QPushButton::clicked, this,
            &Tf_cpin::DeleteLastCharacter);
    auto* ok = FindControl<QPushButton>(this, "bbtn_ok");
    ok->setDefault(true);  // Enter in the entry answers
    connect(ok, &QPushButton::clicked, this, &Tf_cpin::bbtn_okClick);
    auto* back = FindControl<QPushButton>(this, "bbtn_back");
    back->hide();
    connect(back, &QPushButton::clicked, this, &Tf_cpin::bbtn_backClick);
}

int Tf_cpin::Ask() {
    if (IsApplicationQuitting()) return enteredCount_;
    exec();
    if (isVisible()) hide();  // the application quit while the dialog was up
    return enteredCount_;
}

int Tf_cpin::AskOrBack() {
    auto* back = FindControl<QPushButton>(this, "bbtn_back");
    back->show();
    const int count = Ask();
    back->hide();
    return count;
}

int Tf_cpin::AskTrueCount() {
    auto* message = FindControl<QLabel>(this, "l_msg");
    const QString question = message->text();
    message->setText("What is the true count now?");
    const int count = Ask();
    message->setText(question);
    return count;
}

void Tf_cpin::FormShow() {
    backTaken_ = false;
    enteredCount_ = kNoNumber;
    e_cp_->clear();
    e_cp_->setFocus();
}

void Tf_cpin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void Tf_cpin::keyPressEvent(QKeyEvent* event) {
    // Where a drill offers "Back", Escape takes it; the course's own question has no way out.
    auto* back = FindControl<QPushButton>(this, "bbtn_back");
    if (event->key() == Qt::Key_Escape && back->isVisible()) return back->click();
    QDialog::keyPressEvent(event);
}

bool Tf_cpin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == e_cp_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == "-") {
        ToggleMinus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tf_cpin::done(int result) {
    // Every way out (OK, Escape, the close box, the system menu) passes here.
    if (enteredCount_ == kNoNumber && !backTaken_ && !IsApplicationQuitting()) {
        ShowMessageBox("Enter Counting Point and click \"OK\".");
        return;
    }
    QDialog::done(result);
}

void Tf_cpin::AppendDigit(QChar digit) {
    e_cp_->setText(e_cp_->text() + digit);
}

void Tf_cpin::ToggleMinus() {
    const QString text = e_cp_->text();
    e_cp_->setText(text.startsWith('-') ? text.mid(1) : "-" + text);
}

void Tf_cpin::DeleteLastCharacter() {
    QString text = e_cp_->text();
    if (text.isEmpty()) return;
    text.chop(1);
    e_cp_->setText(text);
}

void Tf_cpin::bbtn_okClick() {
    enteredCount_ = CountOf(e_cp_->text()).value_or(kNoNumber);
    if (enteredCount_ == kNoNumber) {
        ShowMessageBox("Enter numbers for Counting Point!");
        return;
    }
    accept();
}

void Tf_cpin::bbtn_backClick() {
    enteredCount_ = kNoNumber;
    backTaken_ = true;
    reject();
}

}  // namespace vantrel
