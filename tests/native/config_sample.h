// A configuration that fills every stored field with a value no default
// could produce, and a field-by-field comparison of two configurations.
// Shared by the native tests and the Windows-side cross-check, so it uses
// neither test framework.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs::configsample {

struct Comparison {
    uint32_t Passed = 0;
    std::vector<std::string> Failures;

    void Check(bool same, const std::string& what);
    uint32_t Failed() const { return static_cast<uint32_t>(Failures.size()); }
};

// Two user groups and three free nicks, three networks, three random files,
// two advertisement groups, two file lists (one with every optional text and
// name list, one with none), and two channels (one selecting everything, one
// selecting nothing), with the global settings and group defaults changed.
void BuildFullConfiguration(ModuleState& state);

// Every stored field and every selection link of actual against expected.
void CompareConfiguration(const ModuleState& expected, const ModuleState& actual, Comparison& comparison);

}  // namespace qvs::configsample
