#include "loader/command_line.h"

#include <array>
#include <cctype>
#include <charconv>

#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"

namespace loader {
namespace {

constexpr std::array<std::string_view, 5> kSpeeds = {"115200", "57600", "38400", "19200", "9600"};

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A whole decimal number, signed, with nothing but spaces around it. The
// loader once kept only the number's low byte, so a link type of 256 passed
// for 0: the whole number is what counts.
std::optional<int> WholeNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

ParsedCommandLine FormatError() { return {CommandLineVerdict::FormatError, {}}; }

}  // namespace

std::optional<int> SpeedIndexOfRate(std::string_view rate) {
    for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
        if (rate == kSpeeds[i]) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string_view LoadExtensionOf(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

TaskKind TaskKindForLoadButton(std::string_view path) {
    const std::string_view extension = LoadExtensionOf(path);
    for (std::string_view batch : {"UZX", "A85", "uzx", "a85"}) {
        if (extension == batch) return TaskKind::Batch;
    }
    return TaskKind::Radio;
}

TaskKind TaskKindForCommandLine(std::string_view path) {
    const std::string_view extension = LoadExtensionOf(path);
    return EqualsIgnoringCase(extension, "UZX") || EqualsIgnoringCase(extension, "A85") ? TaskKind::Batch
                                                                                          : TaskKind::Radio;
}

ParsedCommandLine ParseCommandLine(std::string_view text) {
    if (text.empty()) return {};
    if (text.find("/?") != std::string_view::npos) return {CommandLineVerdict::Quit, {}};

    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) return FormatError();
    ParsedCommandLine parsed = FormatError();
    parsed.namesTask = true;
    parsed.load.taskPath = std::string(text.substr(0, first));
    parsed.load.kind = TaskKindForCommandLine(parsed.load.taskPath);

    const std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos) return parsed;
    const std::size_t third = text.find(',', second + 1);
    if (third == std::string_view::npos) return parsed;
    const auto speed = SpeedIndexOfRate(text.substr(first + 1, second - first - 1));
    const auto port = WholeNumber(text.substr(second + 1, third - second - 1));
    const auto link = WholeNumber(text.substr(third + 1));
    if (!speed || !port || *port < 1 || !link || (*link != 0 && *link != 1)) return parsed;

    parsed.verdict = CommandLineVerdict::Load;
    parsed.load.target = {*speed, *port, *link};
    return parsed;
}

bool AskToContinueAfterFormatError(common::UiPort& ui) {
    return ui.AskYesNo(LoaderText(ids::kErrorCaption), LoaderText(ids::kCommandLineFormat),
                       common::MessageIcon::Question) == common::Answer::Yes;
}

}  // namespace loader
