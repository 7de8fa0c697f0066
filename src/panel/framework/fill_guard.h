// While a page shows a record, setting its controls raises the same
// notifications as the operator's edits; the guard tells them apart so that
// filling or clearing a page never writes into a record.
#pragma once

namespace qvs {

class FillGuard {
public:
    explicit FillGuard(int& depth) : depth_(depth) { ++depth_; }
    ~FillGuard() { --depth_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    int& depth_;
};

}  // namespace qvs
