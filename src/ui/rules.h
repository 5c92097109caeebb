#pragma once

#include <QTimer>

#include "ui/screen.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vantrel {

// The Rules screen: the decks, the reshuffle point and the seconds to bet, saved to the settings
// file for the next visit to the table, with the house edge and the plays judged for those decks;
// and the window's size, saved for the next start.
class Tf_rules : public Screen {
    Q_OBJECT
  public:
    Tf_rules(Session& session, Tf_mdi& mdi);

    // Shows the rules in force, as the settings hold them.
    void FormShow() override;

  private:
    void bbtn_saveClick();
    void BackToMenu();
    // Shows the values chosen, and the figures for them as far as they are known.
    void ShowChoices();
    void ShowFigures();
    std::string RulesText();

    int deck_ = 0;
    int playper_ = 0;
    int gamespeed_ = 0;
    ViewScale viewScale_ = ViewScale::Desktop;
    QLabel* l_playper_;
    QLabel* l_gamespeed_;
    QLabel* l_viewnext_;
    QPlainTextEdit* m_rules_;
    // Looks again while the calculator is still working out the figures on screen.
    QTimer figuresPoll_;
};

}  // namespace vantrel
