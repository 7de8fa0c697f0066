#include <gtest/gtest.h>

#include "hostlink/chosen_files.h"

namespace qvs {
namespace {

TEST(ChosenFiles, OnePathOrAFolderWithItsNames) {
    using std::string_literals::operator""s;
    struct Case {
        std::string Buffer;
        std::vector<std::string> Want;
    } cases[] = {
        {"\0\0"s, {}},
        {"C:\\served\\movie.avi\0\0"s, {"C:\\served\\movie.avi"}},
        {"C:\\served\0a.txt\0b c.txt\0\0"s, {"C:\\served\\a.txt", "C:\\served\\b c.txt"}},
        {"C:\\\0a.txt\0b.txt\0\0"s, {"C:\\a.txt", "C:\\b.txt"}},
        // Filled to the end: the cut name is not a file.
        {"C:\\served\0a.txt\0b.t"s, {"C:\\served\\a.txt"}},
        {"C:\\served\\movie.a"s, {}},
        {"C:\\served\0b.t"s, {}},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ChosenFilePaths(test.Buffer.data(), test.Buffer.size()), test.Want) << test.Buffer;
}

}  // namespace
}  // namespace qvs
