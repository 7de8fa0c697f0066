#include "persistence/config_file.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "hostlink/operator_boxes.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

void ShowFailure(ModuleState& state, const char* failureText, const std::string& path) {
    if (!failureText) return;
    std::vector<char> message(std::strlen(failureText) + path.size() + 1);
    std::snprintf(message.data(), message.size(), failureText, path.c_str());
    ShowOperatorBox(state, OperatorBox::SaveFailure, message.data(), kIconError);
}

}  // namespace

StorageRef OpenConfigFile(ModuleState& state, const char* fileName) {
    StoragePort* port = state.Ports.Storage;
    if (!port) return StorageRef();
    std::string path = state.ConfigFolder + fileName;
    return StorageRef(port, port->OpenFile(path.c_str()));
}

ReplacementFile::ReplacementFile(ModuleState& state, const char* fileName)
    : state_(state), path_(state.ConfigFolder + fileName), pendingPath_(path_ + kPendingSuffix) {
    if (StoragePort* port = state.Ports.Storage)
        root_ = StorageRef(port, port->CreateFile(pendingPath_.c_str()), &elementFailed_);
}

bool ReplacementFile::Commit(const char* failureText) {
    FilePort* files = state_.Ports.Files;
    bool created = static_cast<bool>(root_);
    bool finished = root_.Release() && created && !elementFailed_;
    bool replaced = finished && files && files->ReplaceFile(pendingPath_, path_);
    if (!replaced) {
        if (files) files->DeleteFile(pendingPath_);
        ShowFailure(state_, failureText, path_);
    }
    return replaced;
}

}  // namespace qvs
