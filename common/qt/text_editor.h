#pragma once
// Opening a text file for the user to read: Notepad on Windows, where every
// user has it; the desktop's own opener elsewhere.
#include <QString>

namespace qtui {

// False when no program could be started for it.
bool OpenTextFileForReading(const QString& path);

}  // namespace qtui
