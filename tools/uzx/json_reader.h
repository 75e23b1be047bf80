#pragma once
// A strict reader of the JSON that uzx writes, for the tests: objects keep
// their member order, numbers are whole numbers. Anything that is not JSON
// makes Parse return nothing.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace uzx::testing {

struct Json {
    enum class Kind { Object, Array, Number, Text, Literal };
    Kind kind = Kind::Literal;
    long number = 0;
    std::string text;  // UTF-8; for a literal its word (true, false, null)
    std::vector<std::pair<std::string, Json>> members;
    std::vector<Json> items;

    // The member `name`; fails the test's lookup with an empty literal when absent.
    const Json& operator[](const std::string& name) const {
        static const Json kMissing;
        for (const auto& [key, value] : members) {
            if (key == name) return value;
        }
        return kMissing;
    }
    const Json& operator[](std::size_t index) const {
        static const Json kMissing;
        return index < items.size() ? items[index] : kMissing;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& member : members) names.push_back(member.first);
        return names;
    }
};

class JsonReader {
public:
    static std::optional<Json> Parse(std::string_view text) {
        JsonReader reader(text);
        Json value;
        if (!reader.Value(value)) return std::nullopt;
        reader.Space();
        if (reader.at_ != text.size()) return std::nullopt;
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void Space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    bool Peek(char c) {
        Space();
        return at_ < text_.size() && text_[at_] == c;
    }

    bool Value(Json& value) {
        Space();
        if (at_ >= text_.size()) return false;
        const char c = text_[at_];
        if (c == '{') return Object(value);
        if (c == '[') return Array(value);
        if (c == '"') {
            value.kind = Json::Kind::Text;
            return String(value.text);
        }
        if (c == '-' || (c >= '0' && c <= '9')) return Number(value);
        for (const std::string_view word : {"true", "false", "null"}) {
            if (text_.substr(at_, word.size()) == word) {
                value.kind = Json::Kind::Literal;
                value.text = word;
                at_ += word.size();
                return true;
            }
        }
        return false;
    }

    bool Object(Json& value) {
        value.kind = Json::Kind::Object;
        Take('{');
        if (Take('}')) return true;
        do {
            std::string name;
            Space();
            if (!String(name) || !Take(':')) return false;
            Json member;
            if (!Value(member)) return false;
            value.members.emplace_back(std::move(name), std::move(member));
        } while (Take(','));
        return Take('}');
    }

    bool Array(Json& value) {
        value.kind = Json::Kind::Array;
        Take('[');
        if (Take(']')) return true;
        do {
            Json item;
            if (!Value(item)) return false;
            value.items.push_back(std::move(item));
        } while (Take(','));
        return Take(']');
    }

    bool Number(Json& value) {
        value.kind = Json::Kind::Number;
        const bool negative = text_[at_] == '-';
        if (negative) ++at_;
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            value.number = value.number * 10 + (text_[at_++] - '0');
        }
        if (at_ == start) return false;
        // A leading zero stands alone.
        if (text_[start] == '0' && at_ - start > 1) return false;
        if (negative) value.number = -value.number;
        return true;
    }

    bool String(std::string& out) {
        if (at_ >= text_.size() || text_[at_] != '"') return false;
        ++at_;
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;  // control characters must be escaped
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at_ >= text_.size()) return false;
            const char e = text_[at_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    unsigned code = 0;
                    for (int digit = 0; digit < 4; ++digit) {
                        if (at_ >= text_.size()) return false;
                        const char h = text_[at_++];
                        const int value = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                        : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
                        if (value < 0) return false;
                        code = code * 16 + static_cast<unsigned>(value);
                    }
                    if (code >= 0x80) return false;  // uzx escapes only control characters
                    out += static_cast<char>(code);
                    break;
                }
                default: return false;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace uzx::testing
