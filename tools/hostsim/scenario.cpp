#include "scenario.h"

#include <cstdlib>
#include <fstream>

namespace hostsim {
namespace {

constexpr std::size_t kMaxRepeat = 1 << 20;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// {N*text} at raw[at]; false when it is not one.
bool ExpandRepeat(const std::string& raw, std::size_t& at, std::string& out) {
    std::size_t star = raw.find('*', at);
    std::size_t close = raw.find('}', at);
    if (star == std::string::npos || close == std::string::npos || star > close || star == at + 1) return false;
    std::string count = raw.substr(at + 1, star - at - 1);
    if (count.find_first_not_of("0123456789") != std::string::npos) return false;
    std::size_t times = std::strtoul(count.c_str(), nullptr, 10);
    std::string text = raw.substr(star + 1, close - star - 1);
    if (times * text.size() > kMaxRepeat) return false;
    for (std::size_t i = 0; i < times; ++i) out += text;
    at = close + 1;
    return true;
}

constexpr std::size_t kMaxRepetitions = 1000;

// "repeat N" ... "end-repeat": the steps between, N times over.
class Repetition {
public:
    bool Open() const { return open_; }
    bool Take(const Step& step, std::vector<Step>& steps, std::string& error) {
        const std::string& verb = step.Words[0];
        if (verb == "repeat") return Start(step, error);
        if (verb != "end-repeat") {
            (open_ ? block_ : steps).push_back(step);
            return true;
        }
        if (!open_) error = "line " + std::to_string(step.Line) + ": \"end-repeat\" without \"repeat\"";
        for (std::size_t i = 0; open_ && i < times_; ++i) steps.insert(steps.end(), block_.begin(), block_.end());
        bool was = open_;
        open_ = false;
        block_.clear();
        return was;
    }

private:
    bool Start(const Step& step, std::string& error) {
        times_ = step.Words.size() == 2 ? std::strtoul(step.Words[1].c_str(), nullptr, 10) : 0;
        if (open_ || times_ == 0 || times_ > kMaxRepetitions) {
            error = "line " + std::to_string(step.Line) + ": usage: repeat <1 to 1000> ... end-repeat, not nested";
            return false;
        }
        open_ = true;
        return true;
    }

    bool open_ = false;
    std::size_t times_ = 0;
    std::vector<Step> block_;
};

void SplitWords(Step& step) {
    const std::string& text = step.Text;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        if (at >= text.size()) break;
        std::size_t start = at;
        bool quoted = text[at] == '"';
        if (quoted) {
            ++at;
            while (at < text.size() && text[at] != '"') at += text[at] == '\\' ? 2 : 1;
            ++at;
        } else {
            while (at < text.size() && text[at] != ' ' && text[at] != '\t') ++at;
        }
        if (at > text.size()) at = text.size();
        std::string raw = text.substr(start, at - start);
        if (quoted && raw.size() >= 2 && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
        step.Words.push_back(Unescape(raw));
        step.Starts.push_back(start);
    }
}

}  // namespace

std::string Unescape(const std::string& raw) {
    std::string out;
    for (std::size_t at = 0; at < raw.size();) {
        char c = raw[at];
        if (c == '{' && ExpandRepeat(raw, at, out)) continue;
        if (c != '\\' || at + 1 >= raw.size()) {
            out += c;
            ++at;
            continue;
        }
        char next = raw[at + 1];
        if (next == 'x' && at + 3 < raw.size() && HexDigit(raw[at + 2]) >= 0 && HexDigit(raw[at + 3]) >= 0) {
            out += static_cast<char>(HexDigit(raw[at + 2]) * 16 + HexDigit(raw[at + 3]));
            at += 4;
        } else if (next == '\\' || next == '"') {
            out += next;
            at += 2;
        } else {
            out += c;  // a lone backslash, as in a Windows path
            ++at;
        }
    }
    return out;
}

std::string Step::Rest(std::size_t index) const {
    if (index >= Starts.size()) return std::string();
    std::string raw = Text.substr(Starts[index]);
    std::size_t end = raw.find_last_not_of(" \t");
    raw = raw.substr(0, end + 1);
    if (index + 1 == Words.size() && raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.substr(1, raw.size() - 2);
    return Unescape(raw);
}

bool ReadScenario(const std::string& path, std::vector<Step>& steps, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    Repetition repeat;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Step step;
        step.Line = number;
        step.Text = line;
        SplitWords(step);
        if (step.Words.empty()) continue;
        step.Comment = step.Words[0][0] == '#';
        if (!repeat.Take(step, steps, error)) return false;
    }
    if (repeat.Open()) error = "\"repeat\" without \"end-repeat\"";
    return !repeat.Open();
}

}  // namespace hostsim
