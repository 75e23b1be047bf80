#pragma once
// String ids of the texts the transfers show.
namespace transfer::msg {

constexpr int kErrorCaption = 1121;
constexpr int kWarningCaption = 1122;
constexpr int kDownloadCaption = 1123;

constexpr int kDownloadedCompletely = 1132;
constexpr int kNoDataReceived = 1134;
constexpr int kTimeOut = 1144;
constexpr int kTerminalNotReady = 1145;
constexpr int kMemoryFull = 1146;
constexpr int kLookupLineTooLong = 1147;      // "%d": the line number
constexpr int kRecordsSavedBeforeFailure = 1148;  // "%d": the records kept
constexpr int kRecordRefusedTooOften = 1149;
constexpr int kCannotOpenFile = 1161;
constexpr int kCannotOpenPort = 1162;
constexpr int kCannotConfigureIrUpload = 1163;
constexpr int kFailedToConnect = 1165;
constexpr int kRetryQuestion = 1166;
constexpr int kFailedToConfigureIr = 1167;
constexpr int kErrorOnDownloading = 1168;
constexpr int kErrorOnCommState = 1169;
constexpr int kFileCreateFailed = 1170;
constexpr int kVersionIncompatible = 1325;

// Texts with no string-table entry: a loaded language's slot, else the literal.
constexpr int kProgressCaption = 1138;
constexpr int kProgressLabel = 1139;
constexpr int kUploadDoneBefore = 1135;  // the text before the count
constexpr int kUploadDoneAfter = 1136;   // the text after it
constexpr int kCounterLabel = 1137;

}  // namespace transfer::msg
