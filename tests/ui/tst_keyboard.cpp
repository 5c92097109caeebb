// The course played by the keyboard alone: from the start screen through the introduction, a
// lecture, the strategy practice, the Record and its count-down drill with the keypad, to
// quitting. Every step is a key typed into the window in front; nothing is clicked. Quitting ends
// the application's event loops for good, so this walk has an executable of its own.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/cpin.h"
#include "ui/key_button.h"
#include "ui/practical.h"
#include "ui/table_driver.h"

using namespace vantrel;
using namespace vantrel::test;

class KeyboardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world_;
    std::unique_ptr<TableDriver> driver_;

    // Each key goes to the window in front: the keypad or a box while one is up, else the frame,
    // given back the activation as a desktop's window manager does when a dialog closes.
    void Type(std::initializer_list<int> keys) {
        for (const int key : keys) {
            QWidget* front = QApplication::activeModalWidget();
            if (!front) {
                front = &world_->frame();
                if (!front->isActiveWindow()) front->activateWindow();
            }
            QTest::keyClick(front->windowHandle(), static_cast<Qt::Key>(key));
        }
    }
    // The control with the focus; a button's name is starred when its focus frame shows.
    static QString Focused() {
        const QWidget* focused = QApplication::focusWidget();
        if (!focused) return "(none)";
        const auto* button = qobject_cast<const KeyButton*>(focused);
        return focused->objectName() + (button && button->showsKeyboardFocus() ? "*" : "");
    }
    // Tab round the screen's controls until the first comes back, and stay there.
    QStringList TabChain() {
        QStringList chain;
        for (int step = 0; step < 20; ++step) {
            Type({Qt::Key_Tab});
            if (!chain.isEmpty() && Focused() == chain.front()) break;
            chain.append(Focused());
        }
        return chain;
    }
    // Types into the keypad once the key that brings it up has been pressed.
    void WhenKeypadShows(std::function<void()> typing) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, typing] {
            if (!qobject_cast<Tf_cpin*>(QApplication::activeModalWidget())) return;
            poll->deleteLater();
            poll->stop();
            typing();
        });
        poll->start(5);
    }
    QString Screen() const { return world_->CurrentScreenName(); }
    QString Text(const char* name) const { return TextOf(world_->frame().CurrentScreen(), name); }

  private slots:
    void theCourseIsPlayedByKeysAlone();

  private:
    void StartAndEnterTheCourse();
    void ReadALecture();
    void PlayTheStrategyPractice();
    void CountDownWithTheKeypad();
};

void KeyboardTest::StartAndEnterTheCourse() {
    Type({Qt::Key_Return, Qt::Key_Space});  // no button has the focus yet: none is pressed unseen
    QCOMPARE(Screen(), "Tf_main");
    QCOMPARE(TabChain(), (QStringList{"bbtn_goodluck*", "bbtn_goodbye*"}));
    Type({Qt::Key_Return});
    QCOMPARE(Screen(), "Tf_first");
    QCOMPARE(TabChain(), (QStringList{"m_first", "bbtn_ok*", "bbtn_cancel*"}));
    Type({Qt::Key_Return, Qt::Key_Down});  // the text scrolls but takes no writing
    QCOMPARE(MemoText(world_->frame().CurrentScreen(), "m_first"),
             "Welcome to the course.\nPlay fair.");
    Type({Qt::Key_Tab, Qt::Key_Space});  // "I agree and enter."
    QCOMPARE(Screen(), "Tf_menu");
    QVERIFY(world_->ReadSettings().contains("\nLV=N1\n"));
}

void KeyboardTest::ReadALecture() {
    // The arrows walk the menu in layout order, round from the last button to the first.
    Type({Qt::Key_Up, Qt::Key_Down});
    QCOMPARE(Focused(), "bbtn_rules*");
    Type({Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
    QCOMPARE(Focused(), "bbtn_l1*");
    Type({Qt::Key_Return});
    QCOMPARE(Screen(), "Tf_lecture");
    // Three pages; the page keys go no further than the first and the last.
    const struct {
        int key;
        const char* page;
    } pages[] = {{Qt::Key_PageDown, "2"}, {Qt::Key_Right, "3"},  {Qt::Key_Right, "3"},
                 {Qt::Key_Left, "2"},     {Qt::Key_PageUp, "1"}, {Qt::Key_Left, "1"},
                 {Qt::Key_PageDown, "2"}, {Qt::Key_Home, "1"}};
    for (const auto& [key, page] : pages) {
        Type({key});
        QCOMPARE(Text("l_no"), page);
    }
    QCOMPARE(Screen(), "Tf_lecture");
    // With a button focused the arrows still turn the pages.
    Type({Qt::Key_Tab, Qt::Key_Right});
    QCOMPARE(Focused(), "bbtn_back*");
    QCOMPARE(Text("l_no"), "2");
    Type({Qt::Key_Escape});
    QCOMPARE(Screen(), "Tf_menu");
}

void KeyboardTest::PlayTheStrategyPractice() {
    for (int button = 0; button < 8; ++button) Type({Qt::Key_Down});
    QCOMPARE(Focused(), "bbtn_l5*");
    Type({Qt::Key_Space});
    QCOMPARE(Text("bbtn_menu"), "Start");
    QCOMPARE(TabChain(), QStringList{"bbtn_menu*"});
    Type({Qt::Key_Return});
    QCOMPARE(Screen(), "Tf_practical");
    QCOMPARE(TabChain(), QStringList{"Tf_practical"});  // the table keeps its keys

    // Eleven against a seven, doubled: the chart's play, and a win.
    driver_ = std::make_unique<TableDriver>(*world_);
    driver_->StackDeal("S08", "H03", "D10", "C07", {"D09"});
    Type({Qt::Key_1});
    QVERIFY(QTest::qWaitFor([&] { return driver_->table().actionsEnabled(); }, 10000));
    Type({Qt::Key_D});
    QVERIFY(driver_->WaitUntilSettled());
    QCOMPARE(Text("l_chip") + " " + Text("l_norm"), "$10010 99 times to go");

    // Menu asks first: Escape stays, Tab and Enter take "OK".
    world_->boxes.AnswerNextWithKeys({Qt::Key_Escape});
    world_->boxes.AnswerNextWithKeys({Qt::Key_Tab, Qt::Key_Return});
    Type({Qt::Key_M});
    QCOMPARE(Screen(), "Tf_practical");
    Type({Qt::Key_M});
    QCOMPARE(Screen(), "Tf_menu");
}

void KeyboardTest::CountDownWithTheKeypad() {
    Type({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    QCOMPARE(Screen(), "Tf_record");
    QCOMPARE(TabChain(),
             (QStringList{"bbtn_lessons*", "bbtn_progress*", "lst_lessons", "lst_mistakes",
                          "bbtn_drill*", "bbtn_countdown*", "bbtn_menu*"}));
    Type({Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
    QCOMPARE(Screen(), "Tf_countdown");
    QCOMPARE(TabChain(),
             (QStringList{"bbtn_deck*", "bbtn_halfdeck*", "bbtn_pace10*", "bbtn_pace05*",
                          "bbtn_pace03*", "bbtn_mypace*", "bbtn_back*", "bbtn_start*"}));
    // Half a deck at the student's pace: "Start" deals the first card, each key one more.
    Type({Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
          Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    for (int card = 2; card <= 26; ++card) Type({Qt::Key_N});
    QCOMPARE(Text("l_dealt"), "26/26");

    // The key after the last card brings up the keypad: letters are refused, the minus key puts the
    // sign in front, Backspace takes the last digit, Enter answers.
    QString typed;
    WhenKeypadShows([&] {
        Type({Qt::Key_1, Qt::Key_A, Qt::Key_2, Qt::Key_Minus, Qt::Key_Plus, Qt::Key_4,
              Qt::Key_Backspace});
        Tf_cpin& keypad = world_->frame().CountDialog();
        auto* entry = keypad.findChild<QLineEdit*>("e_cp");
        typed = entry->text();
        Type({Qt::Key_Return});
        if (keypad.isVisible()) {  // refused: answered all the same, so that the walk goes on
            entry->setText("0");
            keypad.findChild<QPushButton*>("bbtn_ok")->click();
        }
    });
    Type({Qt::Key_N});
    QCOMPARE(typed, "-12");
    QVERIFY(!world_->frame().CountDialog().isVisible());
    QVERIFY2(Text("l_result").contains(QRegularExpression("(is|not) -12\\.")),
             qPrintable(Text("l_result")));

    // Again, and Escape takes the keypad's "Back".
    Type({Qt::Key_Up, Qt::Key_Return});
    WhenKeypadShows([&] { Type({Qt::Key_Escape}); });
    for (int card = 1; card <= 26; ++card) Type({Qt::Key_Space});
    QCOMPARE(Screen(), "Tf_record");
}

void KeyboardTest::theCourseIsPlayedByKeysAlone() {
    world_ = std::make_unique<TestWorld>();
    TableDriver::WriteTableData(*world_);
    for (const char* page : {"NL101", "NL102", "NL103"}) world_->WritePage(page);
    world_->Start();

    for (void (KeyboardTest::*step)() :
         {&KeyboardTest::StartAndEnterTheCourse, &KeyboardTest::ReadALecture,
          &KeyboardTest::PlayTheStrategyPractice, &KeyboardTest::CountDownWithTheKeypad}) {
        (this->*step)();
        if (QTest::currentTestFailed()) return;
    }

    Type({Qt::Key_Up, Qt::Key_Return});  // the Record's "Menu"
    QCOMPARE(Screen(), "Tf_menu");
    Type({Qt::Key_Up, Qt::Key_Space});  // "Good bye!"
    QCOMPARE(world_->session.appState, AppState::Quitting);
    QCOMPARE(world_->boxes.texts(), QStringList(2, "You want to go back to Menu?"));
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
