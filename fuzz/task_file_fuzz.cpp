// The designer's task files: the current layout, the "8300-1.00" files with
// their upgrades and the older 7xx layout. A refused file leaves the task as
// it was; an accepted one is written back at the layout's size and reads
// back to the same task, with nothing left to upgrade.
#include <algorithm>

#include "designer/task/task_file.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/new_task.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static const fuzz::NewTask newTask;
    const std::vector<std::uint8_t> file(data, data + size);

    task::TaskModel model = newTask.fresh;
    const task::ReadResult read = task::DecodeTaskFile(file, newTask.defaults, model);
    Require(read.status != task::ReadStatus::CannotOpen, "bytes in memory reported as a file that cannot be opened");
    if (read.status != task::ReadStatus::Ok) {
        Require(model == newTask.fresh, "a refused file changed the task");
        Require(!read.upgraded && !read.olderLayout, "a refused file reported as upgraded or converted");
        return 0;
    }
    Require(!(read.upgraded && read.olderLayout), "a 7xx file reported as an upgraded current one");

    const std::vector<std::uint8_t> written = task::EncodeTaskFile(model);
    Require(written.size() == task::kTaskFileSize, "a task file written at another size");
    Require(std::all_of(written.begin() + task::kTaskBodyEnd, written.end(), [](std::uint8_t b) { return b == 0; }),
            "the tail of a written task file is not zero");

    task::TaskModel again = newTask.fresh;
    const task::ReadResult reread = task::DecodeTaskFile(written, newTask.defaults, again);
    Require(reread.status == task::ReadStatus::Ok, "a written task file is refused");
    Require(!reread.upgraded && !reread.olderLayout, "a written task file needs an upgrade again");
    Require(again == model, "a written task file reads back to another task");
    return 0;
}
