// "Modifying Advertisement Text": an advertisement's text with its
// variables, colours and attributes, and a preview in the host's window.
#pragma once
#include <atomic>
#include <string>
#include <vector>

#include "ads/ad_text_editing.h"
#include "model/module_state.h"
#include "panel/framework/dialog_base.h"

namespace qvs {

class AdTextEditor final : public DialogBase {
public:
    AdTextEditor(ModuleState& state, const std::atomic<HWND>& host);
    // True when OK stored the text; false when cancelled or already open.
    bool Edit(HINSTANCE instance, HWND owner, Advertisement* ad);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnButton(int id);
    void ListVariables();
    void InsertVariable();
    void SetColour();
    void Mark(const std::string& before, const std::string& after);
    void Preview();

    ModuleState& state_;
    const std::atomic<HWND>& host_;
    Advertisement* ad_ = nullptr;
    std::vector<std::string> groups_;
    std::vector<EditorVariable> variables_;
};

}  // namespace qvs
