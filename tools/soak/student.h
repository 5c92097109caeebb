#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <random>
#include <string>

class QMessageBox;
class QWidget;

namespace vantrel {
class Tf_cpin;
class Tf_mdi;
class Tf_practical;
}  // namespace vantrel

namespace vantrel::soak {

class TableAudit;

// A student who never tires: clicks chips and BET labels, presses the action buttons and the
// table's keys, drags and double-clicks on the table, leaves by the Menu button now and then and
// comes back through a course menu and a lecture's "Start", and answers every box and count
// question, rightly or wrongly. Its clicks come from a timer, so they also arrive while the table
// waits in a deal, a balloon or the pause after settlement. The audit runs after each of them.
class Student : public QObject {
  public:
    Student(Tf_mdi& frame, Tf_practical& table, TableAudit& audit, std::uint32_t seed);

    void Start();
    // What the student got to do, e.g. "acts=25000 in-waits=9000 visits=12 ... most-hands=3".
    // Between visits it looks at the Record screen now and then, and at a mistake's chart page.
    std::string Summary() const;

  private:
    struct Played {
        int acts = 0;         // clicks and drags on the screens
        int actsInWaits = 0;  // of them, made while the program waited in a nested loop
        int visits = 0;
        int leaves = 0;  // the Menu question answered with OK
        int stays = 0;   // and with Cancel
        int countAnswers = 0;
        int wrongCounts = 0;
        int noChips = 0;      // "no chips" boxes dismissed
        int passes = 0;       // lessons passed: their closing page's "Finish"
        int recordLooks = 0;  // the Record screen opened from a menu
        int mostHands = 1;
    };

    void Tick();
    // One piece of input, run as an event of its own so that the timer keeps ticking while it
    // waits inside the table.
    void Act();
    void AnswerMessageBox(QMessageBox& box);
    void AnswerCountQuestion(Tf_cpin& dialog);
    void PlanCountAnswer();
    void FindTheWayToTheTable(QWidget& screen);
    void PlayAtTable();
    void ClickControl(QWidget& screen, const char* name);
    void Gesture();
    QPoint SurfacePoint(int dx = 0, int dy = 0);
    int Offset();

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    Tf_mdi& frame_;
    Tf_practical& table_;
    TableAudit& audit_;
    std::mt19937 random_;
    QTimer ticks_;
    bool actPosted_ = false;
    int actsRunning_ = 0;        // acts still inside a wait of the table
    std::string lessonWanted_;   // the next lesson to open from the menus
    double menuChance_ = 0.001;  // of pressing Menu, per act at the table in this visit
    QStringList keypad_;         // count-point keys still to press
    Played played_;
};

}  // namespace vantrel::soak
