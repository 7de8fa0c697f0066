#include "panel/pages/list_properties_dialog.h"

#include "panel/framework/control_io.h"
#include "panel/pages/list_properties_dialog_resource.h"

namespace qvs {
namespace {

constexpr int kNameRoom = 511;
constexpr int kTriggerRoom = 127;

struct Field {
    int Id;
    std::string ListProperties::*Text;
    int Room;
};

constexpr Field kFields[] = {
    {IDC_LIST_NAME, &ListProperties::ListName, kNameRoom},
    {IDC_LIST_DESCRIPTION, &ListProperties::Description, kNameRoom},
    {IDC_LIST_TRIGGER, &ListProperties::ListTrigger, kTriggerRoom},
    {IDC_FILE_TRIGGER, &ListProperties::FileTrigger, kTriggerRoom},
};

}  // namespace

void ShowRefusal(HWND dialog, const char* text) { MessageBoxA(dialog, text, kAppName, MB_OK | MB_ICONERROR); }

ListPropertiesDialog::ListPropertiesDialog() : DialogBase(IDD_LIST_PROPERTIES) {}

bool ListPropertiesDialog::Ask(HINSTANCE instance, HWND owner, const char* caption, ListProperties& fields,
                               ListPropertiesCheck check) {
    caption_ = caption;
    fields_ = fields;
    check_ = std::move(check);
    if (RunModal(instance, owner) != IDOK) return false;
    fields = fields_;
    return true;
}

bool ListPropertiesDialog::OnInit() {
    SetWindowTextA(Window(), caption_);
    for (const Field& field : kFields) {
        SendMessageA(Item(field.Id), EM_SETLIMITTEXT, field.Room, 0);
        SetControlText(Window(), field.Id, fields_.*field.Text);
    }
    return true;
}

ListProperties ListPropertiesDialog::Typed() const {
    ListProperties typed;
    for (const Field& field : kFields) typed.*field.Text = ControlText(Window(), field.Id);
    return CutToFields(typed);
}

void ListPropertiesDialog::OnOk() {
    ListProperties typed = Typed();
    if (const char* refusal = check_(typed)) return ShowRefusal(Window(), refusal);
    fields_ = typed;
    End(IDOK);
}

bool ListPropertiesDialog::OnCommand(int id, int) {
    if (id == IDOK) OnOk();
    if (id == IDCANCEL) End(IDCANCEL);
    return id == IDOK || id == IDCANCEL;
}

}  // namespace qvs
