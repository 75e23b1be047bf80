#include "designer/task/form_view.h"

namespace task {

namespace {
constexpr int kMaxExtensions = 4;
}  // namespace

int ConstFormView::ExtensionsAfter(int line) const {
    int count = 0;
    while (count < kMaxExtensions && line + 1 + count < kFormLines && IsExtension(line + 1 + count)) ++count;
    return count;
}

void FormView::SetDateSeparator(Byte character) const {
    Put(form::kDateSeparator, character);
    Put(form::kDateSeparator + 1, 0);
}

void FormView::SetTimeSeparator(Byte character) const {
    Put(form::kTimeSeparator, character);
    Put(form::kTimeSeparator + 1, 0);
}

}  // namespace task
