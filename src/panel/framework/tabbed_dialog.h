// A dialog that holds a tab control of pages: each page a modeless child
// dialog inside the tab control, each tab item carrying its page's window.
// Changing the tab shows its page and hides the others.
#pragma once
#include "panel/framework/dialog_base.h"

#include <commctrl.h>

namespace qvs {

struct TabPage {
    const char* Tab;
    DialogBase* Page;
};

// Shows the page of the selected tab and hides the others.
void ShowSelectedPage(HWND tab);

class TabbedDialog : public DialogBase {
public:
    TabbedDialog(int templateId, int tabId) : DialogBase(templateId), tabId_(tabId) {}

protected:
    HWND Tabs() const { return Item(tabId_); }
    // Creates the pages in the tab control, one tab each, and shows the
    // first.
    template <int N>
    void AddPages(const TabPage (&pages)[N]) {
        AddPages(pages, N);
    }
    // A page in the tab control without a tab of its own.
    HWND AddUntabbedPage(DialogBase& page);
    bool OnNotify(const NMHDR& notice) override;

private:
    void AddPages(const TabPage* pages, int count);

    int tabId_;
};

}  // namespace qvs
