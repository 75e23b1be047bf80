#pragma once
// File paths are kept as the system's own bytes: the ANSI code page
// (Windows-1251 for our users) on Windows, UTF-8 on POSIX. Message texts are
// Windows-1251, so a path shown in a message goes through here; so does a
// text that is written beside paths into a file of the system's encoding.
#include <cstddef>
#include <string>
#include <vector>

namespace common {

// Where each character of `path` starts: every byte in the ANSI code page,
// the first byte of each UTF-8 sequence on POSIX. Cutting a path at these
// places never splits a character.
std::vector<std::size_t> NativePathCharacterStarts(const std::string& path);

// `path` as Windows-1251 text; characters that code page lacks become '?'.
std::string NativePathToCp1251(const std::string& path);

// A Windows-1251 text in the system's encoding, and back. Both ways are
// exact for every Windows-1251 character. Bytes that are not in the system's
// encoding (a text an earlier version wrote as Windows-1251) come back as
// they are.
std::string Cp1251ToNativeText(const std::string& text);
std::string NativeTextToCp1251(const std::string& text);

}  // namespace common
