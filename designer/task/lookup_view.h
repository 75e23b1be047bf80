#pragma once
// Typed access to one LookupRecord: the record layout of a lookup file (up
// to eight fields, index 0..7, fixed-length or delimited) and what the
// terminal does with it.
#include "designer/task/record_view.h"
#include "designer/task/task_model.h"

namespace task {

class ConstLookupView : public ConstRecordView<kLookupRecordSize> {
public:
    explicit ConstLookupView(const LookupRecord& record) : ConstRecordView(record) {}

    Byte RecordLength() const { return At(lookup::kRecordLength); }
    Byte FieldCount() const { return At(lookup::kFieldCount); }
    // A lookup file is defined once it has a record length and fields.
    bool IsDefined() const { return RecordLength() != 0 && FieldCount() != 0; }
    Byte KeyField() const { return At(lookup::kKeyField); }
    Byte FieldOffset(int field) const { return At(lookup::kFieldOffsets, field); }  // from 1
    Byte FieldLength(int field) const { return At(lookup::kFieldLengths, field); }
    // 0: fixed-length records; else the delimiter's character code.
    Byte Delimiter() const { return At(lookup::kDelimiter); }
    Byte Uploadable() const { return At(lookup::kUploadable); }
    Byte NoMatchAction() const { return At(lookup::kNoMatchAction); }
    Byte BadRecordAction() const { return At(lookup::kBadRecordAction); }
    Byte ReadOnce() const { return At(lookup::kReadOnce); }
    Byte NegativeRemains() const { return At(lookup::kNegativeRemains); }
    Byte DeleteIfNull() const { return At(lookup::kDeleteIfNull); }
};

class LookupView : public RecordView<ConstLookupView, kLookupRecordSize> {
public:
    explicit LookupView(LookupRecord& record) : RecordView(record) {}

    void SetRecordLength(Byte value) const { Put(lookup::kRecordLength, value); }
    void SetFieldCount(Byte value) const { Put(lookup::kFieldCount, value); }
    void SetKeyField(Byte value) const { Put(lookup::kKeyField, value); }
    void SetFieldOffset(int field, Byte value) const { Put(lookup::kFieldOffsets, field, value); }
    void SetFieldLength(int field, Byte value) const { Put(lookup::kFieldLengths, field, value); }
    void SetDelimiter(Byte value) const { Put(lookup::kDelimiter, value); }
    void SetUploadable(Byte value) const { Put(lookup::kUploadable, value); }
    void SetNoMatchAction(Byte value) const { Put(lookup::kNoMatchAction, value); }
    void SetBadRecordAction(Byte value) const { Put(lookup::kBadRecordAction, value); }
    void SetReadOnce(Byte value) const { Put(lookup::kReadOnce, value); }
    void SetNegativeRemains(Byte value) const { Put(lookup::kNegativeRemains, value); }
    void SetDeleteIfNull(Byte value) const { Put(lookup::kDeleteIfNull, value); }
};

}  // namespace task
