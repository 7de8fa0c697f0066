// The host as the companion script sees it while hostsim follows the
// script: its identifiers and commands answered from the host model, $dll
// and $isfile handed to whoever plays the DLLs and the disk.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "host_model.h"
#include "mrc_evaluator.h"

namespace hostsim {

class HostScriptWorld : public ScriptWorld {
public:
    explicit HostScriptWorld(HostModel& model) : model_(model) {}

    bool Identifier(const std::string& name, const std::vector<std::string>& args, const std::string& property,
                    uint32_t active, std::string& value) override;
    bool HasMode(const std::string& mode, const std::string& nick, const std::string& channel,
                 uint32_t active) override;
    void Command(const std::string& name, const std::vector<std::string>& words, uint32_t& active) override;

    // $dll(file, export, data): the answer the DLL leaves.
    std::function<std::string(const std::string&, const std::string&, const std::string&)> Dll;
    std::function<bool(const std::string&)> IsFile;
    // Commands the script ran, as it ran them ("dcc send -m bob "C:\a.txt"").
    std::vector<std::string> Commands;

private:
    bool ConnectionIdentifier(const std::string& name, const std::vector<std::string>& args,
                              const std::string& property, uint32_t active, std::string& value) const;
    bool ChannelIdentifier(const std::string& name, const std::vector<std::string>& args, uint32_t active,
                           std::string& value) const;
    void Dcc(const std::vector<std::string>& words, uint32_t active);

    HostModel& model_;
};

}  // namespace hostsim
