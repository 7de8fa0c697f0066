#include "fake/ini_document.h"

#include "model/names.h"

namespace qvs {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string Trimmed(const char* text, std::size_t size) {
    std::size_t first = 0, last = size;
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return std::string(text + first, last - first);
}

std::string Trimmed(const std::string& text) { return Trimmed(text.data(), text.size()); }

std::string Folded(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

// Leading blanks go, as the platform drops them when writing; a line break
// would split the entry, so the value ends before one.
std::string StoredValue(const std::string& value) {
    std::size_t first = 0;
    while (first < value.size() && IsBlank(value[first])) ++first;
    std::size_t end = value.find_first_of("\r\n", first);
    return value.substr(first, end == std::string::npos ? std::string::npos : end - first);
}

std::string WithoutQuotes(const std::string& value) {
    bool quoted = value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Section names run to the last "]" of their line.
std::string SectionName(const std::string& line) {
    std::size_t close = line.rfind(']');
    if (close == std::string::npos || close == 0) return line.substr(1);
    return line.substr(1, close - 1);
}

}  // namespace

IniDocument::Section& IniDocument::AddSection(const std::string& name, bool named) {
    sections_.push_back(Section{name, named, {}, {}});
    firstSection_.emplace(Folded(name), sections_.size() - 1);
    return sections_.back();
}

void IniDocument::AddKey(Section& section, Key key) {
    section.FirstKey.emplace(Folded(key.Name), section.Keys.size());
    section.Keys.push_back(std::move(key));
}

void IniDocument::ParseLine(const char* text, std::size_t size) {
    std::string line = Trimmed(text, size);
    if (line.empty()) return;
    if (line[0] == '[') {
        AddSection(SectionName(line), true);
        return;
    }
    if (sections_.empty()) AddSection("", false);
    std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return AddKey(sections_.back(), Key{line, "", false});
    AddKey(sections_.back(),
           Key{Trimmed(line.data(), equals), Trimmed(line.data() + equals + 1, line.size() - equals - 1), true});
}

void IniDocument::Parse(const char* data, std::size_t size) {
    sections_.clear();
    firstSection_.clear();
    std::size_t start = 0;
    while (start < size) {
        const void* found = std::char_traits<char>::find(data + start, size - start, '\n');
        std::size_t end = found ? static_cast<const char*>(found) - data : size;
        ParseLine(data + start, end - start);
        start = end + 1;
    }
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const Section& section : sections_) {
        if (section.Named) out += "[" + section.Name + "]\r\n";
        for (const Key& key : section.Keys) out += key.HasValue ? key.Name + "=" + key.Value + "\r\n" : key.Name + "\r\n";
    }
    return out;
}

const IniDocument::Section* IniDocument::FindSection(const std::string& name) const {
    auto found = firstSection_.find(Folded(Trimmed(name)));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

IniDocument::Section* IniDocument::FindSection(const std::string& name) {
    return const_cast<Section*>(static_cast<const IniDocument*>(this)->FindSection(name));
}

bool IniDocument::Get(const std::string& section, const std::string& key, std::string& value) const {
    const Section* found = FindSection(section);
    if (!found) return false;
    auto at = found->FirstKey.find(Folded(Trimmed(key)));
    if (at == found->FirstKey.end() || !found->Keys[at->second].HasValue) return false;
    value = WithoutQuotes(found->Keys[at->second].Value);
    return true;
}

std::string IniDocument::Lookup(const std::string& section, const std::string& key, const std::string& fallback,
                                std::size_t capacity) const {
    std::string value;
    if (!Get(section, key, value)) value = fallback;
    if (capacity == 0) return std::string();
    if (value.size() > capacity - 1) value.resize(capacity - 1);
    return value;
}

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
    Section* target = FindSection(section);
    if (!target) target = &AddSection(Trimmed(section), true);
    std::string name = Trimmed(key);
    auto at = target->FirstKey.find(Folded(name));
    if (at == target->FirstKey.end())
        return AddKey(*target, Key{name, StoredValue(value), true});
    target->Keys[at->second].Value = StoredValue(value);
    target->Keys[at->second].HasValue = true;
}

bool IniDocument::DeleteSection(const std::string& section) {
    if (!FindSection(section)) return false;
    std::string folded = Folded(Trimmed(section));
    std::vector<Section> kept;
    for (Section& each : sections_)
        if (!each.Named || Folded(each.Name) != folded) kept.push_back(std::move(each));
    sections_ = std::move(kept);
    IndexSections();
    return true;
}

void IniDocument::IndexSections() {
    firstSection_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) firstSection_.emplace(Folded(sections_[i].Name), i);
}

}  // namespace qvs
