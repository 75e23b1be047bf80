#pragma once
// Checks that a view's accessor reaches the byte its field is stored in.
#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

#include "designer/task/bit_field.h"

namespace task::testing {

// Writes a distinct value through a field's setter on a zeroed record and
// checks that exactly the byte at `offset` took it and that the getter reads
// it back. `index` is the entry of an indexed field.
template <typename View, typename Set, typename Get, typename... Index>
void ExpectReaches(Set set, Get get, std::size_t offset, const char* name, Index... index) {
    typename View::Record record{};
    const View view(record);
    constexpr Byte kValue = 0xA7;
    (view.*set)(index..., kValue);
    for (std::size_t i = 0; i < record.size(); ++i) {
        ASSERT_EQ(record[i], i == offset ? kValue : 0) << name << ": byte " << i;
    }
    EXPECT_EQ((view.*get)(index...), kValue) << name;
}

// A field of a view: its setter and getter, and its offset in the record.
template <typename View, typename ConstView>
struct ViewField {
    const char* name;
    void (View::*set)(Byte) const;
    Byte (ConstView::*get)() const;
    std::size_t offset;
};

// An entry of an array of one-byte entries.
template <typename View, typename ConstView>
struct IndexedViewField {
    const char* name;
    void (View::*set)(int, Byte) const;
    Byte (ConstView::*get)(int) const;
    std::size_t base;
};

template <typename View, typename ConstView>
void ExpectFieldsReach(std::initializer_list<ViewField<View, ConstView>> fields) {
    for (const auto& f : fields) ExpectReaches<View>(f.set, f.get, f.offset, f.name);
}

// Each field is tried at entry `index`.
template <typename View, typename ConstView>
void ExpectFieldsReach(std::initializer_list<IndexedViewField<View, ConstView>> fields, int index) {
    for (const auto& f : fields) ExpectReaches<View>(f.set, f.get, f.base + static_cast<std::size_t>(index), f.name, index);
}

// The offset of a slot inside `record`.
template <typename Record, typename Slot>
std::size_t OffsetIn(const Record& record, Slot slot) {
    return static_cast<std::size_t>(slot.data() - record.data());
}

}  // namespace task::testing
