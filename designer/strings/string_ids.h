#pragma once
// Every string id the designer's code asks for, named, in one place and
// grouped by what shows the text. The English texts are in
// resources/strings_en.txt; a language file may replace any of them.
//
// Entries marked "direct" are read with StringTable::Direct (captions, titles,
// labels, menu items); the rest with StringTable::Lookup.
//
// Each property-sheet page adds its group in its own range: Form 52-200,
// Menu 202-250, Lookup 252-300, Barcode 302-600, Settings 602-700,
// Startup 2000-2799.
//
// The default texts of the terminal's built-in screens (ids 721-1093 and
// 1741-1755) are numbered by tables: task::kTextTables holds the first id of
// each text table and designer/task/defaults.cpp the ranges of the other
// variants. Those tables register their ranges; only the first ids that code
// names on their own are here.
namespace strings::id {

// --- The program and the property sheet's caption (direct) ---
inline constexpr int kProgramName = 1;  // the caption of the designer's message boxes
inline constexpr int kProductName = 2;  // before " - [ " in the property sheet's caption
inline constexpr int kNewFileName = 3;  // the task's name there while it has none

// --- Preferences dialog (direct) ---
inline constexpr int kPreferencesTitle = 11;
inline constexpr int kDownloadViaLabel = 12;
inline constexpr int kReceiveViaLabel = 13;
inline constexpr int kPortLabel = 14;
inline constexpr int kSpeedLabel = 15;
inline constexpr int kAutoPreloadLabel = 16;
inline constexpr int kAlwaysOnTopLabel = 17;
inline constexpr int kLanguageLabel = 18;
inline constexpr int kDetectCradleButton = 19;
inline constexpr int kOkButton = 1218;
inline constexpr int kCancelButton = 1219;
// Its lists, one id per item from the first, and Detect Cradle's result.
inline constexpr int kFirstLinkTypeName = 1491;  // RS-232, Cradle-IR, IrDA
inline constexpr int kFirstSpeedName = 1501;     // 115200 bps .. 9600 bps
inline constexpr int kDetectCaption = 1320;
inline constexpr int kCradleMissing = 1321;
inline constexpr int kCradleFoundAt = 1322;  // the port's name follows

// --- Property sheet page titles (direct) ---
inline constexpr int kFormPageTitle = 51;
inline constexpr int kMenuPageTitle = 201;
inline constexpr int kLookupPageTitle = 251;
inline constexpr int kBarcodePageTitle = 301;
inline constexpr int kSettingsPageTitle = 601;
inline constexpr int kStartupPageTitle = 701;

// --- Pop-up menu items (direct) ---
inline constexpr int kMenuNew = 1101;
inline constexpr int kMenuOpen = 1102;
inline constexpr int kMenuSave = 1103;
inline constexpr int kMenuSaveAs = 1104;
inline constexpr int kMenuEdit = 1105;
inline constexpr int kMenuPreferences = 1106;
inline constexpr int kMenuDownloadApplication = 1107;
inline constexpr int kMenuDownloadLookup = 1108;
inline constexpr int kMenuReceiveData = 1109;
inline constexpr int kMenuAbout = 1110;
inline constexpr int kMenuExit = 1111;

// --- Message box captions ---
inline constexpr int kErrorCaption = 1121;
inline constexpr int kWarningCaption = 1122;
inline constexpr int kDownloadCaption = 1123;
inline constexpr int kNoProgramCaption = 1125;

// --- Task file commands: New, Open, Save, Save As ---
inline constexpr int kSavePrompt = 1131;
inline constexpr int kFormatMismatch = 1171;
inline constexpr int kFileTooShort = 1172;
inline constexpr int kSaveFailed = 1173;
inline constexpr int kPathTooLong = 1174;
inline constexpr int kSettingsNotSaved = 1175;
inline constexpr int kOpenFilterTask = 1181;
inline constexpr int kOpenFilterTemplate = 1182;
inline constexpr int kOpenFilterAll = 1183;
inline constexpr int kSaveFilterTask = 1184;

// --- The designer's window: its own texts beyond the commands ---
// The language's code for Qt's own translations of standard buttons and file
// dialogs ("ru" loads qtbase_ru); direct.
inline constexpr int kQtTranslationsCode = 1240;
inline constexpr int kSavedNote = 1241;            // direct; the file's name follows
inline constexpr int kRecentFileMissing = 1242;    // its path follows on a line of its own
inline constexpr int kRemoveRecentQuestion = 1243;
inline constexpr int kNoSuchTaskFile = 1244;       // its path follows
inline constexpr int kReceivedDataAt = 1245;       // the data file's path follows
inline constexpr int kAboutTitle = 1246;           // direct, as the three below
inline constexpr int kAboutDescription = 1247;
inline constexpr int kAboutVersion = 1248;         // the version number follows
inline constexpr int kFirstPortKindName = 1251;    // direct: serial, virtual, Bluetooth port (kinds 1..3)
inline constexpr int kUnknownPortKindName = 1254;
// The command line's help, one line each, and its refusals (the argument follows).
inline constexpr int kUsageLine = 1255;
inline constexpr int kUsageFile = 1256;
inline constexpr int kUsageHelp = 1257;
inline constexpr int kUsageVersion = 1258;
inline constexpr int kUnknownOption = 1259;
inline constexpr int kOneTaskFileOnly = 1260;
inline constexpr int kLookupFilesFilter = 1261;  // direct: the file choosers of the lookup send and the upload
inline constexpr int kDataFilesFilter = 1262;
inline constexpr int kAllFilesFilter = 1263;
inline constexpr int kDefaultLanguageItem = 1264;  // direct: the first item of Preferences' language list

// --- Simulator ---
inline constexpr int kDefineProgram = 1133;

// --- Transfers: download, lookup files, upload ---
inline constexpr int kDownloadedCompletely = 1132;
inline constexpr int kNoDataReceived = 1134;
inline constexpr int kTimeOut = 1144;
inline constexpr int kTerminalNotReady = 1145;
inline constexpr int kMemoryFull = 1146;
inline constexpr int kLookupLineTooLong = 1147;          // "%d": the line number
inline constexpr int kRecordsSavedBeforeFailure = 1148;  // "%d": the records kept
inline constexpr int kRecordRefusedTooOften = 1149;
inline constexpr int kLookupFileTooLarge = 1177;
inline constexpr int kCannotOpenFile = 1161;
inline constexpr int kCannotOpenPort = 1162;
inline constexpr int kCannotConfigureIrUpload = 1163;
inline constexpr int kFailedToConnect = 1165;
inline constexpr int kRetryQuestion = 1166;
inline constexpr int kFailedToConfigureIr = 1167;
inline constexpr int kErrorOnDownloading = 1168;
inline constexpr int kErrorOnCommState = 1169;
inline constexpr int kFileCreateFailed = 1170;
inline constexpr int kVersionIncompatible = 1325;
inline constexpr int kPortGone = 1151;            // the chosen port is not in the system's list any more
inline constexpr int kLookupNotAwaited = 1152;    // the terminal did not answer as one waiting for a lookup file
inline constexpr int kRecordsKeptAt = 1153;       // the final replacement failed; the file's path follows
inline constexpr int kRecordsSavedAfterStop = 1154;  // "%d": the records kept
// Direct ones.
inline constexpr int kUploadDoneBefore = 1135;  // the text before the count
inline constexpr int kUploadDoneAfter = 1136;   // the text after it
inline constexpr int kCounterLabel = 1137;
inline constexpr int kProgressCaption = 1138;
inline constexpr int kProgressLabel = 1139;
inline constexpr int kPortNamed = 1164;  // before the port's name, on a line after a link error
// What a transfer is doing, on its progress window: "%s" is the port's name,
// "%d" the attempt.
inline constexpr int kStatusOpening = 1155;
inline constexpr int kStatusCradle = 1156;
inline constexpr int kStatusHandshake = 1157;
inline constexpr int kStatusRequest = 1158;
inline constexpr int kStatusReceiving = 1159;
inline constexpr int kStatusDetecting = 1160;

// --- Messages of the property pages and their dialogs ---
inline constexpr int kInvalidValue = 1150;  // a delimiter of 13

// --- Names of stored values ---
inline constexpr int kNilName = 1211;                // field type 0, and "none" in the pages' lists
inline constexpr int kFirstFieldTypeName = 1331;     // field types 1..18
inline constexpr int kFirstRecordActionName = 1311;  // record actions 0..8
// The property pages' lists; "numbered" names come before a number ("form  3").
inline constexpr int kMainMenuName = 1212;         // target 0
inline constexpr int kMenuNumbered = 1213;         // targets 11..20
inline constexpr int kFormNumbered = 1214;         // targets 1..10
inline constexpr int kFirstFontName = 1215;        // small, large
inline constexpr int kSkipErrorName = 1230;        // the first on-error target
inline constexpr int kFirstLookupFileName = 1191;  // 1st, 2nd, 3rd lookup file
inline constexpr int kFirstInputSourceName = 1351;  // reader, keypad, both
inline constexpr int kFirstVariableName = 1345;    // variable1..3, also the last input sources
inline constexpr int kFieldNumbered = 1361;        // a lookup file's field
inline constexpr int kMinusFieldNumbered = 1362;
inline constexpr int kPlusFieldNumbered = 1363;

// --- Form page "FORMDLG" (direct) ---
inline constexpr int kFormNameLabel = 52;
inline constexpr int kFormFontLabel = 53;
inline constexpr int kFormEscLabel = 54;
inline constexpr int kFormNextLabel = 55;
inline constexpr int kFormOnErrorLabel = 56;
inline constexpr int kFormLookupLabel = 57;
inline constexpr int kFormRecordLabel = 58;
inline constexpr int kFormTimeStampButton = 59;
inline constexpr int kFormBranchButton = 60;
inline constexpr int kFormTypeHeading = 61;  // the headings of the line table's columns
inline constexpr int kFormPromptHeading = 62;
inline constexpr int kFormInputSourceHeading = 63;
inline constexpr int kFormMinLengthHeading = 64;
inline constexpr int kFormMaxLengthHeading = 65;
inline constexpr int kFormLineLookupHeading = 66;
inline constexpr int kFormPropertiesHeading = 67;
inline constexpr int kFormMoreButton = 68;    // a line's "more..."
inline constexpr int kFormLineNumbered = 69;  // "#" before the line's number

// --- Grid dialog "GridDlg" and the key-code boxes (direct, but the message) ---
inline constexpr int kGridTitle = 70;
inline constexpr int kGridResultLabel = 71;
inline constexpr int kGridClearButton = 72;
inline constexpr int kTooManyCharacters = 73;  // with kErrorCaption

// --- Form field dialogs (direct, but the messages) ---
// Line properties "AdvanceDlg" and lookup field "LookupAdvanceDlg".
inline constexpr int kLinePropertiesTitle = 74;
inline constexpr int kFormNumberLabel = 75;
inline constexpr int kLineNumberLabel = 76;
inline constexpr int kFixedLengthCheck = 77;
inline constexpr int kFirstAlignmentName = 78;  // four alignments
inline constexpr int kInitialValueCheck = 82;
inline constexpr int kAddPrefixCheck = 83;
inline constexpr int kAddSuffixCheck = 84;
inline constexpr int kShowInputMarkCheck = 85;
inline constexpr int kDecimalPlacesLabel = 86;
inline constexpr int kVariableDecimalsName = 87;
inline constexpr int kReadPartialCheck = 88;
inline constexpr int kBarcodePartRadio = 89;
inline constexpr int kGs1PartRadio = 90;
inline constexpr int kStartPositionLabel = 91;
inline constexpr int kPartialMaxLengthLabel = 92;
inline constexpr int kSaveFullBarcodeCheck = 93;
inline constexpr int kCutGs1Check = 94;
inline constexpr int kGs1CodeLabel = 95;
inline constexpr int kCheckLeadingCodeCheck = 96;
inline constexpr int kCheckDigitCheck = 97;
inline constexpr int kAutoEnterLabel = 98;
inline constexpr int kFirstAutoEnterName = 99;  // four ways
inline constexpr int kGs1WarningCaption = 103;
inline constexpr int kGs1CodeTooShort = 104;
inline constexpr int kSaveFieldDataCheck = 105;
inline constexpr int kFirstCheckDigitName = 1381;  // eight methods
// Date and time stamp "DateTimeStampDlg".
inline constexpr int kStampTitle = 106;
inline constexpr int kStampPositionLabel = 107;
inline constexpr int kFirstStampPositionName = 108;  // top, bottom (after "nil")
inline constexpr int kSeparateStampsCheck = 110;
inline constexpr int kYearCheck = 111;
inline constexpr int kFirstYearDigitsName = 112;  // four digits, two digits
inline constexpr int kMonthCheck = 114;
inline constexpr int kDayCheck = 115;
inline constexpr int kSeparatorCheck = 116;
inline constexpr int kDateStyleLabel = 117;
inline constexpr int kFirstDateStyleName = 118;  // three orders
inline constexpr int kHourCheck = 121;
inline constexpr int kMinuteCheck = 122;
inline constexpr int kSecondCheck = 123;
inline constexpr int kDateFormatCaption = 124;  // the parts follow
inline constexpr int kTimeFormatCaption = 125;
// Function-key branches "FormBranchDlg", summation "FormSummation", remains "FormRemains".
inline constexpr int kBranchTitle = 126;
inline constexpr int kFnKeyNumbered = 127;
inline constexpr int kBranchDisabledName = 128;
inline constexpr int kFirstBranchActionName = 129;  // remains, summation, delete last
inline constexpr int kBranchMoreButton = 132;
inline constexpr int kSummationTitle = 133;
inline constexpr int kSummationSourceLabel = 134;
inline constexpr int kDataFileName = 135;
inline constexpr int kSumFieldLabel = 136;
inline constexpr int kMultiplyCheck = 137;
inline constexpr int kRemainsTitle = 138;
inline constexpr int kRemainsEnableCheck = 139;
inline constexpr int kFilterForLabel = 140;
inline constexpr int kFieldDbLabel = 141;
inline constexpr int kFilterIsSuffixCheck = 142;

// --- Menu page "MENUDLG" (direct) ---
inline constexpr int kMenuNameLabel = 202;
inline constexpr int kMenuFontLabel = 203;
inline constexpr int kMenuEscLabel = 204;
inline constexpr int kMenuCaptionCheck = 205;
inline constexpr int kMenuItemNameHeading = 206;
inline constexpr int kMenuNextHeading = 207;
inline constexpr int kMenuSaveCaptionCheck = 208;
inline constexpr int kMenuSaveSelectedCheck = 209;
inline constexpr int kMenuPassDownCheck = 210;
inline constexpr int kMenuSeparateFilesCheck = 211;
inline constexpr int kMenuResetButton = 212;
inline constexpr int kMenuItemNumbered = 213;  // before an item's number

// --- Lookup page "LOOKUPDLG" (direct) ---
inline constexpr int kLookupNameLabel = 252;
inline constexpr int kLookupMemberLengthLabel = 253;
inline constexpr int kLookupFieldCountLabel = 254;
inline constexpr int kLookupKeyFieldHeading = 255;
inline constexpr int kLookupFixedLengthRadio = 256;
inline constexpr int kLookupDelimiterRadio = 257;
inline constexpr int kLookupAsciiLabel = 258;
inline constexpr int kLookupOffsetHeading = 259;
inline constexpr int kLookupLengthHeading = 260;     // fixed-length records
inline constexpr int kLookupMaxLengthHeading = 261;  // delimited records
inline constexpr int kLookupUploadableCheck = 262;
inline constexpr int kLookupNoMatchLabel = 263;
inline constexpr int kLookupBadRecordLabel = 264;
inline constexpr int kLookupReadOnceCheck = 265;
inline constexpr int kLookupNegativeRemainsCheck = 266;
inline constexpr int kLookupDeleteIfNullCheck = 267;
inline constexpr int kLookupDelimitersOnlyWarning = 268;
inline constexpr int kLookupResetButton = 269;
inline constexpr int kLookupFieldNumbered = 270;  // before a field's number
// Its lists.
inline constexpr int kFirstBadRecordActionName = 1441;  // stop, truncate / reformat, skip
inline constexpr int kFirstNoMatchActionName = 1451;    // no-match actions 0..5

// --- Settings page "SETTINGSDLG" and its dialogs (direct) ---
inline constexpr int kSettingsGroup = 602;
inline constexpr int kSettingsUploadPortLabel = 603;
inline constexpr int kSettingsDownloadPortLabel = 604;
inline constexpr int kSettingsModemSpeedLabel = 605;
inline constexpr int kSettingsBaudRateLabel = 606;
inline constexpr int kSettingsBacklightLabel = 607;
inline constexpr int kSettingsIdleLabel = 608;
inline constexpr int kSettingsIdleUnit = 609;
inline constexpr int kSettingsDataDeletionLabel = 610;
inline constexpr int kSettingsEntryOptionsLabel = 611;
inline constexpr int kSettingsStayRadio = 612;
inline constexpr int kSettingsDurationUnit = 613;
inline constexpr int kSettingsPressAnyKeyRadio = 614;
inline constexpr int kSettingsKeyClickLabel = 615;
inline constexpr int kSettingsGoodReadLabel = 616;
inline constexpr int kSettingsWarningBeepLabel = 617;
inline constexpr int kSettingsVibratorLabel = 618;
inline constexpr int kSettingsSecurityButton = 619;
inline constexpr int kSettingsWedgeButton = 620;
inline constexpr int kSettingsFunctionKeyButton = 621;
inline constexpr int kSettingsResetButton = 622;
inline constexpr int kSettingsPhoneLabel = 623;
// "SECURITYDLG"
inline constexpr int kSecurityTitle = 630;
inline constexpr int kSecurityGroup = 631;
inline constexpr int kSecurityPasswordLabel = 632;
inline constexpr int kFirstProtectedFunctionName = 633;  // the 12 functions, then the 3 sounds
inline constexpr int kInvalidCharacter = 648;  // messages about the password
inline constexpr int kPasswordTooLong = 649;
// "FUNCTIONKEYDLG"
inline constexpr int kFunctionKeyTitle = 655;
inline constexpr int kFunctionKeyEnableCheck = 656;
inline constexpr int kFirstFunctionKeyLabel = 657;  // FN+1 .. FN+7
// "KeyboardWedgeDlg"
inline constexpr int kWedgeTitle = 670;
inline constexpr int kWedgeTypeLabel = 671;
inline constexpr int kWedgeDelayLabel = 672;
inline constexpr int kWedgeDelayUnit = 673;
inline constexpr int kWedgeTimeoutLabel = 674;
inline constexpr int kWedgeTimeoutUnit = 675;
inline constexpr int kWedgeNumericKeypadCheck = 676;
inline constexpr int kWedgeAddReturnCheck = 677;
inline constexpr int kWedgeDigitsGroup = 678;
inline constexpr int kFirstDigitsLayoutName = 679;  // normal, lower, upper position
inline constexpr int kWedgeShiftLockGroup = 682;
inline constexpr int kFirstShiftLockName = 683;  // normal, capital-lock, shift-lock keyboard
inline constexpr int kWedgeCapitalLockGroup = 686;
inline constexpr int kFirstCapitalLockName = 687;  // ignore case, always locked, auto-detection
// Its lists, one id per item from the first.
inline constexpr int kFirstPortName = 1495;            // Direct-RS232 .. Modem
inline constexpr int kKeyboardWedgePortName = 1498;    // not a download port
inline constexpr int kFirstBacklightName = 1511;       // turn off, turn on
inline constexpr int kFirstDeletionName = 1521;        // manual, automatic
inline constexpr int kFirstEntryOptionName = 1531;     // no prompt, show count, show record
inline constexpr int kMuteName = 1221;                 // the first item of the sound lists
inline constexpr int kToneNumbered = 1222;             // "Tone" and a blank before 1..5
inline constexpr int kFirstBeepName = 1761;            // one, two, three beeps
inline constexpr int kVibratorOffName = 1541;
inline constexpr int kSecondsName = 1542;              // after the number and a blank
inline constexpr int kFirstFunctionName = 1621;        // the 20 functions of the function keys
inline constexpr int kFirstKeyboardTypeName = 1671;    // the 32 keyboard / terminal types

// --- Default texts the code names alone ---
inline constexpr int kFirstExtraTextWide = 1741;    // the five start-up texts, 20 characters
inline constexpr int kFirstExtraTextNarrow = 1751;  // the same, 15 characters

// --- Barcode page "BARCODESETTINGDLG" and its dialogs (direct) ---
inline constexpr int kBarcodeReaderGroup = 302;
inline constexpr int kBarcodeScanModeLabel = 303;
inline constexpr int kBarcodeRedundancyLabel = 304;
inline constexpr int kBarcodeTimeOutLabel = 305;
inline constexpr int kBarcodeSecondsLabel = 306;
inline constexpr int kBarcodeSymbologiesGroup = 307;
inline constexpr int kBarcodeMoreButton = 308;
inline constexpr int kBarcodeCodeIdButton = 309;
inline constexpr int kBarcodeWeightCodeButton = 310;
inline constexpr int kFirstSymbologyCheck = 311;      // the page's check boxes 101..128
inline constexpr int kFirstBarcodeDialogTitle = 341;  // the dialogs of the buttons 201..220
inline constexpr int kVerifyChecksumLabel = 361;
inline constexpr int kTransmitChecksumLabel = 362;
inline constexpr int kStartStopPatternGroup = 363;
inline constexpr int kFirstStartStopPattern = 364;  // Industrial 25, Interleave 25, Matrix 25
inline constexpr int kLengthGroup = 367;
inline constexpr int kFixedLengthRadio = 368;
inline constexpr int kMaxMinLengthRadio = 369;
inline constexpr int kFixedLength1Label = 370;
inline constexpr int kFixedLength2Label = 371;
inline constexpr int kMaxLengthLabel = 372;
inline constexpr int kMinLengthLabel = 373;
inline constexpr int kTransmitStartStopLabel = 374;
inline constexpr int kFullAsciiLabel = 375;
inline constexpr int kCodabarStartStopGroup = 376;
inline constexpr int kCodabarNoneRadio = 377;
inline constexpr int kFirstCodabarStartStop = 378;  // "abcd / abcd" .. "ABCD / TN*E"
inline constexpr int kMsiVerificationGroup = 382;
inline constexpr int kFirstMsiVerification = 383;  // three methods
inline constexpr int kMsiTransmissionGroup = 386;
inline constexpr int kFirstMsiTransmission = 387;  // three ways
inline constexpr int kUkPlesseyLabel = 390;
inline constexpr int kUpce1TripleCheckLabel = 391;
inline constexpr int kUpce1Label = 392;
inline constexpr int kUpceToUpcaLabel = 393;
inline constexpr int kTransmitSystemNumberLabel = 394;
inline constexpr int kUpcaToEan13Label = 395;
inline constexpr int kIsbnLabel = 396;
inline constexpr int kIssnLabel = 397;
inline constexpr int kTransmitUpcaChecksumLabel = 398;
inline constexpr int kTransmitUpcaSystemNumberLabel = 399;
inline constexpr int kGtinLabel = 400;
inline constexpr int kEan8ToEan13Label = 401;
inline constexpr int kTelepenModeGroup = 402;
inline constexpr int kTelepenOriginalRadio = 403;
inline constexpr int kTelepenAimRadio = 404;
inline constexpr int kTransmitCodeIdLabel = 405;
inline constexpr int kTransmitApplicationIdLabel = 406;
inline constexpr int kTransmitCheckDigitLabel = 407;
inline constexpr int kVerifyCheckDigitLabel = 408;
inline constexpr int kFieldReplacementGroup = 409;
inline constexpr int kFieldReplacementTextLabel = 410;
inline constexpr int kFieldReplacementCodeLabel = 411;
inline constexpr int kWeightEnableLabel = 412;
inline constexpr int kWeightPrefixLabel = 413;
inline constexpr int kWeightMaskLabel = 414;
inline constexpr int kWeightKeyFieldLabel = 415;
inline constexpr int kWeightQuantityLabel = 416;
inline constexpr int kWeightOneCFormatLabel = 417;
inline constexpr int kCodeIdEnableLabel = 418;
inline constexpr int kFirstCodeIdSymbology = 419;  // the fifteen code-ID slots
inline constexpr int kFirstCodeIdSet = 434;        // "Set 1".."Set 5"
inline constexpr int kCodeIdClearButton = 439;
// Its lists, one id per item from the first.
inline constexpr int kFirstScanModeName = 1461;   // nine scan modes
inline constexpr int kFirstRedundancyName = 1481;  // None .. Three times

// --- Startup page "STARTUPDLG" (direct) ---
inline constexpr int kStartupProgramStartLabel = 2001;
inline constexpr int kStartupDelimiterCountLabel = 2002;
inline constexpr int kStartupAsciiLabel = 2003;
inline constexpr int kStartupTextLabel = 2004;
inline constexpr int kStartupLargeFontLabel = 2005;
inline constexpr int kStartupScreensLabel = 2006;
inline constexpr int kStartupImportButton = 2007;
inline constexpr int kStartupResetButton = 2008;
inline constexpr int kStartupDelimitersGroup = 2009;
inline constexpr int kStartupTextsGroup = 2010;
// Its lists (the delimiter's warning is kInvalidValue).
inline constexpr int kFirstProgramStartName = 1561;  // form 1, menu 1
inline constexpr int kFirstDelimiterCountName = 1571;  // " 1 ", " 2 " after "nil"
inline constexpr int kFirstScreenName = 1581;          // the 26 screens

}  // namespace strings::id
