// Walks the trainer the way a student would and saves a PNG of every screen: the start screen,
// the introduction, both menus, the Rules screen, every lecture page, and the table while betting,
// in a round split into three hands, with a strategy verdict, at settlement and with the count
// question up; the Record screen while nothing is recorded and, given a record, with it and the
// chart page its costliest mistake opens.
//
// Run it in a data directory on a display (e.g. under xvfb-run): vantrel-tour OUTDIR [RECORD]
#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/settings.h"
#include "coach/lessons.h"
#include "ui/countdown.h"
#include "ui/cpin.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/startup.h"

namespace {

using namespace vantrel;

// The walk is a list of steps, each run once its condition holds. A step may block in the
// table's waits; the next steps then run from inside those waits, as a student's clicks would.
class Tour {
  public:
    Tour(Tf_mdi& frame, QString outDir) : frame_(frame), outDir_(std::move(outDir)) {}

    void When(std::function<bool()> ready, std::function<void()> action) {
        steps_.push_back({std::move(ready), std::move(action)});
    }
    void Then(std::function<void()> action) {
        When([] { return true; }, std::move(action));
    }
    void Pause(int ms) {
        auto until = std::make_shared<qint64>(0);
        When(
            [until, ms] {
                const qint64 now = QDateTime::currentMSecsSinceEpoch();
                if (*until == 0) *until = now + ms;
                return now >= *until;
            },
            [] {});
    }
    // The frame alone, or the whole screen when a dialog stands over it.
    void Shot(const QString& name, bool wholeScreen = false) {
        Then([this, name, wholeScreen] { Save(name, wholeScreen); });
    }
    // Saves the picture at once: no event is handled meanwhile, so no other step can start.
    void Save(const QString& name, bool wholeScreen = false) {
        const QPixmap picture =
            wholeScreen ? QGuiApplication::primaryScreen()->grabWindow(0) : frame_.grab();
        const QString path =
            QString("%1/%2-%3.png").arg(outDir_).arg(++shots_, 2, 10, QChar('0')).arg(name);
        picture.save(path);
        std::printf("%s\n", qPrintable(path));
    }

    void Run() {
        auto* poll = new QTimer(&frame_);
        QObject::connect(poll, &QTimer::timeout, [this, poll] {
            if (next_ >= steps_.size()) {
                poll->stop();
                frame_.QuitApplication();
                return;
            }
            if (starting_ || !steps_[next_].ready()) return;
            // Run the step from an event of its own: a timer does not fire again while its
            // own handler is still running, and a step may wait for a long time.
            starting_ = true;
            QTimer::singleShot(0, &frame_, [this, action = steps_[next_++].action] {
                starting_ = false;
                action();
            });
        });
        poll->start(50);
    }

  private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> action;
    };
    Tf_mdi& frame_;
    QString outDir_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool starting_ = false;  // a step is scheduled and has not begun yet
    int shots_ = 0;
};

template <typename T>
T* Find(QWidget* screen, const char* name) {
    return screen->findChild<T*>(name);
}

void OpenLesson(Session& session, const char* code, int page) {
    const LessonInfo& lesson = *FindLesson(code);
    session.lesson.lessonCode = code;
    session.lesson.lecturePage = page;
    session.lesson.lessonHasTable = lesson.hasTable;
    if (lesson.hasTable) SetTableValues(session.lesson, lesson);
    session.returnMenu = code[0] == 'P' ? 2 : 1;
}

// Every page of every lecture, and the first and closing pages of the table lessons.
void WalkLectures(Session& session, Tf_mdi& frame, Tour& tour) {
    for (const char* code : {"NL1", "NL2", "NL3", "NL4", "NL5", "NL6", "PL1", "PL2", "PL3"}) {
        const bool table = FindLesson(code)->hasTable;
        for (int page : {1, 99}) {
            if (page == 99 && !table) continue;
            OpenLesson(session, code, page);
            frame.ShowScreen(ScreenId::Lecture);
            QWidget* lecture = frame.CurrentScreen();
            tour.Save(QString("lecture-%1-%2").arg(code).arg(page, 2, 10, QChar('0')));
            auto* next = Find<QAbstractButton>(lecture, "bbtn_next");
            for (int more = page + 1; !table && next->text() != "Finish"; ++more) {
                next->click();
                tour.Save(QString("lecture-%1-%2").arg(code).arg(more, 2, 10, QChar('0')));
            }
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr,
                     "usage: vantrel-tour OUTDIR [RECORD]   (run it in the data directory)\n");
        return 2;
    }
    const QString record = argc == 3 ? QFileInfo(argv[2]).absoluteFilePath() : QString();
    const QString outDir = QDir(argv[1]).absolutePath();
    QDir().mkpath(outDir);

    // The walk never touches the student's progress: it keeps its own settings file.
    QTemporaryDir settingsDir;
    Session session;
    session.installation.progress = ProgressPathsAt(settingsDir.filePath("tour.INI").toStdString());
    Settings settings;
    settings.LV = "PL1";
    SaveProgress(settings, session.installation.progress);

    auto mdi = StartUp(session);
    Tf_mdi& frame = *mdi;
    Tour tour(frame, outDir);
    Table* table = nullptr;
    const auto button = [&frame](const char* name) {
        return Find<QAbstractButton>(frame.CurrentScreen(), name);
    };
    const auto balloon = [&frame](const char* text) {
        auto* label = Find<QLabel>(frame.CurrentScreen(), "l_pmsg");
        return label && label->isVisible() && label->text() == text;
    };

    tour.Pause(500);
    tour.Shot("start");
    tour.Then([&] { frame.ShowScreen(ScreenId::First); });
    tour.Shot("introduction");
    // The introduction scrolls; its end says what the program keeps.
    tour.Then([&] {
        auto* text = Find<QPlainTextEdit>(frame.CurrentScreen(), "m_first");
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    });
    tour.Shot("introduction-end");
    tour.Then([&] { frame.ShowScreen(ScreenId::Menu); });
    tour.Shot("general-menu");
    tour.Then([&] { frame.ShowScreen(ScreenId::ProMenu); });
    tour.Shot("professional-menu");
    // The Rules screen at one deck, once the calculator has given its figures and the plays that
    // differ from the lectures' chart; left without saving.
    tour.Then([&] {
        frame.ShowScreen(ScreenId::Menu);
        button("bbtn_rules")->click();
        button("bbtn_deck1")->click();
    });
    tour.When(
        [&] {
            return !Find<QPlainTextEdit>(frame.CurrentScreen(), "m_rules")
                        ->toPlainText()
                        .contains(QChar(0x2026));
        },
        [] {});
    tour.Shot("rules-1-deck");
    tour.Then([&] { button("bbtn_back")->click(); });
    // Nothing is recorded in the walk's own settings folder yet.
    tour.Then([&] { button("bbtn_record")->click(); });
    tour.Shot("record-empty");
    tour.Then([&] { WalkLectures(session, frame, tour); });

    // The strategy practice: a pair of eights split twice, a double, a wrong hit, a stand.
    tour.Then([&] {
        OpenLesson(session, "NL5", 1);
        frame.ShowScreen(ScreenId::Practical);
    });
    tour.When([&] { return frame.CurrentScreen()->objectName() == "Tf_practical"; },
              [&] {
                  table = &static_cast<Tf_practical*>(frame.CurrentScreen())->table();
                  std::vector<Card> cards;
                  for (const char* code :
                       {"S08", "D10", "H08", "C07", "D08", "C03", "H10", "S09", "D04", "C10"})
                      cards.push_back(Card::FromCode(code));
                  table->shoe().StackCards(cards);
              });
    tour.When([&] { return table->menuEnabled(); }, [&] { table->l_bet025Click(); });
    tour.Pause(1500);
    tour.Shot("table-betting");
    tour.When([&] { return table->actionsEnabled(); }, [&] { button("bbtn_split")->click(); });
    tour.When([&] { return table->actionsEnabled(); }, [&] { button("bbtn_split")->click(); });
    tour.When([&] { return table->actionsEnabled(); }, [] {});
    tour.Shot("table-split-three-hands");
    tour.Then([&] { button("bbtn_double")->click(); });
    tour.When([&] { return table->actionsEnabled(); }, [&] { button("bbtn_hit")->click(); });
    tour.When([&] { return balloon("Incorrect!(STAND)"); }, [] {});
    tour.Shot("table-strategy-verdict");
    tour.When([&] { return table->actionsEnabled(); }, [&] { button("bbtn_stand")->click(); });
    tour.When([&] { return Find<QLabel>(frame.CurrentScreen(), "l_p1rslt")->isVisible(); }, [] {});
    tour.Pause(300);
    tour.Shot("table-settlement");

    // The counting practice: the tenth round of the shoe ends with the count question.
    tour.When([&] { return !table->state().roundActive; },
              [&] {
                  frame.ShowScreen(ScreenId::ProMenu);
                  OpenLesson(session, "PL2", 1);
                  frame.ShowScreen(ScreenId::Practical);
              });
    tour.When([&] { return table->menuEnabled(); },
              [&] {
                  table->shoe().roundsSinceShuffle = 9;
                  std::vector<Card> cards;
                  // 5, king in the hole, 6, 6 up; the dealer draws an ace: the count is +1.
                  for (const char* code : {"S05", "D13", "H06", "C06", "H01"})
                      cards.push_back(Card::FromCode(code));
                  table->shoe().StackCards(cards);
                  table->l_bet005Click();
              });
    tour.When([&] { return table->actionsEnabled(); }, [&] { button("bbtn_stand")->click(); });
    tour.When([&] { return QApplication::activeModalWidget() == &frame.CountDialog(); },
              [&] { Find<QLineEdit>(&frame.CountDialog(), "e_cp")->setText("1"); });
    tour.Pause(300);
    tour.Shot("table-count-question", true);
    tour.Then([&] { Find<QAbstractButton>(&frame.CountDialog(), "bbtn_ok")->click(); });
    tour.When([&] { return balloon("OK!"); }, [] {});
    tour.Shot("table-count-verdict");

    // The Record screen with a record played elsewhere (the soak), and the chart page that its
    // costliest mistake opens.
    if (!record.isEmpty()) {
        tour.When([&] { return !table->state().roundActive; },
                  [&] {
                      frame.ShowScreen(ScreenId::ProMenu);
                      const QString path =
                          QString::fromStdString(session.installation.progress.record);
                      QFile::remove(path);
                      if (!QFile::copy(record, path))
                          std::fprintf(stderr, "cannot copy %s\n", qPrintable(record));
                      button("bbtn_record")->click();
                  });
        tour.Shot("record");
        tour.Then([&] {
            auto* mistakes = Find<QListWidget>(frame.CurrentScreen(), "lst_mistakes");
            if (mistakes->count() > 0) emit mistakes->itemClicked(mistakes->item(0));
        });
        tour.Shot("record-chart-page");
    }

    // The drills, recorded from here on: a strategy card asked and answered, then half a deck
    // counted down at 0.3 s a card; the Record screen then sums them up.
    const auto shown = [&frame](const char* name) {
        auto* widget = Find<QWidget>(frame.CurrentScreen(), name);
        return widget && widget->isVisible();
    };
    tour.Then([&] {
        if (!session.recorder) StartRecording(session);
        frame.ShowScreen(ScreenId::Record);
        button("bbtn_drill")->click();
    });
    tour.When([&] { return button("bbtn_hit") && button("bbtn_hit")->isEnabled(); }, [] {});
    tour.Shot("drill-strategy-question");
    tour.Then([&] { button("bbtn_stand")->click(); });
    tour.When(
        [&] {
            auto* value = Find<QLabel>(frame.CurrentScreen(), "l_evstand");
            return shown("l_pmsg") && !value->text().contains(QChar(0x2026));
        },
        [] {});
    tour.Pause(600);
    tour.Shot("drill-strategy-verdict");
    tour.Then([&] {
        button("bbtn_back")->click();
        button("bbtn_countdown")->click();
        button("bbtn_halfdeck")->click();
        button("bbtn_pace03")->click();
    });
    tour.Shot("drill-countdown-choices");
    tour.Then([&] { button("bbtn_start")->click(); });
    tour.When([&] { return Find<QLabel>(frame.CurrentScreen(), "l_dealt")->text() == "5/26"; },
              [] {});
    tour.Shot("drill-countdown-dealing");
    tour.When([&] { return QApplication::activeModalWidget() == &frame.CountDialog(); },
              [&] {
                  const auto* countdown = static_cast<Tf_countdown*>(frame.CurrentScreen());
                  Find<QLineEdit>(&frame.CountDialog(), "e_cp")
                      ->setText(QString::number(countdown->shoe().runningCount));
              });
    tour.Pause(300);
    tour.Shot("drill-countdown-question", true);
    tour.Then([&] { Find<QAbstractButton>(&frame.CountDialog(), "bbtn_ok")->click(); });
    tour.Pause(300);
    tour.Shot("drill-countdown-result");
    tour.Then([&] { button("bbtn_back")->click(); });
    tour.Pause(300);
    tour.Shot("record-after-drills");

    tour.Run();
    return QApplication::exec();
}
