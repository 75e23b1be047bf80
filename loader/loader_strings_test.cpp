// The loader's texts come out of its table as Windows-1251, exactly as written.
#include "loader/loader_strings.h"

#include <gtest/gtest.h>

#include "loader/loader_string_ids.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Cp;

TEST(LoaderStrings, TextsKeepTheirSpellingSpacesAndLineBreaks) {
    EXPECT_EQ(LoaderText(ids::kRetryQuestion), Cp("Ошибка загрузки, хотите попробывать снова?"));
    EXPECT_EQ(LoaderText(ids::kFileOpenFailed), Cp("Ошибка открытия файла - ")) << "the path follows the space";
    EXPECT_EQ(LoaderText(ids::kLinkSerial), "RS-232\\Serial-SPP");
    EXPECT_EQ(LoaderText(ids::kPortOpenFailed), Cp("Невозможно открыть СОМ порт!"));
    EXPECT_EQ(LoaderText(ids::kCommandLineFormat),
              Cp("Формат командной строки не верен:\r\n имя файла,скорость порта,номер СОМ порта, "
                 "(RS-232 - 0 , Cradle IR - 1)  \r\nПродолжить работу?."));
    EXPECT_EQ(LoaderText(ids::kLinkLabel), Cp("Загрузить через      -"));
    EXPECT_EQ(LoaderText(ids::kMainFormTitle), "Tarvel ver 1.0.0.15");
    EXPECT_EQ(LoaderText(ids::kConvertTab), Cp("Конвертирвание задач"));
    EXPECT_EQ(LoaderText(ids::kCannotReadOrWrite), Cp("Неудаётся открыть или записать в файл."));
    EXPECT_EQ(LoaderText(5), "") << "an id the table lacks";
}

TEST(LoaderStrings, EveryIdOfTheRegistryHasAText) {
    const int registered[] = {
        ids::kFilterSupported, ids::kFilterBatch, ids::kFilterRadio, ids::kFilter8500, ids::kPatternSupported,
        ids::kPatternBatch, ids::kPatternRadio, ids::kPattern8500, ids::kLinkSerial, ids::kLinkCradle,
        ids::kSpeed115200, ids::kSpeed57600, ids::kSpeed38400, ids::kSpeed19200, ids::kSpeed9600,
        ids::kErrorCaption, ids::kLineSettingsRefused, ids::kRetryQuestion, ids::kCradleSetupFailed,
        ids::kPortOpenFailed, ids::kDownloadFailed, ids::kTerminalNotReady, ids::kUnknownFormatCaption,
        ids::kFirmwareMismatch, ids::kLoadCaption, ids::kLoadComplete, ids::kFileOpenFailed, ids::kNoFileChosen,
        ids::kAttentionCaption, ids::kCommandLineFormat, ids::kMemoryFull, ids::kMainFormTitle, ids::kLoadTab,
        ids::kConvertTab, ids::kFileGroup, ids::kOpenButton, ids::kSettingsGroup, ids::kLinkLabel, ids::kPortLabel,
        ids::kSpeedLabel, ids::kFindCradleButton, ids::kCradleSearchBanner, ids::kLoadButton, ids::kExitButton,
        ids::kReaderCaption, ids::kFileMissing, ids::kVersionUnsupported, ids::kFileTooShort, ids::kConvertCaption,
        ids::kSourceLabel, ids::kNoFileYet, ids::kBrowseButton, ids::kDestinationLabel, ids::kTargetLabel,
        ids::kTarget80xx, ids::kTarget83xx, ids::kTarget85xx, ids::kTarget84xx, ids::kConvertButton, ids::kFilterA85,
        ids::kPatternA85, ids::kFilterUzx, ids::kPatternUzx, ids::kFilterAtf, ids::kPatternAtf, ids::kFilterAll,
        ids::kPatternAll, ids::kSaveTitle, ids::kNoSourceChosen, ids::kNoDestinationChosen, ids::kCannotReadOrWrite,
        ids::kConverted, ids::kUnknownFileKind, ids::kTransferCaption, ids::kTransferLabel, ids::kCradleNotFound,
        ids::kCradleFoundCaption, ids::kCradleFoundOnPort, ids::kApplySettingsQuestion,
    };
    for (int id : registered) EXPECT_FALSE(LoaderText(id).empty()) << id;
}

TEST(LoaderStrings, APathGoesIntoTheMessageAndTheWholeIsCut) {
    EXPECT_EQ(LoaderTextWith(ids::kFileMissing, "C:\\a.UZX"), Cp("Файл (C:\\a.UZX) не существует."));
    EXPECT_EQ(LoaderTextWith(ids::kFileMissing, std::string(400, 'p')).size(), 299u);
}

}  // namespace
}  // namespace loader
