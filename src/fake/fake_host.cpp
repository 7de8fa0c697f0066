#include "fake/fake_host.h"

#include <cstring>

namespace qvs {

uint32_t FakeHost::SendToHost(uint32_t message, uint32_t, uint32_t) {
    std::string text(view_, strnlen(view_, kViewSize));
    if (message == 1224) {
        Executed.push_back(text);
        return 1;
    }
    Evaluated.push_back(text);
    std::string value;
    auto found = answers_.find(text);
    if (found != answers_.end())
        value = found->second;
    else if (!Resolver || !Resolver(text, value))
        return RefusalAnswer;
    std::size_t length = value.size() < kViewSize - 1 ? value.size() : kViewSize - 1;
    std::memcpy(view_, value.data(), length);
    view_[length] = '\0';
    return 1;
}

void FakeHost::PostToHost(uint32_t, uint32_t, uint32_t) { Posted.emplace_back(view_, strnlen(view_, kViewSize)); }

}  // namespace qvs
