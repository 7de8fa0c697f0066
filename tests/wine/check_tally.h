// The tally every Windows-side check program keeps: one line per failure,
// then "N passed, M failed" and a non-zero exit when anything failed.
#pragma once
#include <cstdio>
#include <string>

namespace qvs {

struct CheckTally {
    int Passed = 0;
    int Failed = 0;

    void Check(bool ok, const std::string& what) {
        if (ok) {
            ++Passed;
        } else {
            ++Failed;
            std::printf("FAIL: %s\n", what.c_str());
        }
    }

    int Report() const {
        std::printf("%d passed, %d failed\n", Passed, Failed);
        return Failed == 0 ? 0 : 1;
    }
};

}  // namespace qvs
