#include "soak_run.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vantrel::soak {

namespace {

constexpr int kChunkSeconds = 60;
// A chunk that has not ended this long after its time is hung.
constexpr int kHangGraceSeconds = 120;
constexpr int kFaultLinesPrinted = 10;
constexpr int kCrashLinesPrinted = 15;

struct ChunkOutcome {
    bool crashed = true;
    QString how;
    int rounds = 0;
    int violations = 0;
    QString played;      // what the student got to do
    QStringList faults;  // the child's "violation:" lines
    QStringList lastLines;
};

// The lines of a child's output; a line repeated at once is kept once.
QStringList Lines(const QByteArray& bytes) {
    QStringList lines;
    for (const QString& line : QString::fromLocal8Bit(bytes).split('\n', Qt::SkipEmptyParts))
        if (lines.isEmpty() || lines.last() != line) lines.append(line);
    return lines;
}

ChunkOutcome RunChild(std::uint32_t seed, int seconds, double timeScale) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--chunk", QString::number(seconds), "--seed", QString::number(seed),
                 "--time-scale", QString::number(timeScale)});

    ChunkOutcome outcome;
    if (!child.waitForStarted()) {
        outcome.how = "could not be started: " + child.errorString();
        return outcome;
    }
    if (!child.waitForFinished((seconds + kHangGraceSeconds) * 1000)) {
        child.kill();
        child.waitForFinished();
        outcome.how = "hung and was killed";
    }
    const QStringList output = Lines(child.readAllStandardOutput());
    static const QRegularExpression summary(R"(^chunk: rounds=(\d+) violations=(\d+)$)");
    bool summarised = false;
    for (const QString& line : output) {
        if (line.startsWith("violation: ")) outcome.faults.append(line);
        if (line.startsWith("played: ")) outcome.played = line.mid(8);
        const QRegularExpressionMatch match = summary.match(line);
        if (!match.hasMatch()) continue;
        summarised = true;
        outcome.rounds = match.captured(1).toInt();
        outcome.violations = match.captured(2).toInt();
    }
    outcome.lastLines = output + Lines(child.readAllStandardError());
    if (outcome.how.isEmpty()) {
        if (child.exitStatus() == QProcess::CrashExit)
            outcome.how = "crashed (signal)";
        else if (child.exitCode() != 0 || !summarised)
            outcome.how = QString("ended abnormally (exit code %1)").arg(child.exitCode());
        else
            outcome.crashed = false;
    }
    return outcome;
}

}  // namespace

int RunSoak(const SoakOptions& options) {
    std::printf(
        "soak: seed %u; %g minute(s) in chunks of up to %d s; waits at %g of their length\n",
        options.seed, options.minutes, kChunkSeconds, options.timeScale);
    std::fflush(stdout);
    const long long totalSeconds = std::max(1LL, std::llround(options.minutes * 60));
    int rounds = 0;
    int crashes = 0;
    int violations = 0;
    int faultLines = 0;
    long long played = 0;
    for (std::uint32_t chunk = 0; played < totalSeconds; ++chunk) {
        const int seconds =
            static_cast<int>(std::min<long long>(kChunkSeconds, totalSeconds - played));
        const std::uint32_t seed = options.seed + chunk;
        const ChunkOutcome outcome = RunChild(seed, seconds, options.timeScale);
        played += seconds;
        rounds += outcome.rounds;
        violations += outcome.violations;
        for (const QString& fault : outcome.faults)
            if (faultLines++ < kFaultLinesPrinted) std::printf("  %s\n", qPrintable(fault));
        if (outcome.crashed) {
            ++crashes;
            std::printf("chunk %u, seed %u: %s; its last output:\n", chunk + 1, seed,
                        qPrintable(outcome.how));
            for (const QString& line : outcome.lastLines.mid(
                     std::max<qsizetype>(0, outcome.lastLines.size() - kCrashLinesPrinted)))
                std::printf("  | %s\n", qPrintable(line));
        } else {
            std::printf("chunk %u, seed %u: rounds=%d violations=%d; %s\n", chunk + 1, seed,
                        outcome.rounds, outcome.violations, qPrintable(outcome.played));
        }
        std::fflush(stdout);
    }
    if (violations > 0 || crashes > 0)
        std::printf(
            "replay a chunk with: vantrel-soak --chunk SECONDS --seed SEED (in the data "
            "directory)\n");
    std::printf("soak: rounds=%d crashes=%d violations=%d\n", rounds, crashes, violations);
    return crashes > 0 || violations > 0 ? 1 : 0;
}

}  // namespace vantrel::soak
