// F1's file: the compiled help beside the program when there is one.
#include "loader/pages/help_file.h"

#include <gtest/gtest.h>

#include "testing/temp_folder.h"

namespace loader::pages {
namespace {

TEST(HelpFile, TheCompiledHelpBesideTheProgramElseTheHelpPage) {
    test_support::TempFolder folder;
    EXPECT_EQ(HelpFileOf(folder.Path()), folder.File("Tarvel.html"));
    folder.Write("Tarvel.chm", "");
    EXPECT_EQ(HelpFileOf(folder.Path()), folder.File("Tarvel.chm"));
}

}  // namespace
}  // namespace loader::pages
