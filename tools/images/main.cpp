// vantrel-images: draws every bitmap of the course into the data directory's img folder, each also
// at twice the pixels for screens of twice the density, or the program's desktop icon into an icon
// theme folder.
//
//   vantrel-images --chart data/bs4bj.dat build/data
//   vantrel-images --icons build/packaging/hicolor org.vantrel.vantrel
//
// The strategy chart pictures are drawn from the chart file itself, so the lectures always
// show what the table judges by.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app/data_paths.h"
#include "art_style.h"
#include "coach/strategy_table.h"
#include "course_bitmaps.h"
#include "icon_art.h"

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

// The sizes that panels, menus and docks ask for; anything else scales the scalable icon.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kScalableGrid = 256;

bool DrawScalableIcon(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kScalableGrid, kScalableGrid));
    svg.setViewBox(QRect(0, 0, kScalableGrid, kScalableGrid));
    svg.setTitle(QStringLiteral("Vantrel"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    vantrel::art::PaintIcon(painter, kScalableGrid);
    return painter.end();
}

int DrawIcons(const QString& themeDir, const QString& name) {
    int failures = 0;
    const auto check = [&failures](bool drawn, const QString& path) {
        if (drawn) return;
        std::fprintf(stderr, "vantrel-images: cannot write %s\n", qPrintable(path));
        ++failures;
    };
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        const QString path = folder + "/" + name + ".png";
        check(QDir().mkpath(folder) && vantrel::art::IconImage(size).save(path, "PNG"), path);
    }
    const QString folder = themeDir + QStringLiteral("/scalable/apps");
    const QString path = folder + "/" + name + ".svg";
    check(QDir().mkpath(folder) && DrawScalableIcon(path), path);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws the course bitmaps as BMP files, each also at twice the pixels as PNG."));
    parser.addHelpOption();
    const QCommandLineOption chartOption(QStringLiteral("chart"),
                                         QStringLiteral("The basic-strategy chart to draw."),
                                         QStringLiteral("file"));
    parser.addOption(chartOption);
    const QCommandLineOption iconsOption(
        QStringLiteral("icons"), QStringLiteral("Draw the desktop icon into an icon theme folder."),
        QStringLiteral("theme-dir"));
    parser.addOption(iconsOption);
    parser.addPositionalArgument(
        QStringLiteral("data-dir|icon-name"),
        QStringLiteral(
            "The data directory, whose img folder gets the bitmaps; or the icon's name."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 ||
        parser.isSet(chartOption) == parser.isSet(iconsOption)) {
        std::fprintf(stderr,
                     "usage: vantrel-images --chart FILE DATA-DIR\n"
                     "       vantrel-images --icons THEME-DIR ICON-NAME\n");
        return 2;
    }
    if (parser.isSet(iconsOption))
        return DrawIcons(parser.value(iconsOption), parser.positionalArguments().front());
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
    const auto save = [&failures](const QImage& image, const std::string& path) {
        if (image.save(QString::fromStdString(path))) return;
        std::fprintf(stderr, "vantrel-images: cannot write %s\n", path.c_str());
        ++failures;
    };
    for (const auto& bitmap : vantrel::art::CourseBitmaps(dataDir.toStdString(), chart)) {
        save(bitmap.draw(1), bitmap.path);
        save(bitmap.draw(2), vantrel::DoubleSizePath(bitmap.path));
    }
    return failures == 0 ? 0 : 1;
}
