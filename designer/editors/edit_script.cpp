#include "designer/editors/edit_script.h"

#include <charconv>

namespace editors {
namespace {

using Kind = ScriptAction::Kind;
using Check = ScriptAction::Check;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the next word: the text up to the next blank (or the end).
std::string_view NextWord(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start])) ++start;
    std::size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

bool ParseNumber(std::string_view word, int& value, int base = 10) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    return error == std::errc() && end == word.data() + word.size() && !word.empty();
}

// A key code: decimal, or hexadecimal after "0x".
bool ParseCode(std::string_view word, int& value) {
    if (word.starts_with("0x") || word.starts_with("0X")) {
        word.remove_prefix(2);
        if (word.starts_with('-') || word.starts_with('+')) return false;
        return ParseNumber(word, value, 16);
    }
    return ParseNumber(word, value) && value >= 0;
}

// The literal text after an id: everything after the one space that follows it.
std::string LiteralRest(std::string_view rest) {
    if (rest.empty()) return {};
    return std::string(rest.substr(1));
}

struct LineParser {
    int line;
    std::string_view rest;
    ScriptAction action;
    std::string error;

    bool Fail(std::string message) {
        error = std::move(message);
        return false;
    }

    bool TakeId() {
        const std::string_view word = NextWord(rest);
        if (!ParseNumber(word, action.id) || action.id < 0) return Fail("a control id is expected");
        return true;
    }

    bool TakeNumber(int minimum) {
        const std::string_view word = NextWord(rest);
        if (!ParseNumber(word, action.number) || action.number < minimum) return Fail("an item number is expected");
        return true;
    }

    bool AtEnd() {
        if (!NextWord(rest).empty()) return Fail("too many words");
        return true;
    }

    bool TakeExpectation() {
        static constexpr std::pair<std::string_view, Check> kStates[] = {
            {"enabled", Check::Enabled}, {"disabled", Check::Disabled},
            {"checked", Check::Checked}, {"unchecked", Check::Unchecked}};
        const std::string_view what = NextWord(rest);
        for (const auto& [name, check] : kStates) {
            if (what == name) {
                action.check = check;
                return AtEnd();
            }
        }
        if (what == "text") {
            action.check = Check::Text;
            action.text = LiteralRest(rest);
            return true;
        }
        if (what == "item") {
            action.check = Check::Item;
            return TakeNumber(-1) && AtEnd();
        }
        return Fail("expect takes enabled, disabled, checked, unchecked, text or item");
    }

    bool Parse() {
        action.line = line;
        const std::string_view verb = NextWord(rest);
        if (verb == "page") {
            action.kind = Kind::Page;
            action.text = std::string(NextWord(rest));
            if (action.text.empty()) return Fail("page takes a template name");
            return AtEnd();
        }
        if (verb == "set") {
            action.kind = Kind::Set;
            if (!TakeId()) return false;
            action.text = LiteralRest(rest);
            return true;
        }
        if (verb == "choose") {
            action.kind = Kind::Choose;
            return TakeId() && TakeNumber(0) && AtEnd();
        }
        if (verb == "click" || verb == "focusout") {
            action.kind = verb == "click" ? Kind::Click : Kind::FocusOut;
            return TakeId() && AtEnd();
        }
        if (verb == "grid") {
            action.kind = Kind::Grid;
            if (!ParseCode(NextWord(rest), action.number)) return Fail("a key code is expected");
            return AtEnd();
        }
        if (verb == "ok" || verb == "cancel") {
            action.kind = verb == "ok" ? Kind::Ok : Kind::Cancel;
            return AtEnd();
        }
        if (verb == "expect") {
            action.kind = Kind::Expect;
            return TakeId() && TakeExpectation();
        }
        if (verb == "file") {
            action.kind = Kind::File;
            action.text = LiteralRest(rest);
            if (action.text.empty()) return Fail("file takes a path");
            return true;
        }
        return Fail("unknown action \"" + std::string(verb) + "\"");
    }
};

}  // namespace

ParsedScript ParseScript(std::string_view text) {
    ParsedScript script;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;

        LineParser parser{number, line.substr(first), {}, {}};
        if (!parser.Parse()) {
            script.actions.clear();
            script.error = ScriptError{number, parser.error};
            return script;
        }
        script.actions.push_back(std::move(parser.action));
    }
    return script;
}

}  // namespace editors
