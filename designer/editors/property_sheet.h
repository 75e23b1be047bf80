#pragma once
// The task property sheet without widgets: six pages in a fixed order, each
// initialised the first time it is shown during an opening of the sheet, the
// sub-dialogs open over them, and OK (every initialised page commits, in page
// order, and the initialised pages after it hear of each commit) or Cancel
// (nothing reaches the task). One PropertySheet is one opening: the working
// copies are read from the task anew each time.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designer/editors/dialog_stack.h"
#include "designer/editors/editor_context.h"
#include "designer/editors/page_model.h"
#include "designer/strings/string_ids.h"

namespace editors {

// A page of the sheet: its template name, the string id of its tab title,
// and what makes its model when it is first shown.
struct PageKind {
    std::string_view templateName;
    int titleId;
    std::unique_ptr<PageModel> (*make)(EditorContext& context, std::string title);
};

// The designer's six pages in their order.
std::span<const PageKind> DesignerPages();

class PropertySheet final {
public:
    // Opens on the first page, which is initialised at once. Tests may give
    // pages of their own.
    PropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui, const task::DefaultTexts& defaults,
                  std::span<const PageKind> pages = DesignerPages());
    ~PropertySheet();

    // "Quarrow - [ C:\tasks\shop.UZX ]", or "New file" inside the brackets; UTF-8.
    std::string Caption() const;

    int PageCount() const { return static_cast<int>(kinds_.size()); }
    // The page's template name ("FORMDLG"), -1 from FindPage for none.
    std::string_view PageTemplate(int index) const { return kinds_[static_cast<std::size_t>(index)].templateName; }
    int FindPage(std::string_view templateName) const;
    // The tab title in the user's language; UTF-8.
    std::string PageTitle(int index) const;
    // The texts of the OK and Cancel buttons of the sheet and its dialogs; UTF-8.
    std::string OkText() { return context_.Text(strings::id::kOkButton); }
    std::string CancelText() { return context_.Text(strings::id::kCancelButton); }

    // Shows a page; its first showing initialises it.
    void ShowPage(int index);
    int CurrentPage() const { return current_; }
    // Null until the page has been shown.
    PageModel* Page(int index) const { return pages_[static_cast<std::size_t>(index)].get(); }

    // The open sub-dialogs, the first opened first.
    std::size_t DialogCount() const { return dialogs_.Count(); }
    DialogModel& Dialog(std::size_t depth) const { return dialogs_.At(depth); }
    // What the user works in now: the newest open dialog, else the current page.
    DialogModel& Active() const;

    // OK and Cancel of the newest open dialog, or of the sheet when none is open.
    void Ok();
    void Cancel();
    bool IsOpen() const { return open_; }
    bool Accepted() const { return accepted_; }

private:
    task::Task& task_;
    std::span<const PageKind> kinds_;
    DialogStack dialogs_;
    EditorContext context_;
    std::vector<std::unique_ptr<PageModel>> pages_;
    int current_ = 0;
    bool open_ = true;
    bool accepted_ = false;
};

}  // namespace editors
