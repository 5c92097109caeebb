#pragma once

#include <optional>
#include <vector>

#include "engine/chart_cell.h"
#include "ui/screen.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace vantrel {

namespace record {
class RecordReader;
}

// The student's record: a summary per lesson, the mistakes by chart cell with what they cost,
// the exams as skill beside luck and a plot of the share of right answers per visit. Choosing a
// mistake opens the page of "Basic Strategy" that shows its part of the chart. The drills open
// from here, and their results are summed up at the foot.
class Tf_record : public Screen {
    Q_OBJECT
  public:
    Tf_record(Session& session, Tf_mdi& mdi);

    void FormShow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowRecord(const record::RecordReader& reader);
    void ShowSentence(const QString& sentence);
    // Page 1: the lessons and the mistakes; page 2: the exams and the progress plot; 0: neither.
    void ShowPage(int page);
    void ShowLessons(const record::RecordReader& reader);
    // Which chart the right and wrong come from, for the decks in force.
    void ShowJudging();
    void ShowMistakes(const record::RecordReader& reader);
    void ShowExams(const record::RecordReader& reader);
    void ShowProgress(const record::RecordReader& reader);
    void lst_mistakesClick(QListWidgetItem* item);
    void bbtn_menuClick();

    // The course menu that opened the screen: 1 General, 2 Professional. A chart page opened
    // from here comes back to this screen, which then still returns to that menu.
    int returnMenu_ = 1;
    int page_ = 0;
    QLabel* l_empty_;
    QListWidget* lst_lessons_;
    QListWidget* lst_mistakes_;
    QListWidget* lst_exams_;
    QLabel* img_progress_;
    QLabel* l_judging_;
    QLabel* l_drills_;
    // The chart part of each row of lst_mistakes; none for an insurance choice, which has no page.
    std::vector<std::optional<ChartPart>> mistakeParts_;
};

}  // namespace vantrel
