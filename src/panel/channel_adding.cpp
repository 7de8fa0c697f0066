#include "panel/channel_adding.h"

#include "panel/pages/list_properties_dialog.h"
#include "setup/new_channel.h"

namespace qvs {

ChannelConfig* ChannelAdding::Add(ModuleState& state, HINSTANCE instance, HWND owner) {
    if (wizard_.IsOpen() || plain_.IsOpen()) return nullptr;
    if (state.Settings.UseWizard == 1) return wizard_.Run(state, instance, owner);
    return AddPlain(state, instance, owner);
}

// The name is taken as typed: the label reminds the operator of the "#".
ChannelConfig* ChannelAdding::AddPlain(ModuleState& state, HINSTANCE instance, HWND owner) {
    ChannelConfig* made = nullptr;
    auto validate = [&](const std::string& typed) {
        std::string refusal;
        made = CreatePlainChannel(state, typed.c_str(), refusal);
        if (!refusal.empty()) ShowRefusal(GetActiveWindow(), refusal.c_str());
        // An empty name does nothing: the dialog stays for a name.
        return made ? PromptVerdict::Accept : PromptVerdict::StayOpen;
    };
    PromptSpec spec{"New Channel", "Channel name, with its leading # (e.g. #files):", "",
                    static_cast<int>(kHostLinkBufferSize - 1), validate};
    std::string name;
    plain_.Ask(instance, owner, spec, name);
    return made;
}

}  // namespace qvs
