#include "common/file_calls.h"

namespace common {
namespace {

FileCalls* active = nullptr;

}  // namespace

FileCalls& ActiveFileCalls() { return active ? *active : SystemFileCalls(); }

FileCallsOverride::FileCallsOverride(FileCalls& calls) : previous_(active) { active = &calls; }

FileCallsOverride::~FileCallsOverride() { active = previous_; }

}  // namespace common
