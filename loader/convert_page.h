#pragma once
// The convert page without its widgets: the two file fields, the target
// list and the three commands, talking to the user through the UI port. The
// loader's window and `uzx convert` both drive it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ui_port.h"
#include "loader/batch_task.h"

namespace loader {

enum class FileKind { Batch, Radio, Unknown };

// The text after the last '.' of `path`; the whole path when it has none.
std::string ExtensionOf(const std::string& path);

// By the extension exactly as written: "UZX", "A85", "uzx" and "a85" are batch
// tasks, "ATF" and "atf" radio tasks; any other spelling is unknown.
FileKind ConvertKindOf(const std::string& path);

// Beside the source, named <name>_convert.<extension>: the name up to its
// first '.', the extension after its last, so a.b.UZX proposes a_convert.UZX.
std::string ProposedDestination(const std::string& source);

// One entry of the target list.
struct ConvertTarget {
    int captionId;                 // "модель 84xx"
    BatchModel model;              // what a batch task is written for
    std::string_view radioPrefix;  // what a radio task's first four bytes become
};

// The list in its order: 80xx, 83xx, 85xx, 84xx. The 84xx entry stands for the
// 8200, 8400, 8600 and 8700, which all take the same file.
const std::vector<ConvertTarget>& ConvertTargets();

// What a conversion did, for a caller that reports it.
struct ConvertOutcome {
    bool converted = false;           // "Файл сконвертирован" was shown
    FileKind kind = FileKind::Unknown;
    std::optional<BatchTask> source;  // a batch task as read
    std::vector<Byte> sourceBytes;    // a radio task's file as read
    std::vector<Byte> written;        // the destination's new content
};

class ConvertPage {
public:
    // Choosers open in `programFolder`.
    ConvertPage(common::UiPort& ui, std::string programFolder);

    // The chosen paths; a field without one shows "Откройте файл".
    const std::optional<std::string>& Source() const { return source_; }
    const std::optional<std::string>& Destination() const { return destination_; }
    int TargetPosition() const { return target_; }

    // A chosen source also proposes its destination.
    void SetSource(const std::string& path);
    void SetDestination(const std::string& path);
    void SelectTarget(int position);  // 0..3; others are ignored

    void ChooseSource();       // "Обзор" beside the source
    void ChooseDestination();  // "Обзор" beside the destination

    // "Конвертировать": reads the whole source, builds the new file in memory
    // and replaces the destination safely. Every outcome is told to the user
    // under "Конвертация"; on failure the destination stays as it was.
    ConvertOutcome Convert();

private:
    void ShowError(const std::string& text);
    bool WriteDestination(const std::vector<Byte>& bytes);
    ConvertOutcome ConvertRadio();
    ConvertOutcome ConvertBatch();

    common::UiPort& ui_;
    std::string programFolder_;
    std::optional<std::string> source_;
    std::optional<std::string> destination_;
    int target_ = 0;
};

}  // namespace loader
