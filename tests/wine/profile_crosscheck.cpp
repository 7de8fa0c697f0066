// Windows-side cross-check of the profile port's two back ends: the
// platform's private-profile calls and our own INI reader and writer
// (fake/ini_document.h). Hand-written files are read by both and every answer
// compared; then one sequence of writes and deletions is applied by each side
// to its own file and each file is read by the other side.
//
// Usage: profile_crosscheck [scratch-folder]   (default: the current folder)
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "check_tally.h"
#include "fake/ini_document.h"
#include "win32/private_profile.h"

namespace {

constexpr std::size_t kCapacity = 2048;
const char kFallback[] = "<none>";

qvs::CheckTally tally;
qvs::PrivateProfile platform;

struct Query {
    std::string Section;
    std::string Key;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

qvs::IniDocument Ours(const std::string& path) {
    qvs::IniDocument document;
    std::string bytes = ReadFile(path);
    document.Parse(bytes.data(), bytes.size());
    return document;
}

void CompareReads(const std::string& path, const std::vector<Query>& queries, const std::string& what) {
    qvs::IniDocument ours = Ours(path);
    for (const Query& q : queries) {
        std::string theirs = platform.GetString(path, q.Section, q.Key, kFallback, kCapacity);
        std::string mine = ours.Lookup(q.Section, q.Key, kFallback, kCapacity);
        tally.Check(theirs == mine, what + " [" + q.Section + "] " + q.Key + ": platform \"" + theirs.substr(0, 60) +
                                        "\", ours \"" + mine.substr(0, 60) + "\"");
    }
}

const std::string kLong(70000, 'v');

const char kHandWritten[] =
    "[#Books.Net.MainChan]\r\n"
    "Queue1=alice,C:\\a.zip\r\n"
    "  QUEUE2 =   bob,C:\\b.zip   \r\n"
    "Queue3=\"quoted\"\n"
    "Queue4='single'\r\n"
    "Queue5=\"unbalanced\r\n"
    "Queue6=\"\r\n"
    "Queue1=second copy\r\n"
    "Queue8=nick,with,commas\r\n"
    "\r\n"
    "[Other]\r\n"
    "Queue1=other\r\n"
    "[#books.net.mainchan]\r\n"
    "Queue7=in the second copy of the section\r\n";

std::vector<Query> HandQueries() {
    std::vector<Query> queries;
    for (const char* section : {"#Books.Net.MainChan", "#BOOKS.net.mainchan", " Other ", "Other", "Missing"})
        for (const char* key : {"Queue1", "queue2", " Queue3 ", "Queue4", "Queue5", "Queue6", "Queue7", "QUEUE8",
                                "SaveTime"})
            queries.push_back({section, key});
    return queries;
}

// One sequence of changes, applied through a writer of either side.
template <typename Write, typename Delete>
void ApplyChanges(Write write, Delete remove) {
    write("#chan.Net.MainChan", "Queue1", "alice,C:\\shared\\a b.zip");
    write("#chan.Net.MainChan", "Queue2", "   leading,C:\\x.zip");
    write("#chan.Net.MainChan", "Queue3", "\"quoted\"");
    write("#chan.Net.MainChan", "Queue4", kLong);
    write("#chan.Net.SQueue", "Queue1", "bob,C:\\s.txt");
    write("#CHAN.net.mainchan", "queue1", "carol,C:\\replaced.zip");
    write("#chan.Net.Op-Voice", "Queue1", "dave,C:\\o.zip");
    write("#chan.Net.MainChan", "SaveTime", "1772874303");
    remove("#chan.Net.SQueue");
    write("#chan.Net.SQueue", "Queue1", "erin,C:\\again.txt");
    remove("#chan.Net.Op-Voice");
}

std::vector<Query> ChangeQueries() {
    std::vector<Query> queries;
    for (const char* section : {"#chan.Net.MainChan", "#chan.Net.SQueue", "#chan.Net.Op-Voice"})
        for (const char* key : {"Queue1", "Queue2", "Queue3", "Queue4", "Queue5", "SaveTime"})
            queries.push_back({section, key});
    return queries;
}

void PlatformWrites(const std::string& path) {
    ApplyChanges([&](const char* s, const char* k, const std::string& v) { platform.WriteString(path, s, k, v); },
                 [&](const char* s) { platform.DeleteSection(path, s); });
    platform.Flush(path);
}

void OursWrites(const std::string& path) {
    qvs::IniDocument document;
    ApplyChanges([&](const char* s, const char* k, const std::string& v) { document.Set(s, k, v); },
                 [&](const char* s) { document.DeleteSection(s); });
    WriteFile(path, document.Serialize());
}

// A section written twice in the file: both sides write into the first and
// delete both.
void DuplicateSection(const std::string& folder) {
    const char twice[] = "[Q]\r\nQueue1=first\r\n[R]\r\nk=r\r\n[q]\r\nQueue1=second\r\n";
    std::string mine = folder + "\\dup-ours.dat", theirs = folder + "\\dup-platform.dat";
    WriteFile(mine, twice);
    WriteFile(theirs, twice);
    qvs::IniDocument document = Ours(mine);
    document.Set("Q", "Queue2", "added");
    WriteFile(mine, document.Serialize());
    platform.WriteString(theirs, "Q", "Queue2", "added");
    platform.Flush(theirs);
    std::vector<Query> queries = {{"Q", "Queue1"}, {"Q", "Queue2"}, {"R", "k"}};
    CompareReads(mine, queries, "duplicate, ours wrote");
    CompareReads(theirs, queries, "duplicate, platform wrote");
    document.DeleteSection("q");
    WriteFile(mine, document.Serialize());
    platform.DeleteSection(theirs, "q");
    platform.Flush(theirs);
    CompareReads(mine, queries, "duplicate deleted, ours wrote");
    CompareReads(theirs, queries, "duplicate deleted, platform wrote");
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    std::string hand = folder + "\\hand.dat";
    WriteFile(hand, kHandWritten);
    CompareReads(hand, HandQueries(), "hand-written");
    CompareReads(folder + "\\missing.dat", HandQueries(), "missing file");

    std::string theirs = folder + "\\platform.dat", mine = folder + "\\ours.dat";
    PlatformWrites(theirs);
    OursWrites(mine);
    CompareReads(theirs, ChangeQueries(), "platform wrote");
    CompareReads(mine, ChangeQueries(), "ours wrote");
    qvs::IniDocument fromTheirs = Ours(theirs), fromMine = Ours(mine);
    for (const Query& q : ChangeQueries())
        tally.Check(fromTheirs.Lookup(q.Section, q.Key, kFallback, kCapacity) ==
                        fromMine.Lookup(q.Section, q.Key, kFallback, kCapacity),
                    "same content [" + q.Section + "] " + q.Key);
    DuplicateSection(folder);
    return tally.Report();
}
