#include <cstdlib>

#include "testing/scoped_variable.h"

namespace test_support {

void SetVariable(const std::string& name, const char* value) {
    if (value) {
        setenv(name.c_str(), value, 1);
    } else {
        unsetenv(name.c_str());
    }
}

}  // namespace test_support
