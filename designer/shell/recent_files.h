#pragma once
// The recent-files list of the pop-up menu: at most four paths, most recent first.
#include <string>
#include <vector>

namespace shell {

// The list after `path` was saved or read: `path` first, the others after it
// in their previous order, its old copy dropped, at most four entries.
std::vector<std::string> WithRecentFile(const std::vector<std::string>& list, const std::string& path);

// The menu text of entry `number` (1 to 4): "&n:  " and the path, or for a
// path over 40 characters its first 15, "..." and its last 22. Characters,
// not bytes: a POSIX path is UTF-8 and must not be cut inside a character.
std::string RecentMenuText(int number, const std::string& path);

}  // namespace shell
