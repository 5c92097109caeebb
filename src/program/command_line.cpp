#include "program/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace vantrel {
namespace {

// Options that Qt's windowing takes itself (qt6 -platform, -style, ...): known here, never
// listed, and left in the arguments for the application object.
constexpr const char* kQtValueOptions[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "display",         "geometry",
                                           "qwindowgeometry", "title",
                                           "qwindowtitle",    "style",
                                           "stylesheet",      "session",
                                           "qwindowicon"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int Refuse(const QString& why) {
    std::fprintf(stderr, "vantrel: %s\nTry 'vantrel --help' for the options.\n", qPrintable(why));
    return 2;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    // Parsing needs an application object; the display is opened later, by the real one.
    const QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "A blackjack course: lectures, practice tables and exams.\n"
        "An installed copy keeps your progress in $XDG_CONFIG_HOME/vantrel/ (~/.config/vantrel/\n"
        "by default), a folder made for you alone at the first save; a copy in a folder you may\n"
        "write keeps it beside the program."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    AddQtOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) return Refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Refuse("unexpected argument '" + parser.positionalArguments().first() + "'");
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("vantrel %s\n", VANTREL_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace vantrel
