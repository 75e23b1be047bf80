#pragma once
// Plays the terminal at the far end of an in-memory pair for protocol tests:
// every host write is answered at once with what `answer` returns.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "testing/memory_link.h"

namespace test_support {

class TestTerminal {
public:
    explicit TestTerminal(MemoryLinkPair& pair) : pair_(pair) {
        pair_.host().onWrite = [this](const std::vector<std::uint8_t>& bytes) {
            if (answer) pair_.far().Write(answer(std::string(bytes.begin(), bytes.end())));
        };
    }

    std::function<std::string(const std::string& written)> answer;

    // What the host wrote, one entry a write.
    std::vector<std::string> Writes() const {
        std::vector<std::string> all;
        for (const auto& w : pair_.host().writes) all.emplace_back(w.begin(), w.end());
        return all;
    }
    int CountWrites(const std::string& frame) const {
        const auto all = Writes();
        return static_cast<int>(std::count(all.begin(), all.end(), frame));
    }
    int Count(MemoryLink::Op op) const {
        const auto& ops = pair_.host().ops;
        return static_cast<int>(std::count(ops.begin(), ops.end(), op));
    }
    void ClearWrites() { pair_.host().writes.clear(); }

private:
    MemoryLinkPair& pair_;
};

}  // namespace test_support
