#include <iostream>

#include "tools/uzx/commands.h"

namespace uzx {

int RunNew(const Args&) { std::cerr << "uzx new: not built yet\n"; return 2; }
int RunUpgrade(const Args&) { std::cerr << "uzx upgrade: not built yet\n"; return 2; }
int RunShow(const Args&) { std::cerr << "uzx show: not built yet\n"; return 2; }

}  // namespace uzx
