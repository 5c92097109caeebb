#include "ui/master_figures_request.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QTimer>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <mutex>
#include <optional>
#include <sstream>
#include <system_error>
#include <thread>

#include "app/whole_file.h"
#include "sim/master_figures_lab.h"
#include "strategy/judging_chart.h"
#include "ui/judging.h"
#include "ui/session.h"

namespace vantrel {

// Gets the figures of one shoe on a thread of its own and hands them to the session on the
// user-interface thread. Going, it stops the work and waits for its thread, which hears the stop
// within a few hundredths of a second.
class MasterFiguresWork {
  public:
    MasterFiguresWork(Session& session, int decks, int penetration)
        : decks(decks), penetration(penetration), session_(session) {
        const std::string& settingsFile = session.installation.progress.settings;
        const std::string kept = settingsFile.empty()
                                     ? std::string()
                                     : KeptMasterFiguresPath(settingsFile, decks, penetration);
        const std::string shipped =
            session.appDir + "/" + MasterFiguresFileName(decks, penetration);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Deliver(); });
        poll_.start(100);
        thread_ = std::jthread([this, chart = JudgingChartFor(session, decks), kept, shipped] {
            Run(chart, kept, shipped);
        });
    }
    ~MasterFiguresWork() {
        stop_ = true;
        thread_.join();
    }
    MasterFiguresWork(const MasterFiguresWork&) = delete;
    MasterFiguresWork& operator=(const MasterFiguresWork&) = delete;

    const int decks;
    const int penetration;

    bool Failed() const { return failed_; }
    double Done() const { return done_; }

  private:
    void Run(const std::shared_future<StrategyTable>& chartFuture, const std::string& kept,
             const std::string& shipped);
    void Finish(std::shared_ptr<const strategy::MasterFigures> figures);
    void Deliver();

    Session& session_;
    QTimer poll_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> failed_ = false;
    std::atomic<double> done_ = 0.0;
    std::mutex mutex_;
    std::shared_ptr<const strategy::MasterFigures> result_;  // under mutex_
    std::jthread thread_;
};

namespace {

// Kept only where the progress already lives: an installed copy makes its folder at the first
// save, not before.
void Keep(const std::string& path, const strategy::MasterFigures& figures) {
    std::error_code error;
    if (path.empty() ||
        !std::filesystem::is_directory(std::filesystem::path(path).parent_path(), error))
        return;
    std::ostringstream text;
    strategy::WriteMasterFigures(text, figures);
    ReplaceWholeFile(path, [&text](std::string) { return text.str(); });  // at worst, not kept
}

// The work runs below the screens: the table's waits stay on time while it goes on.
void LowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);  // its threads inherit it
}

}  // namespace

void MasterFiguresWork::Run(const std::shared_future<StrategyTable>& chartFuture,
                            const std::string& kept, const std::string& shipped) {
    LowerThisThreadsPriority();
    try {
        const StrategyTable chart = chartFuture.get();
        const std::uint64_t fingerprint = strategy::ChartFingerprint(chart);
        for (const std::string& path : {kept, shipped}) {
            if (auto figures =
                    strategy::ReadMasterFiguresFile(path, decks, penetration, fingerprint)) {
                Finish(std::make_shared<const strategy::MasterFigures>(std::move(*figures)));
                return;
            }
        }
        lab::MasterFiguresSettings settings;
        settings.decks = decks;
        settings.penetration = penetration;
        settings.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        settings.stop = &stop_;
        settings.progress = [this](std::string_view, double done) { done_ = done; };
        std::optional<strategy::MasterFigures> figures = lab::ComputeMasterFigures(chart, settings);
        if (!figures) return;  // stopped
        Keep(kept, *figures);
        Finish(std::make_shared<const strategy::MasterFigures>(std::move(*figures)));
    } catch (...) {
        // Out of memory or threads: the wait text says so rather than waiting for ever.
        failed_ = true;
    }
}

void MasterFiguresWork::Finish(std::shared_ptr<const strategy::MasterFigures> figures) {
    const std::lock_guard lock(mutex_);
    result_ = std::move(figures);
}

void MasterFiguresWork::Deliver() {
    std::shared_ptr<const strategy::MasterFigures> figures;
    {
        const std::lock_guard lock(mutex_);
        figures = result_;
    }
    if (failed_) poll_.stop();
    if (!figures) return;
    poll_.stop();
    const Settings& settings = session_.settings;
    if (decks == strategy::TableDecks(settings.DECK) && penetration == settings.PLAYPER)
        session_.masterFigures = std::move(figures);
}

std::string MasterFiguresFileName(int decks, int penetration) {
    return "master-" + std::to_string(decks) + "-" + std::to_string(penetration) + ".txt";
}

std::string KeptMasterFiguresPath(const std::string& settingsFile, int decks, int penetration) {
    std::filesystem::path path(settingsFile);
    path.replace_extension();
    return path.string() + "." + MasterFiguresFileName(decks, penetration);
}

bool MasterFiguresReady(const Session& session) {
    const strategy::MasterFigures* figures = session.masterFigures.get();
    return figures && figures->decks == strategy::TableDecks(session.settings.DECK) &&
           figures->penetration == session.settings.PLAYPER;
}

void RequestMasterFigures(Session& session) {
    if (MasterFiguresReady(session)) return;
    session.masterFigures.reset();
    const int decks = strategy::TableDecks(session.settings.DECK);
    const int penetration = session.settings.PLAYPER;
    const std::shared_ptr<MasterFiguresWork>& work = session.masterFiguresWork;
    if (work && work->decks == decks && work->penetration == penetration) return;
    session.masterFiguresWork.reset();  // stops the work for other settings
    try {
        session.masterFiguresWork =
            std::make_shared<MasterFiguresWork>(session, decks, penetration);
    } catch (const std::system_error&) {
        // No thread to be had: the wait text says the figures could not be worked out.
    }
}

std::string MasterFiguresWaitText(const Session& session) {
    if (MasterFiguresReady(session)) return {};
    const MasterFiguresWork* work = session.masterFiguresWork.get();
    if (!work || work->Failed()) return "The figures could not be worked out.";
    const int percent = static_cast<int>(std::lround(100.0 * work->Done()));
    return "Working out the figures\u2026 " + std::to_string(percent) + " %";
}

}  // namespace vantrel
