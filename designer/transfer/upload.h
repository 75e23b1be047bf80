#pragma once
// Collecting the terminal's records into a text file: the host asks with
// "READ\r", checks each numbered record and acknowledges it, until "OVER\r".
#include <functional>
#include <string_view>

#include "designer/link/connection.h"
#include "designer/transfer/transfer_context.h"

namespace transfer {

enum class UploadEnd {
    Completed,        // the terminal sent "OVER\r"
    NotConnected,     // no "ACK\r" to the requests
    TimedOut,         // a record did not come after ten refusals
    RefusedTooOften,  // the same record was refused ten times in a row
    StoreFailed,      // a record could not be written
    Stopped,          // the user cancelled
};

struct RecordsReceived {
    UploadEnd end = UploadEnd::NotConnected;
    int stored = 0;
};

// Stores one record's data; false when it could not be kept (the record is
// then not acknowledged).
using RecordStore = std::function<bool(std::string_view data)>;

// The protocol, from the request to "OVER\r" or a failure (whose message it
// shows), telling its steps on the connection's progress window.
RecordsReceived ReceiveRecords(TransferContext& context, termlink::Connection& connection, const RecordStore& store);

struct UploadResult {
    // The number of records stored, 0 when none, -1 when the upload failed
    // after it started, -2 when the data file was not created, -3 when the
    // port was not prepared.
    int code = 0;
    bool completed = false;  // the terminal sent all it had
};

// The designer's "Receive Data": asks for the data file, makes sure it can be
// written before anything is asked of the terminal, receives into a
// temporary file beside it and puts it in place once a record is stored, then
// offers to open it. Cancel on the progress window ends it within a moment
// and keeps the records acknowledged so far.
UploadResult ReceiveData(TransferContext& context, bool withCradle);

}  // namespace transfer
