#include <cstdlib>

#include "testing/scoped_variable.h"

namespace test_support {

// _putenv_s changes the C runtime's copy, which getenv reads, and the
// process's own; an empty value removes the variable.
void SetVariable(const std::string& name, const char* value) { _putenv_s(name.c_str(), value ? value : ""); }

}  // namespace test_support
