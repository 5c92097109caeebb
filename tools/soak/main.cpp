// vantrel-soak: plays the real table screen for minutes with random input and checks it after
// every event (scripts/soak). Run it in the data directory:
//   vantrel-soak [--minutes M] [--seed S] [--time-scale F]
//   vantrel-soak --chunk SECONDS --seed S     one chunk in this process, to replay a fault
//   ... --chunk SECONDS --keep-record FILE    and keep the student's record it made as FILE
// A seed fixes the student's choices, the shoes and the table rules of each chunk. Where a click
// falls among the table's shortened waits depends on timing, so a replay takes the same course
// only as far as the timing agrees.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <random>

#include "chunk.h"
#include "soak_run.h"

namespace {

using namespace vantrel::soak;

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int Usage(const QString& error) {
    std::fprintf(stderr,
                 "vantrel-soak: %s\nusage: vantrel-soak [--minutes M] [--seed S] "
                 "[--time-scale F]\n       vantrel-soak --chunk SECONDS --seed S [--time-scale F] "
                 "[--keep-record FILE]\n",
                 qPrintable(error));
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    const QCommandLineOption minutes("minutes", "Minutes to play (default 1).", "M", "1");
    const QCommandLineOption seed("seed", "Seed of the whole run (default: a random one).", "S");
    const QCommandLineOption timeScale("time-scale", "Waits last F of their length.", "F", "0.01");
    const QCommandLineOption chunk("chunk", "Play one chunk in this process.", "SECONDS");
    const QCommandLineOption keepRecord("keep-record", "Keep the chunk's record as FILE.", "FILE");
    parser.addOptions({minutes, seed, timeScale, chunk, keepRecord});
    if (!parser.parse(Arguments(argc, argv))) return Usage(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) return Usage("unexpected arguments");

    bool ok = true;
    const double scale = parser.value(timeScale).toDouble(&ok);
    if (!ok || scale <= 0 || scale > 1) return Usage("--time-scale takes a number in (0, 1]");
    std::uint32_t runSeed = std::random_device{}();
    if (parser.isSet(seed)) {
        runSeed = parser.value(seed).toUInt(&ok);
        if (!ok) return Usage("--seed takes a whole number from 0 to 4294967295");
    }
    if (!QFileInfo::exists("bs4bj.dat") || !QFileInfo::exists("img"))
        return Usage("run it in the data directory (build/data), where bs4bj.dat and img/ lie");

    if (parser.isSet(chunk)) {
        const int seconds = parser.value(chunk).toInt(&ok);
        if (!ok || seconds < 1) return Usage("--chunk takes a number of seconds");
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return RunChunk({runSeed, seconds, scale, parser.value(keepRecord).toStdString()});
    }
    const double runMinutes = parser.value(minutes).toDouble(&ok);
    if (!ok || runMinutes <= 0) return Usage("--minutes takes a positive number");
    QCoreApplication app(argc, argv);
    return RunSoak({runMinutes, runSeed, scale});
}
