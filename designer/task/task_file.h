#pragma once
// The task file (*.UZX): the blocks of the task one after another behind a
// 10-byte signature, then 100 zero bytes. Readers also accept files of
// earlier revisions of this layout and the older 7xx layout.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "designer/task/defaults.h"
#include "designer/task/task_model.h"

namespace task {

constexpr std::size_t kTaskFileSize = 18954;
constexpr std::size_t kTaskBodyEnd = 18854;  // after WeightCodeSettings; the zero tail is never read

// File offsets of the blocks.
namespace file {
constexpr std::size_t kSignature = 0;
constexpr std::size_t kReserved = 10;
constexpr std::size_t kBarcode = 12;
constexpr std::size_t kMenus = 35;
constexpr std::size_t kForms = 3535;
constexpr std::size_t kLookups = 15685;
constexpr std::size_t kTexts = 16051;
constexpr std::size_t kTerminal = 18519;
constexpr std::size_t kStartup = 18574;
constexpr std::size_t kWeightCode = 18842;
}  // namespace file

// Always kTaskFileSize bytes.
std::vector<std::uint8_t> EncodeTaskFile(const TaskModel& model);

enum class ReadStatus { Ok, CannotOpen, FormatMismatch, TooShort };

struct ReadResult {
    ReadStatus status = ReadStatus::CannotOpen;
    bool upgraded = false;     // an earlier layout revision was brought up to date: warn the user
    bool olderLayout = false;  // a 7xx file was converted: it has no path of its own now
};

// Decodes a whole file's bytes into `out`. `out` is assigned only when the
// whole layout was there; otherwise it is left exactly as it was.
ReadResult DecodeTaskFile(const std::vector<std::uint8_t>& bytes, const DefaultTexts& texts, TaskModel& out);

// The bytes of the file at `path` a reader looks at (at most kTaskBodyEnd);
// false when it cannot be opened or read.
bool ReadTaskFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Reads the file at `path` with DecodeTaskFile.
ReadResult ReadTaskFile(const std::string& path, const DefaultTexts& texts, TaskModel& out);

struct WriteResult {
    bool ok = false;
    std::string error;  // what failed; empty on success
};

// Writes the task safely: on any failure the file at `path` is left as it was.
WriteResult WriteTaskFile(const std::string& path, const TaskModel& model);

// The path with ".UZX" appended unless it already ends in that extension
// (in any mix of cases).
std::string WithTaskExtension(std::string path);

}  // namespace task
