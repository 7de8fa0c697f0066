// A dialog that holds a tab control of pages: each page a modeless child
// dialog of the tab control, sized to the control's display area
// (TCM_ADJUSTRECT), each tab item carrying its page's window. Before the tab
// changes its page is hidden, after it the new tab's page is shown and
// OnPageChanged is called: the one place where a page learns it is shown.
// Tabs may also carry a record beside their page (the Queues page's tab of
// each served channel, all showing one shared page).
#pragma once
#include "panel/framework/dialog_base.h"

#include <commctrl.h>

#include <vector>

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

    int SelectedTab() const;
    // Selects the tab as a click would: its page shown, the hook called.
    void SelectTab(int index);
    int TabCount() const;

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
    // A tab at index that shows page and carries record.
    void InsertRecordTab(int index, const char* text, HWND page, void* record);
    void DeleteTab(int index);
    // Deletes every tab from index on.
    void DeleteTabsFrom(int index);
    // The record a tab carries, or null.
    void* RecordOfTab(int index) const;
    // After the selection changed and the page of the new tab is shown.
    virtual void OnPageChanged(int /*index*/, HWND /*page*/) {}
    bool OnNotify(const NMHDR& notice) override;
    // A tabbed page (a child window) fills itself with its tab control when
    // it is sized, and fits its pages again.
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override;

private:
    void AddPages(const TabPage* pages, int count);
    void ShowSelected();

    int tabId_;
    std::vector<void*> records_;  // one per tab, in tab order
    std::vector<HWND> pages_;     // every page, with a tab of its own or not
};

}  // namespace qvs
