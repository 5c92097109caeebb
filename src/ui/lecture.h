#pragma once

#include <string>

#include "ui/screen.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace vantrel::strategy {
struct MasterFigures;
}

namespace vantrel {

// The lecture viewer: pages of a picture above a text, paged through, and for a lesson that
// ends at the table its first page with "Start" and its closing page with "Finish".
class Tf_lecture : public Screen {
    Q_OBJECT
  public:
    Tf_lecture(Session& session, Tf_mdi& mdi);

    void FormShow() override;

    // Shows page of lesson code: number, picture, text, then whether a next page follows.
    void ShowLecturePage(const std::string& code, int page);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool PageKey(const QKeyEvent& key);
    void bbtn_backClick();
    void bbtn_nextClick();
    void bbtn_menuClick();
    bool OpenProfessionalCourse();
    void ShowFigures(const strategy::MasterFigures* figures, bool waitsForFigures);

    QLabel* l_no_;
    QLabel* img_lecture_;
    QPlainTextEdit* m_lecture_;
    QPushButton* bbtn_back_;
    QPushButton* bbtn_menu_;
    QPushButton* bbtn_next_;
    QTimer* figuresWait_;
};

}  // namespace vantrel
