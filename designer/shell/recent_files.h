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
// The text is native bytes, as the path is; an "&" of the path is doubled so
// the menu shows it rather than taking it for a shortcut mark.
std::string RecentMenuText(int number, const std::string& path);

}  // namespace shell
