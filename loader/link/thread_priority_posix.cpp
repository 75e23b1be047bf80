// POSIX: the thread's nice value, where the system keeps one per thread
// (Linux). Lowering it needs a privilege most users lack; then nothing
// changes. Elsewhere a nice value belongs to the whole process, which the
// loads of other terminals share, so the thread keeps its priority.
#include "loader/link/thread_priority.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace loader {

#ifdef __linux__
namespace {

constexpr int kHighestNice = -20;

id_t ThisThread() { return static_cast<id_t>(::syscall(SYS_gettid)); }

}  // namespace

RaisedPriority::RaisedPriority() {
    errno = 0;
    saved_ = ::getpriority(PRIO_PROCESS, ThisThread());
    if (errno != 0) return;
    raised_ = ::setpriority(PRIO_PROCESS, ThisThread(), kHighestNice) == 0;
}

RaisedPriority::~RaisedPriority() {
    if (raised_) ::setpriority(PRIO_PROCESS, ThisThread(), saved_);
}
#else
RaisedPriority::RaisedPriority() = default;
RaisedPriority::~RaisedPriority() = default;
#endif

}  // namespace loader
