// The one-field prompt of the panel (a channel's new name, a search
// trigger, a network, a group or advertisement name): a caption, a label, a
// field, "OK" and "Cancel". On "OK" a validator judges the text: accepted,
// the dialog closes with it; refused, it stays open for another try (the
// validator tells the operator why); or it closes without a change.
#pragma once
#include "panel/framework/dialog_base.h"

#include <functional>
#include <string>

namespace qvs {

enum class PromptVerdict { Accept, StayOpen, CloseUnchanged };

struct PromptSpec {
    const char* Caption;
    const char* Label;
    std::string Initial;
    int MaxLength;  // characters the field takes, pasted or typed
    std::function<PromptVerdict(const std::string& text)> Validate;
};

class PromptDialog final : public DialogBase {
public:
    PromptDialog();
    // Runs the prompt modally; true with the accepted text. False when it
    // was cancelled, closed unchanged, or is already open.
    bool Ask(HINSTANCE instance, HWND owner, PromptSpec spec, std::string& text);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOk();

    PromptSpec spec_;
    std::string accepted_;
};

}  // namespace qvs
