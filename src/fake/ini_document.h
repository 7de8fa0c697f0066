// One INI file held in memory, read and changed the way the platform's
// private-profile calls read and change it. Portable on purpose: the Windows
// cross-check compiles it beside the real calls.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace qvs {

class IniDocument {
public:
    // Lines end at LF (a CR before it is a blank); blank lines are dropped,
    // lines before the first section belong to a nameless one.
    void Parse(const char* data, std::size_t size);
    std::string Serialize() const;

    // The stored value with one pair of matching quotes taken off, or null.
    bool Get(const std::string& section, const std::string& key, std::string& value) const;
    // What the platform's read call gives: the value or the fallback, cut
    // to capacity - 1 bytes.
    std::string Lookup(const std::string& section, const std::string& key, const std::string& fallback,
                       std::size_t capacity) const;
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // True when a section went.
    bool DeleteSection(const std::string& section);

private:
    struct Key {
        std::string Name;
        std::string Value;
        bool HasValue = false;  // a line without "=" keeps its text as the name
    };
    struct Section {
        std::string Name;
        bool Named = false;
        std::vector<Key> Keys;
        std::unordered_map<std::string, std::size_t> FirstKey;  // folded name -> index
    };

    Section& AddSection(const std::string& name, bool named);
    void AddKey(Section& section, Key key);
    Section* FindSection(const std::string& name);
    const Section* FindSection(const std::string& name) const;
    void IndexSections();
    void ParseLine(const char* text, std::size_t size);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSection_;  // folded name -> index
};

}  // namespace qvs
