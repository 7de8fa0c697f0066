#include "lists/list_binding.h"

#include "hostlink/user_text.h"
#include "model/channel_config.h"

namespace qvs {
namespace {

constexpr char kTriggerUsedMessage[] =
    "Cannot add this list to this channel :\r\nTrigger: %s is already used in this channel";

bool IsBound(const ChannelConfig* config, const FileList* list) {
    for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next)
        if (selection->List == list) return true;
    return false;
}

}  // namespace

std::string CheckListBinding(const ChannelConfig* config, const FileList* list) {
    if (list->ListTrigger.IsEmpty()) return "";
    for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next)
        if (selection->List && selection->List->ListTrigger.Equals(list->ListTrigger.c_str()))
            return FormatUserText(kTriggerUsedMessage, list->ListTrigger.c_str());
    return "";
}

ListSelection* BindFileList(ChannelConfig* config, FileList* list) {
    if (IsBound(config, list) || !CheckListBinding(config, list).empty()) return nullptr;
    return SelectFileList(*config, *list);
}

}  // namespace qvs
