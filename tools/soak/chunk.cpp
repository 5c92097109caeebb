#include "chunk.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>
#include <string>

#include "app/settings.h"
#include "student.h"
#include "table_audit.h"
#include "ui/delay.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/recording.h"
#include "ui/session.h"
#include "ui/startup.h"

namespace vantrel::soak {

namespace {

template <typename T, std::size_t N>
T Pick(std::mt19937& random, const T (&values)[N]) {
    return values[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// The student's settings file: the Professional Course open, and table rules that vary from
// chunk to chunk (a one-deck shoe reaches its cut every few rounds; a countdown of 0 deals on
// the first tick).
Settings SoakSettings(std::mt19937& random) {
    Settings settings;
    settings.LV = "PL1";
    settings.DECK = Pick(random, {1, 2, 6, 8});
    settings.PLAYPER = Pick(random, {40, 60, 80});
    settings.GAMESPEED = Pick(random, {0, 1, 2, 3});
    return settings;
}

}  // namespace

int RunChunk(const ChunkOptions& options) {
    SetDelayTimeScale(options.timeScale);
    std::mt19937 random(options.seed);

    // Never the student's own settings file: this one is thrown away afterwards.
    QTemporaryDir settingsDir;
    Session session;
    session.installation.progress =
        ProgressPathsAt(settingsDir.filePath("vantrel-soak.INI").toStdString());
    const Settings settings = SoakSettings(random);
    const std::string error = SaveProgress(settings, session.installation.progress);
    if (!error.empty()) {
        std::fprintf(stderr, "vantrel-soak: %s\n", error.c_str());
        return 2;
    }

    // The shoes have a generator of their own, so that the student's choices do not move them.
    std::mt19937 shoeSeeds(options.seed ^ 0x5eedu);
    const std::unique_ptr<Tf_mdi> frame = StartUp(session);
    StartRecording(session);
    auto* screen = frame->findChild<Tf_practical*>();
    Table& table = screen->table();
    table.SetSeedSource([&shoeSeeds] { return static_cast<std::uint32_t>(shoeSeeds()); });

    TableAudit audit(*frame, *screen, session.appDir);
    audit.SetContext("chunk seed " + std::to_string(options.seed) + " (DECK " +
                     std::to_string(settings.DECK) + ", PLAYPER " +
                     std::to_string(settings.PLAYPER) + ", GAMESPEED " +
                     std::to_string(settings.GAMESPEED) + ")");
    table.SetStepObserver([&audit](const Table&) { audit.AfterStep(); });

    Student student(*frame, *screen, audit, static_cast<std::uint32_t>(random()));
    student.Start();
    QTimer::singleShot(options.seconds * 1000, frame.get(), [&frame] { frame->QuitApplication(); });
    QApplication::exec();

    table.SetStepObserver(nullptr);
    session.recorder.reset();  // everything heard is written and the record closed
    if (!options.keepRecord.empty()) {
        const QString kept = QString::fromStdString(options.keepRecord);
        QFile::remove(kept);
        if (!QFile::copy(QString::fromStdString(session.installation.progress.record), kept))
            std::fprintf(stderr, "vantrel-soak: cannot keep the record as %s\n", qPrintable(kept));
    }
    std::printf("played: %s\n", student.Summary().c_str());
    std::printf("chunk: rounds=%d violations=%d\n", audit.roundsSettled(), audit.violations());
    std::fflush(stdout);
    return 0;
}

}  // namespace vantrel::soak
