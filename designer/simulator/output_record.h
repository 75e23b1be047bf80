#pragma once
// The record a completed form produces: its field values with the record
// field separators, prefixes, suffixes, fixed lengths and the date/time stamp.
// The simulator shows it on the pass-down lines of the next form.
#include <array>
#include <cstddef>
#include <string>

#include "designer/simulator/form_fields.h"
#include "designer/simulator/local_time.h"

namespace simulator {

constexpr std::size_t kOutputRecordCapacity = 404;

// The one or two record field separators of the task's start-up settings
// (a zero separator is left out).
std::string RecordSeparators(const task::TaskModel& model);

// `inputs` holds each line's typed input. At most kOutputRecordCapacity characters.
std::string BuildOutputRecord(const FormFields& form, const std::array<std::string, task::kFormLines>& inputs,
                              const std::string& separators, const CivilTime& now);

}  // namespace simulator
