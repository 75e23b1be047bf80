#pragma once
// Helpers shared by the task tests.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"

namespace task::testing {

inline const DefaultTexts& EnglishDefaults() {
    static const DefaultTexts texts = [] {
        text::StringTable strings = strings::MakeStringTable();
        return LoadDefaultTexts(strings);
    }();
    return texts;
}

// A new task in the built-in English texts, as the designer makes it at
// start. The one way every test gets a new task.
inline TaskModel FreshTask() {
    TaskModel model;
    MakeNewTask(model, EnglishDefaults());
    return model;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace task::testing
