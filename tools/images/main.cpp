// vantrel-images: draws every bitmap of the course into the data directory's img folder.
//
//   vantrel-images --chart data/bs4bj.dat build/data
//
// The strategy chart pictures are drawn from the chart file itself, so the lectures always
// show what the table judges by.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "art_style.h"
#include "coach/strategy_table.h"
#include "course_bitmaps.h"

namespace {

bool ChartHasCells(const vantrel::StrategyTable& chart) {
    auto anyCell = [](const auto& table) {
        for (const auto& row : table)
            for (int code : row)
                if (code != 0) return true;
        return false;
    };
    return anyCell(chart.hard) || anyCell(chart.soft) || anyCell(chart.pair);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the course bitmaps as BMP files."));
    parser.addHelpOption();
    const QCommandLineOption chartOption(QStringLiteral("chart"),
                                         QStringLiteral("The basic-strategy chart to draw."),
                                         QStringLiteral("file"));
    parser.addOption(chartOption);
    parser.addPositionalArgument(
        QStringLiteral("data-dir"),
        QStringLiteral("The data directory; bitmaps go to its img folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(chartOption)) {
        std::fprintf(stderr, "usage: vantrel-images --chart FILE DATA-DIR\n");
        return 2;
    }
    const QString dataDir = parser.positionalArguments().front();

    if (!vantrel::art::FontsAvailable())
        std::fprintf(stderr,
                     "vantrel-images: warning: the IPA Gothic fonts are missing "
                     "(Debian package fonts-ipafont-gothic); texts will look different\n");

    vantrel::StrategyTable chart;
    vantrel::LoadStrategyTable(chart, parser.value(chartOption).toStdString());
    if (!ChartHasCells(chart)) {
        std::fprintf(stderr, "vantrel-images: no strategy chart in %s\n",
                     qPrintable(parser.value(chartOption)));
        return 1;
    }

    if (!QDir().mkpath(dataDir + QStringLiteral("/img"))) {
        std::fprintf(stderr, "vantrel-images: cannot create %s/img\n", qPrintable(dataDir));
        return 1;
    }
    int failures = 0;
    for (const auto& bitmap : vantrel::art::CourseBitmaps(dataDir.toStdString(), chart)) {
        if (!bitmap.draw().save(QString::fromStdString(bitmap.path), "BMP")) {
            std::fprintf(stderr, "vantrel-images: cannot write %s\n", bitmap.path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
