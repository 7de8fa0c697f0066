// "New List Properties" and "Modifying List Properties": a FileList's name,
// description and triggers. OK shows the first failing check's refusal and
// keeps the dialog open with the operator's input.
#pragma once
#include <functional>

#include "lists/list_properties.h"
#include "panel/framework/dialog_base.h"

namespace qvs {

// The refusal for the fields, or null when they may be stored.
using ListPropertiesCheck = std::function<const char*(const ListProperties& fields)>;

class ListPropertiesDialog final : public DialogBase {
public:
    ListPropertiesDialog();
    // Runs the dialog with the caption, starting from fields; true with the
    // accepted fields (cut to the fields' lengths).
    bool Ask(HINSTANCE instance, HWND owner, const char* caption, ListProperties& fields, ListPropertiesCheck check);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    ListProperties Typed() const;
    void OnOk();

    const char* caption_ = "";
    ListProperties fields_;
    ListPropertiesCheck check_;
};

// The refusal box of the list and channel dialogs: error icon, the
// application name as caption, owned by the dialog that stays open.
void ShowRefusal(HWND dialog, const char* text);

}  // namespace qvs
