// Every lecture page's text shows whole in its box: the program is started in the data
// directory and each page is put up by the lecture viewer itself, in the shipped font.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <fstream>
#include <memory>
#include <string>

#include "app/progress_paths.h"
#include "coach/lessons.h"
#include "support/sample_master_figures.h"
#include "support/temp_folder.h"
#include "ui/mdi.h"
#include "ui/screen.h"
#include "ui/session.h"
#include "ui/startup.h"

namespace vantrel {
namespace {

class PageFit : public testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(QString::fromStdString(VANTREL_DATA_DIR));
        session_.installation.progress = ProgressPathsAt(settings_ / "vantrel.INI");
        frame_ = StartUp(session_);
    }
    void TearDown() override {
        frame_.reset();
        QDir::setCurrent(savedDir_);
    }

    // The screen in front once the frame has brought it up and laid it out.
    QWidget* Show(ScreenId id) {
        frame_->ShowScreen(id);
        QCoreApplication::processEvents();
        return frame_->CurrentScreen();
    }

    Session session_;

  private:
    QString savedDir_ = QDir::currentPath();
    TempFolder settings_;
    std::unique_ptr<Tf_mdi> frame_;
};

QPlainTextEdit* Memo(QWidget* screen, const char* name) {
    return screen->findChild<QPlainTextEdit*>(name);
}

// A line longer than the box is broken where the text has no break of its own. The box lays out
// only the lines it has needed so far, so each line is laid out before it is looked at.
void ExpectNoLineWraps(const QPlainTextEdit* memo, const std::string& where) {
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(memo->document()->documentLayout());
    ASSERT_NE(layout, nullptr);
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        EXPECT_EQ(block.layout()->lineCount(), 1) << where << ": " << block.text().toStdString();
    }
}

// Saves what the screen in front shows when VANTREL_SHOTS names a folder, for looking at pages.
void SaveShot(QWidget* screen, const std::string& name) {
    const QString folder = qEnvironmentVariable("VANTREL_SHOTS");
    if (folder.isEmpty()) return;
    screen->window()->grab().save(folder + "/" + QString::fromStdString(name) + ".png");
}

// The sample figures, or for pictures of the real thing the lab's figures file that
// VANTREL_MASTER_FIGURES names (vantrel-lab master --out FILE).
std::shared_ptr<const strategy::MasterFigures> MasterFiguresToShow() {
    const QString path = qEnvironmentVariable("VANTREL_MASTER_FIGURES");
    if (!path.isEmpty()) {
        std::ifstream file(path.toStdString());
        if (auto figures = strategy::ReadMasterFigures(file))
            return std::make_shared<strategy::MasterFigures>(*figures);
        ADD_FAILURE() << "no figures in " << path.toStdString();
    }
    return std::make_shared<strategy::MasterFigures>(testing_support::SampleMasterFigures());
}

TEST_F(PageFit, EveryLecturePageShowsItsTextWithoutScrolling) {
    for (const char* code : {"NL1", "NL2", "NL3", "NL4", "NL5", "NL6", "PL1", "PL2", "PL3", "ML2",
                             "ML3", "ML5", "ML6"}) {
        const LessonInfo& lesson = *FindLesson(code);
        for (int page : {1, 99}) {
            if (page == 99 && !lesson.hasTable) continue;
            session_.lesson = {
                .lessonCode = code, .lecturePage = page, .lessonHasTable = lesson.hasTable};
            QWidget* viewer = Show(ScreenId::Lecture);
            auto* next = viewer->findChild<QAbstractButton*>("bbtn_next");
            while (true) {
                QCoreApplication::processEvents();
                const std::string where =
                    std::string(code) + " page " + std::to_string(session_.lesson.lecturePage);
                const QPlainTextEdit* memo = Memo(viewer, "m_lecture");
                ASSERT_FALSE(memo->toPlainText().isEmpty()) << where;
                EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << where << " needs scrolling";
                ExpectNoLineWraps(memo, where);
                if (lesson.hasTable || next->text() == "Finish") break;
                next->click();
            }
        }
    }
}

// The Master Course's pages, both before the figures are known and with them filled in.
TEST_F(PageFit, MasterLecturePagesFitWithTheirFiguresAndWhileTheyAreWorkedOut) {
    for (const bool known : {false, true}) {
        session_.masterFigures = known ? MasterFiguresToShow() : nullptr;
        for (const char* code : {"ML1", "ML4"}) {
            session_.lesson = {.lessonCode = code, .lecturePage = 1, .lessonHasTable = false};
            QWidget* viewer = Show(ScreenId::Lecture);
            auto* next = viewer->findChild<QAbstractButton*>("bbtn_next");
            while (true) {
                QCoreApplication::processEvents();
                const int page = session_.lesson.lecturePage;
                const std::string where = std::string(code) + " page " + std::to_string(page) +
                                          (known ? "" : " (figures being worked out)");
                const QPlainTextEdit* memo = Memo(viewer, "m_lecture");
                ASSERT_FALSE(memo->toPlainText().isEmpty()) << where;
                EXPECT_FALSE(memo->toPlainText().contains('{')) << where;
                EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << where << " needs scrolling";
                ExpectNoLineWraps(memo, where);
                if (known)
                    SaveShot(viewer,
                             "master-" + std::string(code) + "-page" + std::to_string(page));
                else if (page == 3)
                    SaveShot(viewer, "master-" + std::string(code) + "-page3-being-worked-out");
                if (next->text() == "Finish") break;
                next->click();
            }
        }
    }
}

// The index drill in the shipped data directory: switched on by the figures, a true count shown.
TEST_F(PageFit, TheIndexDrillShowsItsTrueCount) {
    session_.masterFigures = MasterFiguresToShow();
    QWidget* drill = Show(ScreenId::Drill);
    auto* index = drill->findChild<QAbstractButton*>("bbtn_index");
    ASSERT_TRUE(index->isEnabled());
    index->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(drill->findChild<QLabel*>("l_truecount")->text().startsWith("TRUE "));
    drill->findChild<QAbstractButton*>("bbtn_stand")->click();
    QCoreApplication::processEvents();
    SaveShot(drill, "master-index-drill");
}

// The introduction may scroll, but what agreeing means is on its first screen, whole.
TEST_F(PageFit, TheIntroductionExplainsItsButtonOnItsFirstScreen) {
    QPlainTextEdit* memo = Memo(Show(ScreenId::First), "m_first");
    ExpectNoLineWraps(memo, "first.txt");
    const QString text = memo->toPlainText();
    const int mention = text.indexOf(QStringLiteral("\"I agree and enter.\""));
    ASSERT_GE(mention, 0);
    QTextCursor paragraphEnd(memo->document());
    const int blank = text.indexOf(QStringLiteral("\n\n"), mention);
    paragraphEnd.setPosition(blank < 0 ? text.size() : blank);
    EXPECT_LE(memo->cursorRect(paragraphEnd).bottom(), memo->viewport()->height())
        << "the paragraph about the button runs past the first screen";
}

}  // namespace
}  // namespace vantrel
