#pragma once
// A small tree of named values that `uzx show` prints either as indented
// text for people or as JSON for scripts.
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace uzx {

class Node {
public:
    enum class Kind { Object, Array, Number, Text };

    static Node Object() { return Node(Kind::Object); }
    static Node Array() { return Node(Kind::Array); }
    static Node Number(long value);
    static Node Text(std::string utf8);

    // Object members keep their order.
    Node& Add(const std::string& name, Node value);
    Node& Add(const std::string& name, long value) { return Add(name, Number(value)); }
    Node& Push(Node value);

    void PrintText(std::ostream& out, int indent = 0) const;
    void PrintJson(std::ostream& out, int indent = 0) const;

private:
    explicit Node(Kind kind) : kind_(kind) {}
    bool IsScalar() const { return kind_ == Kind::Number || kind_ == Kind::Text; }
    void PrintScalar(std::ostream& out) const;

    Kind kind_;
    long number_ = 0;
    std::string text_;
    std::vector<std::pair<std::string, Node>> children_;  // names are empty in arrays
};

}  // namespace uzx
