// The course content as the program will find it in the data directory.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <string>

#include "app/data_paths.h"
#include "coach/lessons.h"
#include "engine/card.h"

namespace vantrel {
namespace {

const std::string kDataDir = VANTREL_DATA_DIR;

bool Exists(const std::string& path) {
    return QFile::exists(QString::fromStdString(path));
}

QImage Load(const std::string& path) {
    return QImage(QString::fromStdString(path));
}

// Page numbers of every text or bitmap file of a lesson found in the data directory.
QSet<int> PagesOnDisk(const std::string& code) {
    QSet<int> pages;
    const QString prefix = QString::fromStdString(code);
    for (const char* folder : {"/doc", "/img"}) {
        const QDir dir(QString::fromStdString(kDataDir + folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            const QString stem = name.section('.', 0, 0);
            bool isNumber = false;
            const int page = stem.mid(prefix.size()).toInt(&isNumber);
            if (stem.startsWith(prefix) && stem.size() == prefix.size() + 2 && isNumber)
                pages.insert(page);
        }
    }
    return pages;
}

// The pages a lecture viewer walks through: 1, 2, ... up to the first missing text.
int LecturePageCount(const std::string& code) {
    int pages = 0;
    while (Exists(LectureTextPath(kDataDir, code, pages + 1))) ++pages;
    return pages;
}

void ExpectPageComplete(const std::string& code, int page) {
    SCOPED_TRACE(code + " page " + std::to_string(page));
    EXPECT_TRUE(Exists(LectureTextPath(kDataDir, code, page)));
    const QImage picture = Load(LectureBitmapPath(kDataDir, code, page));
    ASSERT_FALSE(picture.isNull()) << LectureBitmapPath(kDataDir, code, page);
    EXPECT_LE(picture.width(), 600);
    EXPECT_LE(picture.height(), 248);
    // Read out to a student who cannot see it: at least its heading.
    QFile words(QString::fromStdString(PictureWordsPath(LectureBitmapPath(kDataDir, code, page))));
    ASSERT_TRUE(words.open(QIODevice::ReadOnly)) << words.fileName().toStdString();
    EXPECT_FALSE(words.readAll().trimmed().isEmpty());
}

class LessonContent : public testing::TestWithParam<const char*> {};

TEST_P(LessonContent, HasEveryPageTheViewerShows) {
    const LessonInfo* lesson = FindLesson(GetParam());
    ASSERT_NE(lesson, nullptr);
    const std::string code(lesson->code);
    if (lesson->hasTable) {
        // A table lesson shows page 1 before the table and page 99 after it, nothing else.
        ExpectPageComplete(code, 1);
        ExpectPageComplete(code, 99);
        EXPECT_EQ(PagesOnDisk(code), (QSet<int>{1, 99}));
    } else {
        const int pages = LecturePageCount(code);
        EXPECT_GE(pages, 2);
        for (int page = 1; page <= pages; ++page) ExpectPageComplete(code, page);
        // A page after a gap would never be shown.
        for (int page : PagesOnDisk(code)) EXPECT_LE(page, pages) << code << " page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, LessonContent,
                         testing::Values("NL1", "NL2", "NL3", "NL4", "NL5", "NL6", "PL1", "PL2",
                                         "PL3", "ML1", "ML2", "ML3", "ML4", "ML5", "ML6"),
                         [](const auto& info) { return std::string(info.param); });

// Every face loads in the slots' shape, no two faces are alike, and number cards are inked in
// their suit's colour: a strong red for hearts and diamonds, none for spades and clubs.
TEST(CardBitmaps, EveryFaceAndTheBackLoadAndShowTheirCard) {
    QSet<QByteArray> faces;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const std::string path = CardFacePath(kDataDir, Card{suit, rank}.code());
            const QImage face = Load(path).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(face.isNull()) << path;
            EXPECT_EQ(face.width() * 4, face.height() * 3) << path;
            faces.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()),
                                    static_cast<int>(face.sizeInBytes())));
            if (rank > 10) continue;
            int red = 0;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x) {
                    const QColor c = face.pixelColor(x, y);
                    if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++red;
                }
            if (suit == 2 || suit == 4)
                EXPECT_GT(red, 100) << path;
            else
                EXPECT_EQ(red, 0) << path;
        }
    EXPECT_EQ(faces.size(), 52);
    const QImage back = Load(CardBackPath(kDataDir));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.width() * 4, back.height() * 3);
}

TEST(OtherFiles, ChipsAreSquareTheTitleFillsItsPlaceAndTheChartIsThere) {
    for (int value : {5, 25, 100}) {
        const QImage chip = Load(ChipBitmapPath(kDataDir, value));
        ASSERT_FALSE(chip.isNull()) << value;
        EXPECT_EQ(chip.width(), chip.height()) << value;
    }
    const QImage title = Load(TitleBitmapPath(kDataDir));
    ASSERT_FALSE(title.isNull());
    EXPECT_EQ(title.size(), QSize(600, 365));
    EXPECT_TRUE(Exists(StrategyChartPath(kDataDir)));
}

// Every text file the program shows, with its name.
QStringList TextFiles() {
    const QDir doc(QString::fromStdString(kDataDir + "/doc"));
    QStringList files = doc.entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (QString& file : files) file = doc.filePath(file);
    return files;
}

// How the texts fit their boxes is checked in the viewer itself (page_fit_test.cpp).
TEST(Texts, ArePlainAsciiLines) {
    const QStringList files = TextFiles();
    ASSERT_TRUE(files.contains(QString::fromStdString(IntroductionTextPath(kDataDir))));
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.endsWith('\n'));
        for (const char byte : bytes) {
            const auto c = static_cast<unsigned char>(byte);
            EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c);
        }
    }
}

}  // namespace
}  // namespace vantrel
