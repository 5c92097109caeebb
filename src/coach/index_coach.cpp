#include "coach/index_coach.h"

#include <chrono>

#include "coach/coach.h"
#include "coach/index_deal.h"

namespace vantrel {

namespace {
// One round in two is dealt to meet an index play, when the shoe allows.
constexpr int kPlacedRoundsOneIn = 2;

char PlayLetter(Action action) {
    constexpr char kLetters[] = "?HSDP";
    return kLetters[static_cast<int>(action)];
}

template <class T>
void DropDone(std::vector<std::shared_future<T>>& running) {
    std::erase_if(running, [](const std::shared_future<T>& work) {
        return work.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
}
}  // namespace

IndexCoach::~IndexCoach() {
    for (const auto& job : jobs_) job.wait();
    for (const auto& line : lines_) line.wait();
}

void IndexCoach::Keep(std::shared_future<EvAnswer> job) {
    DropDone(jobs_);
    jobs_.push_back(std::move(job));
}

void IndexCoach::Keep(std::shared_future<std::string> line) {
    DropDone(lines_);
    lines_.push_back(std::move(line));
}

bool IndexCoach::ShowsVerdicts() const {
    return table_.lesson().lessonMode == LessonMode::IndexQuota;
}

bool IndexCoach::ShowsValues() const {
    return valuesShown_ && ShowsVerdicts() && figures_ && table_.view().ShowsTable();
}

Decision IndexCoach::Rejudged(Decision decision) const {
    const IndexJudgement judgement = JudgeTableHand(chart_, figures_.get(), table_);
    decision.advice = judgement.advice;
    decision.right = judgement.Accepts(decision.action);
    decision.trueCount = SeenTrueCount(table_);
    decision.deviation = judgement.deviation;
    return decision;
}

InsuranceJudgement IndexCoach::JudgedInsurance(bool taken) const {
    return JudgeInsurance(figures_.get(), SeenTrueCount(table_), taken);
}

void IndexCoach::CheckDecision(const Decision& chartDecision) {
    const Decision decision = Rejudged(chartDecision);
    if (TableEvents* events = table_.events()) events->DecisionJudged(decision);
    if (!ShowsVerdicts()) return;
    const IndexJudgement judgement = JudgeTableHand(chart_, figures_.get(), table_);
    const bool deviated = judgement.index && PlayLetter(decision.action) == judgement.index->play;
    const bool indexDecision = judgement.deviation || deviated;
    if (indexDecision && ShowsValues() && ev_.valid()) {
        const int advice = judgement.advice;
        table_.view().ShowEvLine(
            RunAside([ev = ev_, advice] { return EvLineText(ev.get(), advice); }));
    }
    IndexJudgement named = judgement;
    if (!indexDecision) named.index = nullptr;
    Verdict(decision.right, IndexCorrection(named));
}

void IndexCoach::CheckInsurance(bool taken) {
    if (!ShowsVerdicts()) return;
    const InsuranceJudgement judgement = JudgedInsurance(taken);
    if (!judgement.index) return;
    if ((taken || judgement.take) && ShowsValues() && ev_.valid()) {
        const bool takes = judgement.take;
        table_.view().ShowEvLine(
            RunAside([ev = ev_, takes] { return InsuranceEvText(ev.get(), takes); }));
    }
    Verdict(judgement.right, judgement.Correction());
}

void IndexCoach::DecisionAwaited() {
    ev_ = {};
    if (!ShowsValues() || !table_.state().roundActive) return;
    const bool insurance = table_.state().insuranceOpen;
    if (!insurance && !JudgeTableHand(chart_, figures_.get(), table_).index) return;
    ev_ = StartEv(EvQuestionOf(table_));
    Keep(ev_);
}

void IndexCoach::ArrangeDeal() {
    ev_ = {};
    if (!ShowsVerdicts()) return;
    if (table_.view().ShowsTable()) table_.view().ShowEvLine({});
    Shoe& shoe = table_.shoe();
    if (!figures_ || shoe.HasStackedCards()) return;
    if (table_.random().RandomBelow(kPlacedRoundsOneIn) != 0) return;
    const std::vector<Card> cards = IndexSituationDeal(shoe, *figures_, table_.random());
    if (!cards.empty()) shoe.StackCards(cards);
}

void IndexCoach::Verdict(bool right, const std::string& correction) {
    table_.state().quotaLeft += right ? -1 : 1;
    table_.ShowPlayerMessage(VerdictText(right, correction), right ? 500 : 1000);
}

}  // namespace vantrel
