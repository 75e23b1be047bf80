// The decoder vterm uses to store a received image as a task file. Any
// 20000 bytes decode to a task whose file the designer reads, and whose
// image, decoded and written again, is the same image.
#include <algorithm>

#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_file.h"
#include "designer/transfer/terminal_image.h"
#include "designer/transfer/terminal_image_decode.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static text::StringTable strings = strings::MakeStringTable();
    static const task::DefaultTexts defaults = task::LoadDefaultTexts(strings);
    transfer::TerminalImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());

    const task::TaskModel received = transfer::DecodeTerminalImage(image);
    task::TaskModel stored;
    const task::ReadResult read = task::DecodeTaskFile(task::EncodeTaskFile(received), defaults, stored);
    Require(read.status == task::ReadStatus::Ok, "a received task is stored as a file the designer refuses");

    const transfer::TerminalImage again = transfer::WriteImage(received);
    Require(transfer::WriteImage(transfer::DecodeTerminalImage(again)) == again,
            "an image written from a received task does not survive decoding");
    return 0;
}
