#pragma once
// Edit scripts: what a user does in the property sheet, one action a line,
// for `uzx edit` and for the tests (which replay the same scripts against the
// Qt sheet). `#` starts a comment line; blank lines are skipped.
//
//   page NAME             show the page of that template name
//   set ID [TEXT]         replace the text of box ID (TEXT is the rest of the line, literally)
//   choose ID N           choose item N (from 0) of list ID
//   click ID              click a check box, radio button or push button
//   focusout ID           take the focus away from control ID
//   grid CODE             click the cell of key code CODE (decimal or 0x..) in the open grid dialog
//   ok | cancel           OK or Cancel of the newest open dialog, else of the sheet
//   expect ID enabled|disabled|checked|unchecked
//   expect ID text [TEXT] the control's text (a list's: its selected item)
//   expect ID item N      the list's selected item (-1: none)
//   file PATH             the answer to the next file chooser
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editors {

struct ScriptAction {
    enum class Kind { Page, Set, Choose, Click, FocusOut, Grid, Ok, Cancel, Expect, File };
    enum class Check { Enabled, Disabled, Checked, Unchecked, Text, Item };

    int line = 0;  // from 1
    Kind kind = Kind::Ok;
    int id = 0;
    int number = 0;    // the item of choose and expect ... item; the code of grid
    std::string text;  // the page name, the text of set and expect ... text, the file path
    Check check = Check::Enabled;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

struct ParsedScript {
    std::vector<ScriptAction> actions;
    std::optional<ScriptError> error;  // the first line that is no action; no actions then
};

ParsedScript ParseScript(std::string_view text);

}  // namespace editors
