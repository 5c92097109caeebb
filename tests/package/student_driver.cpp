// The student in a run of the real, installed program, which loads this with LD_PRELOAD. It finds
// screens and buttons by their object names, as the screen tests do in-process, clicks "Good
// luck!", "I agree and enter." and "Good bye!" (or, with STUDENT=leaves, "Good bye!" on the first
// screen, before anything is saved), and says on standard output which screen came to
// the front, every message box ("box TEXT", answered with OK: a file of the course it could not
// read), and "stuck on SCREEN" after 20 seconds without a step, when it ends the program.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTimer>
#include <cstdio>
#include <span>

namespace {

struct Step {
    const char* screen;
    const char* button;
};
constexpr Step kEnrols[] = {
    {"Tf_main", "bbtn_goodluck"}, {"Tf_first", "bbtn_ok"}, {"Tf_menu", "bbtn_goodbye"}};
constexpr Step kLeaves[] = {{"Tf_main", "bbtn_goodbye"}};

std::span<const Step> Plan() {
    return qgetenv("STUDENT") == "leaves" ? std::span<const Step>(kLeaves)
                                          : std::span<const Step>(kEnrols);
}

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QWidget* FrontScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != "Tf_mdi") continue;
        if (auto* stack = window->findChild<QStackedWidget*>()) return stack->currentWidget();
    }
    return nullptr;
}

class Student : public QObject {
  public:
    Student() : QObject(qApp) {
        idle_.start();
        connect(&timer_, &QTimer::timeout, this, &Student::Look);
        timer_.start(50);
    }

  private:
    void Look() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Say("box " + box->text());
            box->accept();
            return;
        }
        QWidget* front = FrontScreen();
        const QString name = front ? front->objectName() : QString("nothing");
        if (next_ == steps_.size() || name != steps_[next_].screen) {
            if (idle_.elapsed() > 20000) {
                Say("stuck on " + name);
                QCoreApplication::exit(3);
            }
            return;
        }
        Say("front " + name);
        auto* button = front->findChild<QAbstractButton*>(steps_[next_++].button);
        if (button) QTimer::singleShot(0, button, &QAbstractButton::click);
        idle_.restart();
    }

    QTimer timer_;
    QElapsedTimer idle_;
    const std::span<const Step> steps_ = Plan();
    std::size_t next_ = 0;
};

// Called as the program's application object is built; the student starts once its loop runs.
void Enrol() {
    QMetaObject::invokeMethod(
        qApp, [] { new Student; }, Qt::QueuedConnection);
}
Q_COREAPP_STARTUP_FUNCTION(Enrol)

}  // namespace
