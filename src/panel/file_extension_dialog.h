// "File Extension": one extension after another is typed and added, until
// "Close".
#pragma once
#include <functional>
#include <string>

#include "panel/framework/dialog_base.h"

namespace qvs {

class FileExtensionDialog final : public DialogBase {
public:
    FileExtensionDialog();
    // add receives each text as typed; the field is emptied for the next.
    void Run(HINSTANCE instance, HWND owner, std::function<void(const std::string& text)> add);

private:
    bool OnCommand(int id, int code) override;
    void OnAdd();

    std::function<void(const std::string&)> add_;
};

}  // namespace qvs
