#include "panel/list_header_dialog.h"

#include <iterator>

#include "lists/list_properties.h"
#include "panel/framework/control_io.h"
#include "panel/list_header_dialog_resource.h"

namespace qvs {
namespace {

struct HeaderVariable {
    const char* Name;
    const char* Description;
};

constexpr HeaderVariable kVariables[] = {
    {"$FileCount$", "Number of files in the list"},
    {"$FileSize$", "Combined size of all files in the list"},
    {"$AppName$", "The name of this script"},
    {"$CreationDate$", "Date/Time this list is created"},
    {"$FileTrigger$", "Trigger used to retrieve a file"},
};

// The edit control's own limit is far below what a header may hold.
constexpr WPARAM kHeaderRoom = 0x7FFFFFFE;

}  // namespace

ListHeaderDialog::ListHeaderDialog() : DialogBase(IDD_LIST_HEADER) {}

bool ListHeaderDialog::Ask(HINSTANCE instance, HWND owner, std::string& header) {
    header_ = header;
    if (RunModal(instance, owner) != IDOK) return false;
    header = header_;
    return true;
}

bool ListHeaderDialog::OnInit() {
    SendMessageA(Item(IDC_HEADER_TEXT), EM_SETLIMITTEXT, kHeaderRoom, 0);
    SetControlText(Window(), IDC_HEADER_TEXT, header_);
    for (const HeaderVariable& variable : kVariables)
        SendMessageA(Item(IDC_HEADER_VARIABLES), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(variable.Description));
    SendMessageA(Item(IDC_HEADER_VARIABLES), LB_SETCURSEL, 0, 0);
    return true;
}

void ListHeaderDialog::InsertVariable() {
    LRESULT chosen = SendMessageA(Item(IDC_HEADER_VARIABLES), LB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= static_cast<LRESULT>(std::size(kVariables))) return;
    SendMessageA(Item(IDC_HEADER_TEXT), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kVariables[chosen].Name));
    SetFocus(Item(IDC_HEADER_TEXT));
}

bool ListHeaderDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_HEADER_INSERT: InsertVariable(); return true;
        case IDC_HEADER_DEFAULT: SetControlText(Window(), IDC_HEADER_TEXT, kDefaultListHeader); return true;
        case IDOK: header_ = ControlText(Window(), IDC_HEADER_TEXT); End(IDOK); return true;
        case IDCANCEL: End(IDCANCEL); return true;
        default: return false;
    }
}

}  // namespace qvs
