// A host that records every command and answers identifiers from its model.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ports/host_transport.h"

namespace qvs {

class FakeHost : public HostTransport {
public:
    static constexpr uint32_t kViewSize = 10240;

    char* SharedView() override { return mapped_ ? view_ : nullptr; }
    uint32_t SharedViewSize() override { return kViewSize; }
    void Lock() override { ++lockDepth_; }
    void Unlock() override { --lockDepth_; }
    uint32_t SendToHost(uint32_t message, uint32_t first, uint32_t second) override;
    void PostToHost(uint32_t message, uint32_t first, uint32_t second) override;

    // Model: exact identifier text -> value. Unknown identifiers go to the
    // resolver, then are refused (answer 0).
    void Answer(const std::string& identifier, const std::string& value) { answers_[identifier] = value; }
    void Refuse(const std::string& identifier) { answers_.erase(identifier); }
    std::function<bool(const std::string& identifier, std::string& value)> Resolver;
    // What the host answers for a refused evaluation.
    uint32_t RefusalAnswer = 0;
    void Unmap() { mapped_ = false; }

    std::vector<std::string> Executed;
    std::vector<std::string> Posted;
    std::vector<std::string> Evaluated;
    int LockDepth() const { return lockDepth_; }

private:
    char view_[kViewSize] = {};
    bool mapped_ = true;
    int lockDepth_ = 0;
    std::map<std::string, std::string> answers_;
};

}  // namespace qvs
