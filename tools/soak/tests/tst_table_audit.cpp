// The audit against a real table screen: each way the screen can disagree with its engine is
// reported once, and a screen that agrees gives no fault.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/data_paths.h"
#include "coach/lessons.h"
#include "engine/table.h"
#include "table_audit.h"
#include "ui/delay.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/session.h"
#include "ui/startup.h"

namespace vantrel::soak {

class TableAuditTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void anAgreeingScreenHasNoFault();
    void reportsWhatTheScreenGetsWrong_data();
    void reportsWhatTheScreenGetsWrong();
    void cleanupTestCase();

  private:
    template <typename T>
    T* Find(const char* name) {
        return screen_->findChild<T*>(name);
    }

    QTemporaryDir settingsDir_;
    Session session_;
    std::unique_ptr<Tf_mdi> frame_;
    Tf_practical* screen_ = nullptr;
    std::unique_ptr<TableAudit> audit_;
};

// The NL3 table with a round dealt: 10 and 5 against the dealer's 7 up, 9 in the hole.
void TableAuditTest::initTestCase() {
    QDir::setCurrent(VANTREL_DATA_DIR);
    SetDelayTimeScale(0.01);
    session_.installation.progress =
        ProgressPathsAt(settingsDir_.filePath("audit.INI").toStdString());
    frame_ = StartUp(session_);
    screen_ = frame_->findChild<Tf_practical*>();
    SetTableValues(session_.lesson, *FindLesson("NL3"));
    session_.lesson.lessonCode = "NL3";
    frame_->ShowScreen(ScreenId::Practical);
    Table& table = screen_->table();
    std::vector<Card> deal;
    for (const char* code : {"S10", "D09", "H05", "C07"}) deal.push_back(Card::FromCode(code));
    table.shoe().StackCards(deal);
    table.l_bet005Click();
    QTRY_VERIFY(table.actionsEnabled());
    audit_ = std::make_unique<TableAudit>(*frame_, *screen_, session_.appDir);
}

void TableAuditTest::anAgreeingScreenHasNoFault() {
    audit_->AfterEvent();
    audit_->AfterStep();
    QCOMPARE(audit_->violations(), 0);
}

void TableAuditTest::reportsWhatTheScreenGetsWrong_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("change");
    QTest::newRow("a card hidden") << "img_p1_1"
                                   << "hide";
    QTest::newRow("a card over an empty slot") << "img_p1_3"
                                               << "show";
    QTest::newRow("another card's picture") << "img_p1_1"
                                            << "picture H13";
    QTest::newRow("the hole card face up") << "img_d1"
                                           << "picture D09";
    QTest::newRow("the chips miscounted") << "l_chip"
                                          << "text $1";
    QTest::newRow("the bet miscounted") << "l_bet"
                                        << "text $6";
    QTest::newRow("an action disabled") << "bbtn_hit"
                                        << "disable";
    QTest::newRow("the menu disabled") << "bbtn_menu"
                                       << "disable";
    QTest::newRow("a chip withheld") << "l_bet025"
                                     << "hide";
    QTest::newRow("the countdown disc in a round") << "s_timeout"
                                                   << "show";
    QTest::newRow("a result before the dealer played") << "l_p1rslt"
                                                       << "show";
}

void TableAuditTest::reportsWhatTheScreenGetsWrong() {
    QFETCH(QString, control);
    QFETCH(QString, change);
    auto* widget = Find<QWidget>(control.toLatin1().constData());
    QVERIFY(widget);
    const int before = audit_->violations();

    // Each change and the way back.
    std::function<void()> restore;
    if (change == "hide" || change == "show") {
        const bool wasHidden = widget->isHidden();
        widget->setVisible(change == "show");
        restore = [widget, wasHidden] { widget->setHidden(wasHidden); };
    } else if (change == "disable") {
        widget->setEnabled(false);
        restore = [widget] { widget->setEnabled(true); };
    } else if (change.startsWith("text ")) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QString text = label->text();
        label->setText(change.mid(5));
        restore = [label, text] { label->setText(text); };
    } else if (change.startsWith("picture ")) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QPixmap picture = label->pixmap();
        label->setPixmap(QPixmap(
            QString::fromStdString(CardFacePath(session_.appDir, change.mid(8).toStdString()))));
        restore = [label, picture] { label->setPixmap(picture); };
    }
    QVERIFY(restore);

    audit_->AfterEvent();
    audit_->AfterEvent();
    QCOMPARE(audit_->violations(), before + 1);  // reported once while it lasts
    restore();
    audit_->AfterEvent();
    QCOMPARE(audit_->violations(), before + 1);
}

void TableAuditTest::cleanupTestCase() {
    audit_.reset();
    frame_->QuitApplication();
    frame_.reset();
}

}  // namespace vantrel::soak

QTEST_MAIN(vantrel::soak::TableAuditTest)
#include "tst_table_audit.moc"
