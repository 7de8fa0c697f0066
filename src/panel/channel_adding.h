// The panel's "+": a new channel through the wizard when "Display Wizard
// when adding new channel" is on, otherwise through the plain "New
// Channel" dialog.
#pragma once
#include "panel/channel_wizard_dialog.h"
#include "panel/framework/prompt_dialog.h"

namespace qvs {

class ChannelAdding {
public:
    // The channel made, or null when none was.
    ChannelConfig* Add(ModuleState& state, HINSTANCE instance, HWND owner);

private:
    ChannelConfig* AddPlain(ModuleState& state, HINSTANCE instance, HWND owner);

    PromptDialog plain_;
    ChannelWizardDialog wizard_;
};

}  // namespace qvs
