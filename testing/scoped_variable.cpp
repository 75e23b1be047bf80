#include "testing/scoped_variable.h"

#include <cstdlib>

namespace test_support {

ScopedVariable::ScopedVariable(std::string name, const char* value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    SetVariable(name_, value);
}

ScopedVariable::~ScopedVariable() { SetVariable(name_, old_ ? old_->c_str() : nullptr); }

}  // namespace test_support
