#include "strategy/master_text.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace vantrel::strategy {

namespace {

std::string Format(const char* pattern, double value) {
    char text[48];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

double EdgeAt(const MasterFigures& figures, int trueCount) {
    const CountShare* row = CountRow(figures, trueCount);
    return row ? row->edgeAsPaid : 0.0;
}

int FirstRaise(const MasterFigures& figures) {
    return figures.ramp.empty() ? 0 : figures.ramp.front().first;
}

const IndexNumber* TopPlay(const MasterFigures& figures) {
    for (const IndexNumber& number : figures.indices)
        if (!number.IsInsurance()) return &number;
    return nullptr;
}

const IndexNumber* Insurance(const MasterFigures& figures) {
    for (const IndexNumber& number : figures.indices)
        if (number.IsInsurance()) return &number;
    return nullptr;
}

// The true count from which the chart's flat bet wins, as this table pays.
std::string EdgeTurns(const MasterFigures& figures) {
    for (const CountShare& row : figures.byCount)
        if (row.edgeAsPaid > 0) return "true " + SignedCount(row.trueCount);
    return "no count";
}

// What one point of true count adds to the edge, averaged over the rows that hold one count each.
double EdgeStep(const MasterFigures& figures) {
    const auto& rows = figures.byCount;
    if (rows.size() < 4) return 0.0;
    const CountShare& low = rows[1];
    const CountShare& high = rows[rows.size() - 2];
    if (high.trueCount == low.trueCount) return 0.0;
    return (high.edgeAsPaid - low.edgeAsPaid) / (high.trueCount - low.trueCount);
}

double ShareFrom(const MasterFigures& figures, int trueCount) {
    double share = 0.0;
    for (const CountShare& row : figures.byCount)
        if (row.trueCount >= trueCount) share += row.share;
    return share;
}

// Why the ramp's first raise sits where it does, in the figures' own terms; one line of a page.
// The ramp raises where a raised bet first wins. The table pays blackjack in whole dollars, so an
// even bet of two units or more is paid 3 to 2 in full: its edge is the 3 to 2 one.
std::string FirstRaiseWhy(const MasterFigures& figures) {
    const int first = FirstRaise(figures);
    const auto edge = [&figures](int count) {
        const CountShare* row = CountRow(figures, count);
        return SignedPercent(row ? row->edgeAt3to2 : 0.0);
    };
    return "Raised bets are paid 3 to 2: " + edge(first - 1) + " at " + SignedCount(first - 1) +
           ", " + edge(first) + " at " + SignedCount(first) + ".";
}

std::string RuinBank(const MasterFigures& figures, bool last) {
    if (figures.riskOfRuin.empty()) return "no bankroll";
    const auto& entry = last ? figures.riskOfRuin.back() : figures.riskOfRuin.front();
    return Dollars(double(entry.first) * figures.unitDollars);
}

std::string RuinRisk(const MasterFigures& figures, bool last) {
    if (figures.riskOfRuin.empty()) return "-";
    return Percent(last ? figures.riskOfRuin.back().second : figures.riskOfRuin.front().second);
}

using Filler = std::function<std::string(const MasterFigures&)>;

const std::map<std::string_view, Filler>& Fillers() {
    static const std::map<std::string_view, Filler> fillers = {
        {"decks", [](const auto& f) { return std::to_string(f.decks); }},
        {"cut", [](const auto& f) { return std::to_string(f.penetration); }},
        {"edge0", [](const auto& f) { return SignedPercent(EdgeAt(f, 0)); }},
        {"edge0_3to2",
         [](const auto& f) {
             const CountShare* row = CountRow(f, 0);
             return SignedPercent(row ? row->edgeAt3to2 : 0.0);
         }},
        {"edge_turns", EdgeTurns},
        {"edge_step", [](const auto& f) { return Percent(std::abs(EdgeStep(f))); }},
        {"share0",
         [](const auto& f) {
             const CountShare* row = CountRow(f, 0);
             return Percent(row ? row->share : 0.0);
         }},
        {"first_raise", [](const auto& f) { return SignedCount(FirstRaise(f)); }},
        {"first_raise_why", FirstRaiseWhy},
        {"share_raised", [](const auto& f) { return Percent(ShareFrom(f, FirstRaise(f))); }},
        {"unit", [](const auto& f) { return Dollars(f.unitDollars); }},
        {"top_count",
         [](const auto& f) { return SignedCount(f.ramp.empty() ? 0 : f.ramp.back().first); }},
        {"top_bet",
         [](const auto& f) {
             return Dollars(double(f.ramp.empty() ? 1 : f.ramp.back().second) * f.unitDollars);
         }},
        {"avg_bet", [](const auto& f) { return Dollars(f.averageBet); }},
        {"win100", [](const auto& f) { return Dollars(f.winPer100); }},
        {"sd100", [](const auto& f) { return Dollars(f.sdPer100); }},
        {"index_gain100", [](const auto& f) { return Dollars(f.indexGainPer100); }},
        {"ramp_win100", [](const auto& f) { return Dollars(f.winPer100 - f.indexGainPer100); }},
        {"index_share",
         [](const auto& f) {
             return Percent(f.winPer100 > 0 ? f.indexGainPer100 / f.winPer100 : 0.0);
         }},
        {"ruin_bank_low", [](const auto& f) { return RuinBank(f, false); }},
        {"ruin_low", [](const auto& f) { return RuinRisk(f, false); }},
        {"ruin_bank_high", [](const auto& f) { return RuinBank(f, true); }},
        {"ruin_high", [](const auto& f) { return RuinRisk(f, true); }},
        {"top_play",
         [](const auto& f) {
             const IndexNumber* top = TopPlay(f);
             if (!top) return std::string("none");
             return IndexHand(*top) + ", " + PlayWord(top->play) + " at " + IndexCondition(*top);
         }},
        {"ins_index",
         [](const auto& f) {
             const IndexNumber* insurance = Insurance(f);
             return insurance ? SignedCount(insurance->index) : std::string("-");
         }},
    };
    return fillers;
}

}  // namespace

std::string SignedCount(int count) {
    return count > 0 ? "+" + std::to_string(count) : std::to_string(count);
}

std::string SignedPercent(double fraction) {
    return Format("%+.2f%%", fraction * 100);
}

std::string Percent(double fraction) {
    return Format(fraction < 0.1 ? "%.2f%%" : "%.1f%%", fraction * 100);
}

std::string Dollars(double dollars) {
    const std::string sign = dollars < 0 ? "-" : "";
    const double size = std::abs(dollars);
    const bool whole = size >= 100 || size == std::round(size);
    return sign + (whole ? Format("$%.0f", size) : Format("$%.2f", size));
}

std::string IndexHand(const IndexNumber& number) {
    if (number.IsInsurance()) return "Insurance";
    return number.hand + " v " + (number.up == 1 ? std::string("A") : std::to_string(number.up));
}

std::string PlayWord(char play) {
    switch (play) {
        case 'H':
            return "HIT";
        case 'S':
            return "STAND";
        case 'D':
            return "DOUBLE";
        case 'P':
            return "SPLIT";
        case 'I':
            return "INSURE";
        case '-':
            return "NO INSURANCE";
        default:
            return std::string(1, play);
    }
}

std::string IndexCondition(const IndexNumber& number) {
    return "true " + SignedCount(number.index) + (number.atOrAbove ? " or more" : " or less");
}

std::string IndexReason(const IndexNumber& number) {
    const char basic = number.basic, play = number.play;
    if (number.IsInsurance())
        return "It pays 2 to 1 if a ten is under the ace: worth it once tens are a third of the "
               "cards.";
    if (basic == 'H' && play == 'S' && number.atOrAbove)
        return "With more tens left your hit busts more often, and the dealer busts more too.";
    if (basic == 'S' && play == 'H' && !number.atOrAbove)
        return "With small cards left a hit seldom busts you, and the dealer seldom busts.";
    if (play == 'D' && number.atOrAbove)
        return "More tens left make the one card a double gets a strong one.";
    if (basic == 'D' && !number.atOrAbove)
        return "With small cards left the one card a double gets is too often weak.";
    if (play == 'P' && number.atOrAbove)
        return "Each hand then faces a dealer likelier to bust, with more tens left.";
    if (basic == 'P' && !number.atOrAbove)
        return "With small cards left the split hands draw poorly; keep the pair whole.";
    return number.atOrAbove ? "More tens and aces left make this play worth more than the chart's."
                            : "More small cards left make this play worth more than the chart's.";
}

const CountShare* CountRow(const MasterFigures& figures, int trueCount) {
    const auto& rows = figures.byCount;
    if (rows.empty()) return nullptr;
    if (trueCount <= rows.front().trueCount) return &rows.front();
    if (trueCount >= rows.back().trueCount) return &rows.back();
    for (const CountShare& row : rows)
        if (row.trueCount == trueCount) return &row;
    return nullptr;
}

std::optional<std::string> MasterFigure(std::string_view name, const MasterFigures& figures) {
    const auto& fillers = Fillers();
    const auto filler = fillers.find(name);
    if (filler == fillers.end()) return std::nullopt;
    return filler->second(figures);
}

const std::vector<std::string_view>& MasterFigureNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const auto& [name, filler] : Fillers()) all.push_back(name);
        return all;
    }();
    return names;
}

std::string FillMasterText(std::string_view text, const MasterFigures& figures) {
    std::string filled;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open + 1);
        if (close == std::string_view::npos) break;
        filled.append(text.substr(at, open - at));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const std::optional<std::string> figure = MasterFigure(name, figures);
        filled.append(figure ? *figure : std::string(text.substr(open, close - open + 1)));
        at = close + 1;
    }
    filled.append(text.substr(at));
    return filled;
}

bool HasPlaceholders(std::string_view text) {
    const std::size_t open = text.find('{');
    return open != std::string_view::npos && text.find('}', open) != std::string_view::npos;
}

}  // namespace vantrel::strategy
