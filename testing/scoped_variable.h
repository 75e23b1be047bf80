#pragma once
// One environment variable set (or cleared) for the life of the object and
// put back as it was afterwards, so a test's settings folder or port map
// does not leak into the next test.
#include <optional>
#include <string>
#include <utility>

namespace test_support {

class ScopedVariable {
public:
    // `value` nullptr clears the variable.
    ScopedVariable(std::string name, const char* value);
    ScopedVariable(std::string name, const std::string& value) : ScopedVariable(std::move(name), value.c_str()) {}
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Sets the variable, or clears it when `value` is nullptr. Windows keeps no
// empty variables: there an empty value clears it too.
void SetVariable(const std::string& name, const char* value);

}  // namespace test_support
