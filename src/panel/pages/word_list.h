// A channel's list of words on a page (the search triggers, the networks
// served): a one-column list view with "+" and "-". "+" asks for a new word
// in the one-field prompt; an empty one is not taken and one already listed
// (in any case) is refused with a box while the prompt stays open.
#pragma once
#include <string>

#include "model/module_state.h"
#include "panel/framework/list_view_table.h"
#include "panel/framework/prompt_dialog.h"

namespace qvs {

struct WordListTexts {
    const char* Caption;    // of the prompt
    const char* Label;      // above its field
    const char* Duplicate;  // the box for a word already listed
};

// The prompt's verdict on a new name: empty stays open silently, a listed
// one stays open after the duplicate box.
PromptVerdict JudgeNewName(ModuleState& state, const std::string& name, bool listed, const char* duplicate);

class WordList {
public:
    explicit WordList(const WordListTexts& texts) : texts_(texts) {}

    void Attach(HWND view);
    // Shows the words of a list that the page now edits; null empties it.
    void Show(List<NameNode>* words);
    void AddWord(ModuleState& state, HINSTANCE instance, HWND owner);
    void RemoveSelected();

private:
    void AppendRow(NameNode* node);

    WordListTexts texts_;
    ListViewTable table_;
    PromptDialog prompt_;
    List<NameNode>* words_ = nullptr;
};

}  // namespace qvs
