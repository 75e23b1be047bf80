#include "tools/uzx/document.h"

#include <cstdio>

namespace uzx {
namespace {

std::string Spaces(int indent) { return std::string(static_cast<std::size_t>(indent) * 2, ' '); }

// The JSON string literal of UTF-8 text.
std::string JsonQuoted(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

}  // namespace

Node Node::Number(long value) {
    Node node(Kind::Number);
    node.number_ = value;
    return node;
}

Node Node::Text(std::string utf8) {
    Node node(Kind::Text);
    node.text_ = std::move(utf8);
    return node;
}

Node& Node::Add(const std::string& name, Node value) {
    children_.emplace_back(name, std::move(value));
    return children_.back().second;
}

Node& Node::Push(Node value) { return Add(std::string(), std::move(value)); }

void Node::PrintScalar(std::ostream& out) const {
    if (kind_ == Kind::Number) {
        out << number_;
    } else {
        out << JsonQuoted(text_);
    }
}

void Node::PrintText(std::ostream& out, int indent) const {
    for (std::size_t i = 0; i < children_.size(); ++i) {
        const auto& [name, child] = children_[i];
        out << Spaces(indent) << (kind_ == Kind::Array ? "[" + std::to_string(i + 1) + "]" : name) << ':';
        if (child.IsScalar()) {
            out << ' ';
            child.PrintScalar(out);
            out << '\n';
        } else {
            out << '\n';
            child.PrintText(out, indent + 1);
        }
    }
}

void Node::PrintJson(std::ostream& out, int indent) const {
    if (IsScalar()) {
        PrintScalar(out);
        return;
    }
    const bool object = kind_ == Kind::Object;
    out << (object ? '{' : '[');
    for (std::size_t i = 0; i < children_.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << Spaces(indent + 1);
        if (object) out << JsonQuoted(children_[i].first) << ": ";
        children_[i].second.PrintJson(out, indent + 1);
    }
    if (!children_.empty()) out << '\n' << Spaces(indent);
    out << (object ? '}' : ']');
}

}  // namespace uzx
