// A served channel "#files" on connection 0 with its own nick "Server",
// lists whose list files and served files lie in the scratch folder, and
// helpers to say a line and read the answers.
#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "hostlink/config_folder.h"
#include "intake/served_channels.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "module_fixture.h"
#include "requests/dispatch.h"

namespace qvs {

// Turns the two-digit "\xHH" escapes of a quoted message text into bytes,
// so the expected texts can be written exactly as users see them described.
inline std::string Escaped(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

class RequestsTest : public ModuleTest {
protected:
    RequestsTest() {
        state.Hold = HoldMode::HoldAll;  // admitted entries stay where admission put them
        SetConfigFolder(state, scratch.Path() + "\\");
        platform.Files.CreateFolder(ServedFolder());
        host.Answer("$me", "Server");
        host.Answer("$network", "TestNet");
        host.Resolver = [](const std::string& identifier, std::string& value) {
            if (identifier.rfind("$GetComChan(", 0) == 0) {
                value = "1";
                return true;
            }
            if (identifier.rfind("$GetOpStatus(", 0) == 0 || identifier.rfind("$GetVoiceStatus(", 0) == 0) {
                value = "";
                return true;
            }
            return false;
        };
        config = NewChannelConfig(state, "#files");
        config->RestoreSavedQueue = 0;
        channel = OpenServedChannel(state, 0, "#files");
        host.Evaluated.clear();
    }

    std::string ServedFolder() const { return scratch.Path() + "\\served\\"; }

    // A list served in #files with the given triggers and access mode.
    FileList* AddList(const std::string& name, const char* fileTrigger, const char* listTrigger = nullptr,
                      uint32_t accessMode = kBothWindows) {
        FileList* list = NewRecord<FileList>();
        list->ListName.Set(name.c_str());
        list->FileTrigger.Set(fileTrigger);
        list->ListTrigger.Set(listTrigger);
        AppendName(list->CreationFolder, ServedFolder().c_str());
        state.FileLists.PushBack(list);
        SelectFileList(*config, *list)->AccessMode = accessMode;
        return list;
    }

    // Writes the list's current list file with the given body.
    void WriteListFile(FileList* list, const std::string& body) {
        std::string name = std::string(list->ListName.c_str()) + "-20260307";
        list->TrueListName.Set(name.c_str());
        WriteFile(state.ConfigFolder + name + ".txt", body);
    }

    // A list file in the usual layout: one line per name, with sizes, under
    // a folder header for the served folder.
    void ListNames(FileList* list, const std::vector<std::string>& names) {
        list->IncludeFileSize = 1;
        list->IncludeFolderName = 1;
        std::string body = "Header line\r\n\r\n[ Contents of " + ServedFolder() + " ]\r\n";
        for (const std::string& name : names)
            body += std::string(list->FileTrigger.c_str()) + " " + name + "     -  1.2 KB\r\n";
        WriteListFile(list, body);
    }

    // Creates a served file of that many bytes; its Windows path.
    std::string ServeFile(const std::string& name, std::size_t size = 100000) {
        std::string path = ServedFolder() + name;
        WriteFile(path, std::string(size, 'x'));
        return path;
    }

    void WriteFile(const std::string& windowsPath, const std::string& bytes) {
        std::ofstream file(PosixFiles::Native(windowsPath), std::ios::binary | std::ios::trunc);
        file << bytes;
    }

    UserGroup* AddGroup(const char* name, const std::vector<std::string>& members) {
        UserGroup* group = NewRecord<UserGroup>();
        group->GroupName.Set(name);
        for (const std::string& nick : members) AppendName(group->Members, nick.c_str());
        state.UserGroups.PushBack(group);
        return group;
    }

    GroupSelection* SelectGroup(UserGroup* group) {
        GroupSelection* selection = NewRecord<GroupSelection>();
        selection->Group = group;
        selection->Config = config;
        config->UserGroupLinks.PushBack(selection);
        return selection;
    }

    int Say(const std::string& nick, const std::string& message, bool inQuery = false) {
        std::string channelText = "#files";
        TextEvent event{0, &channelText[0], const_cast<char*>(nick.c_str()), const_cast<char*>(message.c_str()), 0,
                        inQuery ? 1u : 0u};
        return DispatchTrigger(state, channel, event);
    }

    // The texts of every notice (or private message) that reached the host.
    std::vector<std::string> Sent(const std::string& verb, const std::string& nick) const {
        std::vector<std::string> texts;
        std::string prefix = verb + " " + nick + " ";
        for (const std::string& command : host.Executed)
            if (command.rfind(prefix, 0) == 0) texts.push_back(command.substr(prefix.size()));
        return texts;
    }
    std::vector<std::string> Notices(const std::string& nick = "bob") const { return Sent("/notice", nick); }
    std::vector<std::string> Messages(const std::string& nick = "bob") const { return Sent("/msg", nick); }

    std::vector<std::string> WaitingPaths(const Queue& queue) const {
        std::vector<std::string> paths;
        for (const QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next)
            paths.push_back(entry->FilePath.c_str());
        return paths;
    }
    std::vector<std::string> WaitingNicks(const Queue& queue) const {
        std::vector<std::string> nicks;
        for (const QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next)
            nicks.push_back(entry->Nick.c_str());
        return nicks;
    }

    ChannelConfig* config = nullptr;
    ServedChannel* channel = nullptr;
};

}  // namespace qvs
