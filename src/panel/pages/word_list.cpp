#include "panel/pages/word_list.h"

#include "model/listed_names.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

const ListColumnSpec kWordColumn[] = {{"", 0, LVCFMT_LEFT}};

}  // namespace

PromptVerdict JudgeNewName(ModuleState& state, const std::string& name, bool listed, const char* duplicate) {
    if (name.empty()) return PromptVerdict::StayOpen;
    if (!listed) return PromptVerdict::Accept;
    state.Ports.Panel->ShowMessage(duplicate, kIconError);
    return PromptVerdict::StayOpen;
}

void WordList::Attach(HWND view) {
    table_.Attach(view, kWordColumn);
    SendMessageA(view, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void WordList::Show(List<NameNode>* words) {
    words_ = words;
    table_.Clear();
    if (!words) return;
    for (NameNode* node = words->Head; node; node = node->Next) AppendRow(node);
}

void WordList::AppendRow(NameNode* node) { table_.SetCell(table_.Append(node), 0, node->Value.c_str()); }

// The list is looked at again after the prompt: its modal loop handles
// events, and the page may show another channel by then.
void WordList::AddWord(ModuleState& state, HINSTANCE instance, HWND owner) {
    List<NameNode>* words = words_;
    if (!words) return;
    auto judge = [&](const std::string& word) {
        return JudgeNewName(state, word, words_ == words && FindListedName(*words, word.c_str()), texts_.Duplicate);
    };
    std::string word;
    PromptSpec spec{texts_.Caption, texts_.Label, "", static_cast<int>(kListedNameRoom), judge};
    if (!prompt_.Ask(instance, owner, spec, word) || words_ != words) return;
    if (NameNode* node = AddListedName(*words, word.c_str())) AppendRow(node);
}

void WordList::RemoveSelected() {
    std::vector<int> rows = table_.SelectedRows();
    if (!words_ || rows.empty()) return;
    RemoveListedName(*words_, table_.At<NameNode>(rows.front()));
    table_.Remove(rows.front());
}

}  // namespace qvs
