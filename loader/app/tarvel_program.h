#pragma once
// What Tarvel's entry point puts together, kept apart from main() so the
// tests start the program the same way.
#include <string>
#include <vector>

#include <QStringList>

#include "loader/link/unattended_load.h"

namespace tarvel {

// The program's arguments after its own name, joined by single spaces: the
// text the loader reads its command line from.
std::string CommandLineText(const QStringList& arguments);

// The load page's port list: the names of the designer's port list.
std::vector<std::string> PortNames();

// The program's exit status after a command line ended it: 0 loaded (or
// "/?"), 1 a command line refused, 2 the task file refused, 3 the load failed.
int ExitStatusOf(loader::UnattendedEnd end);

}  // namespace tarvel
