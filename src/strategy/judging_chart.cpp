#include "strategy/judging_chart.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>

#include "engine/shoe.h"
#include "strategy/chart_calculator.h"

namespace vantrel::strategy {

namespace {

constexpr std::string_view kExactLine = "# exact for ";

// Takes a whole number of one or more digits off the front of text.
std::optional<int> TakeNumber(std::string_view& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || text.front() == '-') return {};
    text.remove_prefix(end - text.data());
    return value;
}

bool TakeWord(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word)) return false;
    text.remove_prefix(word.size());
    return true;
}

// "3 to 8 decks" or "1 deck", then the end of the line or anything but a letter.
std::optional<DeckRange> ReadRange(std::string_view text) {
    const std::optional<int> first = TakeNumber(text);
    if (!first) return {};
    std::optional<int> last = first;
    if (TakeWord(text, " to ")) last = TakeNumber(text);
    if (!last || *first < 1 || *last < *first) return {};
    if (!TakeWord(text, " deck")) return {};
    TakeWord(text, "s");
    if (!text.empty() && std::isalpha(static_cast<unsigned char>(text.front()))) return {};
    return DeckRange{*first, *last};
}

}  // namespace

std::optional<DeckRange> ExactDecks(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.starts_with(kExactLine)) continue;
        line.remove_prefix(kExactLine.size());
        if (line.ends_with('\r')) line.remove_suffix(1);
        return ReadRange(line);
    }
    return {};
}

std::string DeckCount(int decks) {
    return std::to_string(decks) + (decks == 1 ? " deck" : " decks");
}

std::string RangeText(const DeckRange& range) {
    if (range.first == range.last) return DeckCount(range.first);
    return std::to_string(range.first) + " to " + DeckCount(range.last);
}

std::string ExactDecksLine(const DeckRange& range) {
    return std::string(kExactLine) + RangeText(range) + ", S17 DAS RSA, peek";
}

ChartFile ParseChartFile(std::string_view bytes) {
    ChartFile file;
    ParseStrategyTable(file.chart, bytes);
    file.exactFor = ExactDecks(bytes);
    return file;
}

ChartFile LoadChartFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return ParseChartFile(bytes);
}

int TableDecks(int deckSetting) {
    return Shoe::PlayableDecks(deckSetting);
}

bool JudgesByComputedChart(const std::optional<DeckRange>& exactFor, int deckSetting) {
    return exactFor && !exactFor->Holds(TableDecks(deckSetting));
}

StrategyTable JudgingChart(const ChartFile& file, int deckSetting) {
    if (!JudgesByComputedChart(file.exactFor, deckSetting)) return file.chart;
    ChartLab lab(TableDecks(deckSetting));
    return ComputeChart(lab).codes;
}

std::shared_future<StrategyTable> JudgingChartFor(const ChartFile& file, int deckSetting,
                                                  DeckFigures& figures) {
    if (JudgesByComputedChart(file.exactFor, deckSetting))
        return figures.BestChart(TableDecks(deckSetting));
    std::promise<StrategyTable> fileChart;
    fileChart.set_value(file.chart);
    return fileChart.get_future().share();
}

}  // namespace vantrel::strategy
