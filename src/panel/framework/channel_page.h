// A page that shows and edits one ChannelConfig: the panel's current channel.
// The panel fills its pages when the operator picks a channel and clears
// them when there is none; a page edits the record it shows directly, so
// there is no apply step. With no record shown, its controls change nothing.
//
// A page lists its plain controls in one binding table (control_bindings.h)
// and handles the rest itself in OnFill, OnClear and OnPageCommand.
#pragma once
#include "model/module_state.h"
#include "panel/framework/control_bindings.h"
#include "panel/framework/dialog_base.h"

namespace qvs {

class ChannelPage : public DialogBase {
public:
    ChannelPage(int templateId, ModuleState& state) : DialogBase(templateId), state_(state) {}
    template <int N>
    ChannelPage(int templateId, ModuleState& state, const Binding<ChannelConfig> (&table)[N])
        : DialogBase(templateId), state_(state), bindings_(table) {}

    void Fill(ChannelConfig& config);
    void Clear();
    // The record the page shows, or null.
    ChannelConfig* Shown() const { return shown_; }

protected:
    ModuleState& State() const { return state_; }
    // True while the page is being filled or cleared: notifications then
    // come from the page itself, not from the operator.
    bool Filling() const { return filling_ > 0; }

    virtual bool OnPageInit() { return false; }
    virtual void OnFill(ChannelConfig& /*config*/) {}
    virtual void OnClear() {}
    // The commands of the controls the table does not bind.
    virtual bool OnPageCommand(int /*id*/, int /*code*/) { return false; }

private:
    bool OnInit() final;
    bool OnCommand(int id, int code) final;

    ModuleState& state_;
    ControlBindings<ChannelConfig> bindings_;
    ChannelConfig* shown_ = nullptr;
    int filling_ = 0;
};

}  // namespace qvs
