#pragma once
// What the loader remembers from one run to the next: the task file it last
// loaded and the way it reached the terminal, in TARVEL.ini. The file holds
// the four values in this order, each ended by a carriage return alone.
#include <string>
#include <string_view>

namespace loader {

struct LoaderSettings {
    static constexpr std::size_t kMaxPathLength = 260;
    static constexpr std::size_t kMaxFileSize = 1299;

    std::string lastTaskPath = "Unknow";  // a native path; "Unknow" before the first load
    int linkType = 1;                     // 0 RS-232\Serial-SPP, 1 Cradle-IR
    int portNumber = 1;                   // COM<n>
    int speedIndex = 0;                   // 0..4: 115200, 57600, 38400, 19200, 9600 bit/s
};

// The exact bytes of the file: "path\rlink\rport\rspeed\r". A path longer
// than the file may hold is written as "Unknow", so the file always fits.
std::string FormatLoaderSettings(const LoaderSettings& settings);

// The values the file's bytes hold. Carriage returns and line feeds both end
// a value and several in a row count as one, so a file edited by hand reads
// as meant; the link type and the speed are the digit each value starts
// with. A missing value, or one out of range (a link type other than 0 or 1,
// a speed above 4, a port below 1, a path over 260 characters), takes its
// default. Bytes beyond the file's largest size are not read.
LoaderSettings ParseLoaderSettings(std::string_view content);

// TARVEL.ini in the folder the loader keeps its settings in:
// - $TARVEL_SETTINGS_DIR when it is set;
// - else the program's folder when it already holds the file or this user
//   may create files in it (a portable install; Windows);
// - else the settings folder the designer uses, so an install the user may
//   not write to still remembers its settings.
std::string LoaderSettingsPath(const std::string& programFolder);

// The defaults when the file cannot be read. Returns whether any bytes were read.
bool ReadLoaderSettings(const std::string& path, LoaderSettings& settings);

// Replaces the file safely (the folder is made when missing): a failed write
// leaves the old file as it was. Returns whether the file was written.
bool WriteLoaderSettings(const std::string& path, const LoaderSettings& settings);

}  // namespace loader
