#pragma once
// The ground the typed record views stand on. A view is a pointer to a
// record's bytes and nothing else: it copies nothing, so what it reads is
// always what the record holds, and what it writes goes straight in.
//
// Each record has a read-only view (ConstFormView) and a writable one
// (FormView) derived from it, so a FormView serves wherever a ConstFormView
// is asked for. Indices (line 0..7, item 0..9, ...) must be in range.
#include <array>
#include <cstddef>

#include "designer/task/slot_text.h"

namespace task {

template <std::size_t N>
class ConstRecordView {
public:
    using Record = std::array<Byte, N>;

    explicit ConstRecordView(const Record& record) : record_(&record) {}

    const Record& Bytes() const { return *record_; }

protected:
    Byte At(std::size_t offset) const { return (*record_)[offset]; }
    // Entry `index` of an array of one-byte entries at `base`.
    Byte At(std::size_t base, int index) const { return At(base + static_cast<std::size_t>(index)); }
    // Slot `index` of an array of `width`-byte slots at `base`.
    ConstSlot SlotAt(std::size_t base, std::size_t width, int index = 0) const {
        return ConstSlot(record_->data() + base + width * static_cast<std::size_t>(index), width);
    }

private:
    const Record* record_;
};

// `ConstView` is the record's read-only view, a ConstRecordView<N>.
template <typename ConstView, std::size_t N>
class RecordView : public ConstView {
public:
    using Record = std::array<Byte, N>;

    explicit RecordView(Record& record) : ConstView(record) {}

    // Writable: the view was made from writable bytes.
    Record& Bytes() const { return const_cast<Record&>(ConstView::Bytes()); }

protected:
    void Put(std::size_t offset, Byte value) const { Bytes()[offset] = value; }
    void Put(std::size_t base, int index, Byte value) const { Put(base + static_cast<std::size_t>(index), value); }
    Slot WritableSlotAt(std::size_t base, std::size_t width, int index = 0) const {
        return Slot(Bytes().data() + base + width * static_cast<std::size_t>(index), width);
    }
};

}  // namespace task
