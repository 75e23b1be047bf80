#pragma once
// The ids of the loader's Russian string table (resources/strings_loader_ru.txt).
// Ids up to 41 are the loader's historic table; from 42 on they are its own
// numbers for texts it always showed without one.
namespace loader::ids {

// Load page: the open dialog's filters, description and pattern.
constexpr int kFilterSupported = 1;
constexpr int kFilterBatch = 2;
constexpr int kFilterRadio = 3;
constexpr int kFilter8500 = 4;
constexpr int kPatternSupported = 6;
constexpr int kPatternBatch = 7;
constexpr int kPatternRadio = 8;
constexpr int kPattern8500 = 9;

// Load page: link types and speeds, in list order.
constexpr int kLinkSerial = 12;
constexpr int kLinkCradle = 13;
constexpr int kSpeed115200 = 19;
constexpr int kSpeed57600 = 20;
constexpr int kSpeed38400 = 21;
constexpr int kSpeed19200 = 22;
constexpr int kSpeed9600 = 23;

// Download and command line.
constexpr int kErrorCaption = 24;
constexpr int kLineSettingsRefused = 25;
constexpr int kRetryQuestion = 26;
constexpr int kCradleSetupFailed = 27;
constexpr int kPortOpenFailed = 28;
constexpr int kDownloadFailed = 29;
constexpr int kTerminalNotReady = 31;
constexpr int kUnknownFormatCaption = 33;
constexpr int kFirmwareMismatch = 34;
constexpr int kLoadCaption = 35;
constexpr int kLoadComplete = 36;
constexpr int kFileOpenFailed = 37;  // the path follows
constexpr int kNoFileChosen = 38;
constexpr int kAttentionCaption = 39;
constexpr int kCommandLineFormat = 40;
constexpr int kMemoryFull = 41;

// Main form and load page.
constexpr int kMainFormTitle = 42;
constexpr int kLoadTab = 43;
constexpr int kConvertTab = 44;
constexpr int kFileGroup = 45;
constexpr int kOpenButton = 46;
constexpr int kSettingsGroup = 47;
constexpr int kLinkLabel = 48;
constexpr int kPortLabel = 49;
constexpr int kSpeedLabel = 50;
constexpr int kFindCradleButton = 51;
constexpr int kCradleSearchBanner = 52;
constexpr int kLoadButton = 53;
constexpr int kExitButton = 54;

// Reading task files: the caption and texts of the readers' messages; the
// texts hold "%s" for the path.
constexpr int kReaderCaption = 55;
constexpr int kFileMissing = 56;
constexpr int kVersionUnsupported = 57;
constexpr int kFileTooShort = 58;
constexpr int kFileTooLarge = 59;

// Convert page.
constexpr int kConvertCaption = 60;  // also the page's group box
constexpr int kSourceLabel = 61;
constexpr int kNoFileYet = 62;  // both file fields until a file is chosen
constexpr int kBrowseButton = 63;
constexpr int kDestinationLabel = 64;
constexpr int kTargetLabel = 65;
constexpr int kTarget80xx = 66;  // the target list, in list order
constexpr int kTarget83xx = 67;
constexpr int kTarget85xx = 68;
constexpr int kTarget84xx = 69;
constexpr int kConvertButton = 70;
// The source chooser's filters, description and pattern; the destination
// chooser offers the last one alone.
constexpr int kFilterA85 = 71;
constexpr int kPatternA85 = 72;
constexpr int kFilterUzx = 73;
constexpr int kPatternUzx = 74;
constexpr int kFilterAtf = 75;
constexpr int kPatternAtf = 76;
constexpr int kFilterAll = 77;
constexpr int kPatternAll = 78;
constexpr int kSaveTitle = 79;
constexpr int kNoSourceChosen = 80;
constexpr int kNoDestinationChosen = 81;
constexpr int kCannotReadOrWrite = 82;
constexpr int kConverted = 83;
constexpr int kUnknownFileKind = 84;

// Download progress window.
constexpr int kTransferCaption = 90;
constexpr int kTransferLabel = 91;

// Cradle search.
constexpr int kCradleNotFound = 95;
constexpr int kCradleFoundCaption = 96;
constexpr int kCradleFoundOnPort = 97;  // the port number follows
constexpr int kApplySettingsQuestion = 98;

// The settings file.
constexpr int kSettingsNotSaved = 99;

}  // namespace loader::ids
