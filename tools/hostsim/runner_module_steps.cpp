// Steps that call the module's exports and look at its threads and records.
#include "model/records.h"
#include "runner.h"
#include "step_words.h"

namespace hostsim {
namespace {

Outcome Verdict(bool passed, const std::string& detail) { return {passed, detail}; }

// Connections in the module's list from this one on.
std::size_t CountFrom(const qvs::Connection* connection) {
    std::size_t count = 0;
    for (; connection; connection = connection->Next) ++count;
    return count;
}

}  // namespace

Outcome Runner::Load(const Step&) {
    if (module_.Loaded()) return Verdict(false, "already loaded");
    std::string error;
    if (!module_.Load(modulePath_, host_.Handle(), error)) return Verdict(false, error);
    return Verdict(true, "loaded " + modulePath_);
}

Outcome Runner::InitDll(const Step&) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    int result = module_.InitDLL(host_.Handle());
    if (HWND panel = module_.GethWnd()) {
        RECT frame{};
        GetWindowRect(panel, &frame);
        initialWidth_ = frame.right - frame.left;
        initialHeight_ = frame.bottom - frame.top;
    }
    return Verdict(result == 1, "InitDLL returned " + std::to_string(result));
}

Outcome Runner::ShowPanel(const Step& step) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    int result = module_.ShowPanel(host_.Handle(), step.Rest(1));
    return Verdict(result == 1, "ShowPanel returned " + std::to_string(result));
}

Outcome Runner::ListGen(const Step& step) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    int result = module_.ListGen(host_.Handle(), step.Rest(1));
    return Verdict(result == 1, "_ListGen returned " + std::to_string(result));
}

Outcome Runner::GetValue(const Step& step) {
    uint32_t selector = 0;
    const std::string& want = step.Words[2];
    if (!ParseUnsigned(step.Words[1], selector) || (want != "zero" && want != "nonzero"))
        return Verdict(false, "usage: getvalue <selector> zero|nonzero");
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    bool nonzero = module_.GetValue(selector) != nullptr;
    return Verdict(nonzero == (want == "nonzero"), std::string("GetValue gave ") + (nonzero ? "a record" : "0"));
}

Outcome Runner::ExpectFirstConnection(const Step& step) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    const auto* connection = static_cast<const qvs::Connection*>(module_.GetValue(1));
    if (!connection) return Verdict(false, "GetValue(1) gave no Connection");
    const std::string& field = step.Words[1];
    std::string want = step.Rest(2);
    std::string seen;
    if (field == "id") seen = std::to_string(connection->ConnectionId);
    else if (field == "network") seen = connection->NetworkName.c_str();
    else if (field == "network-length") seen = std::to_string(std::string(connection->NetworkName.c_str()).size());
    else if (field == "count") seen = std::to_string(CountFrom(connection));
    else return Verdict(false, "no such field: " + field);
    return Verdict(seen == want, field + " is \"" + seen + "\"");
}

Outcome Runner::ExpectFirstChannel(const Step& step) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    const auto* config = static_cast<const qvs::ChannelConfig*>(module_.GetValue(2));
    if (!config) return Verdict(false, "GetValue(2) gave no ChannelConfig");
    if (step.Words[1] != "name") return Verdict(false, "no such field: " + step.Words[1]);
    std::string seen = config->ChannelName.c_str();
    return Verdict(seen == step.Rest(2), "name is \"" + seen + "\"");
}

Outcome Runner::Unload(const Step& step) {
    uint32_t reason = 0, expected = 0;
    bool check = step.Words.size() > 2;
    if (!ParseUnsigned(step.Words[1], reason) || (check && !ParseUnsigned(step.Words[2], expected)))
        return Verdict(false, "usage: unload <reason> [<expected result>]");
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    int result = module_.UnloadDll(static_cast<int>(reason));
    return Verdict(!check || result == static_cast<int>(expected), "UnloadDll returned " + std::to_string(result));
}

Outcome Runner::Free(const Step&) {
    if (!module_.Loaded()) return Verdict(false, "not loaded");
    module_.Free();
    return Verdict(true, "FreeLibrary done");
}

Outcome Runner::ExpectGethWnd(const Step& step) {
    const std::string& want = step.Words[1];
    if (want != "zero" && want != "nonzero") return Verdict(false, "usage: expect-gethwnd zero|nonzero");
    bool nonzero = module_.GethWnd() != nullptr;
    return Verdict(nonzero == (want == "nonzero"), std::string("GethWnd is ") + (nonzero ? "a window" : "0"));
}

Outcome Runner::ExpectModuleThreads(const Step& step) {
    uint32_t want = 0;
    if (!ParseUnsigned(step.Words[1], want)) return Verdict(false, "usage: expect-module-threads <count>");
    int seen = -1;
    PumpUntil(
        [&] {
            seen = module_.CountThreads();
            return seen == static_cast<int>(want);
        },
        deadlineMs_);
    return Verdict(seen == static_cast<int>(want), std::to_string(seen) + " thread(s) run module code");
}

}  // namespace hostsim
