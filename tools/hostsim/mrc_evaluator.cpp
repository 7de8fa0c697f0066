#include "mrc_evaluator.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace hostsim {
namespace {

constexpr long kStatementBudget = 200000;  // far above what any handler needs
const std::vector<std::string> kOperators = {"==", "!=", "<=", ">=", "<", ">", "isin", "isnum", "isop", "isvoice"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_'; }

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsNumber(const std::string& text, double& number) {
    if (text.empty()) return false;
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && !IsBlank(text[0]);
}

bool Truthy(const std::string& value) { return !value.empty() && value != "0" && LowerCase(value) != "$false"; }

std::string Token(const std::string& text, int n, char separator) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : text + separator) {
        if (c != separator) token += c;
        else if (!token.empty()) tokens.push_back(token), token.clear();
    }
    if (n < 0) n = static_cast<int>(tokens.size()) + 1 + n;
    return n >= 1 && n <= static_cast<int>(tokens.size()) ? tokens[n - 1] : std::string();
}

std::string AfterLast(const std::string& text, char c) {
    std::size_t at = text.find_last_of(c);
    return at == std::string::npos ? text : text.substr(at + 1);
}

std::string UpToLast(const std::string& text, char c) {
    std::size_t at = text.find_last_of(c);
    return at == std::string::npos ? std::string() : text.substr(0, at + 1);
}

// Reads "(...)" at at; the text up to the matching bracket, at moves past it.
std::string Group(const std::string& text, std::size_t& at) {
    std::size_t close = MatchingClose(text, at);
    if (close == std::string::npos) close = text.size() - 1;
    std::string inner = text.substr(at + 1, close - at - 1);
    at = close + 1;
    return inner;
}

void SkipBlanks(const std::string& text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
}

// A condition: bracketed groups joined by || or &&.
std::string ReadCondition(const std::string& text, std::size_t& at) {
    std::size_t start = at;
    for (;;) {
        SkipBlanks(text, at);
        if (at >= text.size() || text[at] != '(') break;
        Group(text, at);
        std::size_t next = at;
        SkipBlanks(text, next);
        if (text.compare(next, 2, "||") != 0 && text.compare(next, 2, "&&") != 0) break;
        at = next + 2;
    }
    return text.substr(start, at - start);
}

std::string RestOfLine(const std::string& text, std::size_t& at) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end;
    return Trimmed(line);
}

// A block "{ ... }" or the rest of the line.
std::string ReadBody(const std::string& text, std::size_t& at) {
    SkipBlanks(text, at);
    if (at < text.size() && text[at] == '{') {
        std::size_t close = MatchingClose(text, at);
        if (close == std::string::npos) close = text.size();
        std::string body = text.substr(at + 1, close - at - 1);
        at = close + 1;
        return body;
    }
    return RestOfLine(text, at);
}

// Pieces between separators that are outside brackets (empty ones kept).
template <typename IsSeparator>
std::vector<std::string> SplitOutsideBrackets(const std::string& text, IsSeparator isSeparator) {
    std::vector<std::string> pieces(1);
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        if (depth == 0 && isSeparator(c)) pieces.emplace_back();
        else pieces.back() += c;
    }
    return pieces;
}

class Calculator {
public:
    explicit Calculator(const std::string& text) : text_(text) {}
    double Sum() {
        double value = Product();
        for (char op; (op = Peek()) == '+' || op == '-';) {
            ++at_;
            value = op == '+' ? value + Product() : value - Product();
        }
        return value;
    }

private:
    double Product() {
        double value = Factor();
        for (char op; (op = Peek()) == '*' || op == '/' || op == '%';) {
            ++at_;
            double right = Factor();
            if (op == '*') value *= right;
            else if (right == 0) value = 0;
            else value = op == '/' ? value / right : std::fmod(value, right);
        }
        return value;
    }
    double Factor() {
        char c = Peek();
        if (c == '(') {
            ++at_;
            double value = Sum();
            if (Peek() == ')') ++at_;
            return value;
        }
        if (c == '-') return ++at_, -Factor();
        char* end = nullptr;
        double value = std::strtod(text_.c_str() + at_, &end);
        std::size_t used = static_cast<std::size_t>(end - (text_.c_str() + at_));
        if (used == 0 && at_ < text_.size()) ++at_;
        at_ += used;
        return value;
    }
    char Peek() {
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    const std::string& text_;
    std::size_t at_ = 0;
};

}  // namespace

struct MrcEvaluator::Frame {
    std::vector<std::string> Parameters;
    std::map<std::string, std::string> Variables;
    const EventIdentifiers* Event = nullptr;
    uint32_t Active = 0;
};

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words = SplitOutsideBrackets(text, IsBlank);
    words.erase(std::remove(words.begin(), words.end(), std::string()), words.end());
    return words;
}

std::vector<std::string> SplitArguments(const std::string& text) {
    return SplitOutsideBrackets(text, [](char c) { return c == ','; });
}

double Calculate(const std::string& expression) { return Calculator(expression).Sum(); }

std::string NumberText(double number) {
    char text[64];
    if (number == std::floor(number) && std::fabs(number) < 1e18) std::snprintf(text, sizeof text, "%.0f", number);
    else std::snprintf(text, sizeof text, "%g", number);
    return text;
}

std::string MrcEvaluator::Evaluate(const std::string& text, uint32_t active) {
    Frame frame;
    frame.Active = active;
    budget_ = kStatementBudget;
    return Line(text, frame);
}

void MrcEvaluator::Execute(const std::string& line, uint32_t active) {
    Frame frame;
    frame.Active = active;
    budget_ = kStatementBudget;
    std::string result;
    RunCommand(line, frame, result);
}

bool MrcEvaluator::RunEvent(const std::string& event, const EventIdentifiers& identifiers, uint32_t active) {
    const std::string* body = script_.Event(event);
    if (!body) return false;
    Frame frame;
    frame.Event = &identifiers;
    frame.Active = active;
    budget_ = kStatementBudget;
    std::string result;
    Run(*body, frame, result);
    return true;
}

bool MrcEvaluator::Run(const std::string& body, Frame& frame, std::string& result) {
    bool chainDone = true;
    for (std::size_t at = 0; at < body.size();) {
        if (--budget_ < 0) {
            overran_ = true;
            return true;
        }
        if (RunStatement(body, at, frame, result, chainDone)) return true;
    }
    return false;
}

// One statement at at; true when it returned from the alias.
bool MrcEvaluator::RunStatement(const std::string& body, std::size_t& at, Frame& frame, std::string& result,
                                bool& chainDone) {
    while (at < body.size() && std::isspace(static_cast<unsigned char>(body[at]))) ++at;
    if (at >= body.size()) return false;
    std::size_t wordEnd = at;
    while (wordEnd < body.size() && !std::isspace(static_cast<unsigned char>(body[wordEnd])) && body[wordEnd] != '(')
        ++wordEnd;
    std::string keyword = LowerCase(body.substr(at, wordEnd - at));
    if (keyword == "if" || keyword == "elseif" || keyword == "while") {
        at = wordEnd;
        std::string condition = ReadCondition(body, at);
        std::string inner = ReadBody(body, at);
        if (keyword == "while") {
            while (!overran_ && Condition(condition, frame))
                if (Run(inner, frame, result)) return true;
            chainDone = true;
            return false;
        }
        if (keyword == "elseif" && chainDone) return false;
        chainDone = Condition(condition, frame);
        return chainDone && Run(inner, frame, result);
    }
    if (keyword == "else") {
        at = wordEnd;
        std::string inner = ReadBody(body, at);
        bool skip = chainDone;
        chainDone = true;
        return !skip && Run(inner, frame, result);
    }
    chainDone = true;
    return RunCommand(RestOfLine(body, at), frame, result);
}

bool MrcEvaluator::RunCommand(const std::string& line, Frame& frame, std::string& result) {
    std::string text = Trimmed(line);
    while (!text.empty() && (text[0] == '/' || text[0] == '.')) text.erase(0, 1);
    std::size_t blank = text.find(' ');
    std::string name = LowerCase(text.substr(0, blank));
    std::string rest = blank == std::string::npos ? std::string() : Trimmed(text.substr(blank + 1));
    if (name.empty()) return false;
    if (name == "return") {
        result = Line(rest, frame);
        return true;
    }
    if (name == "var") SetVariable(rest, frame);
    else if (name == "inc" || name == "dec") Step(rest, frame, name == "inc" ? 1 : -1);
    else if (const std::string* alias = script_.Alias(name)) RunAlias(*alias, Line(rest, frame), frame);
    else world_.Command(name, SplitWords(Line(rest, frame)), frame.Active);
    return false;
}

std::string MrcEvaluator::RunAlias(const std::string& body, const std::string& parameters, Frame& caller) {
    Frame frame;
    frame.Parameters = SplitWords(parameters);
    frame.Event = caller.Event;
    frame.Active = caller.Active;
    std::string result;
    Run(body, frame, result);
    return result;
}

// "var %name = value" (or without "=").
void MrcEvaluator::SetVariable(const std::string& rest, Frame& frame) {
    std::size_t blank = rest.find(' ');
    std::string name = LowerCase(rest.substr(0, blank));
    std::string value = blank == std::string::npos ? std::string() : Trimmed(rest.substr(blank + 1));
    if (value.compare(0, 1, "=") == 0) value = Trimmed(value.substr(1));
    frame.Variables[name] = Line(value, frame);
}

void MrcEvaluator::Step(const std::string& rest, Frame& frame, int sign) {
    std::vector<std::string> words = SplitWords(rest);
    if (words.empty()) return;
    std::string& variable = frame.Variables[LowerCase(words[0])];
    double by = words.size() > 1 ? Calculate(Line(words[1], frame)) : 1;
    variable = NumberText(Calculate(variable) + sign * by);
}

// A line: each word evaluated once, "$+" joining its neighbours.
std::string MrcEvaluator::Line(const std::string& text, Frame& frame) {
    std::string line;
    bool join = false;
    bool first = true;
    for (const std::string& word : SplitWords(text)) {
        if (word == "$+") {
            join = true;
            continue;
        }
        if (!first && !join) line += ' ';
        line += Word(word, frame);
        first = false;
        join = false;
    }
    return line;
}

std::string MrcEvaluator::Word(const std::string& word, Frame& frame) {
    // "($ctime - %t)" in a sum: the bracket's words are evaluated too
    if (word.size() > 2 && word.front() == '(' && word.back() == ')')
        return "(" + Line(word.substr(1, word.size() - 2), frame) + ")";
    if (word.size() < 2 || (word[0] != '$' && word[0] != '%')) return word;
    std::size_t at = 1;
    while (at < word.size() && (IsNameChar(word[at]) || (word[0] == '$' && word[at] == '-' && at > 1))) ++at;
    std::string name = LowerCase(word.substr(1, at - 1));
    if (word[0] == '%') {
        auto found = frame.Variables.find("%" + name);
        return (found == frame.Variables.end() ? std::string() : found->second) + word.substr(at);
    }
    std::string argumentText, property;
    bool called = at < word.size() && word[at] == '(';
    if (called) argumentText = Group(word, at);
    if (at < word.size() && word[at] == '.') {
        std::size_t start = ++at;
        while (at < word.size() && (IsNameChar(word[at]) || word[at] == '$')) ++at;
        property = LowerCase(word.substr(start, at - start));
    }
    return Identifier(name, called ? argumentText : std::string(), property, frame) + word.substr(at);
}

std::string MrcEvaluator::Identifier(const std::string& name, const std::string& argumentText,
                                     const std::string& property, Frame& frame) {
    if (name == "iif") {
        std::vector<std::string> raw = SplitArguments(argumentText);
        raw.resize(3);
        return Line(Condition(raw[0], frame) ? raw[1] : raw[2], frame);
    }
    std::vector<std::string> args;
    if (!argumentText.empty())
        for (const std::string& raw : SplitArguments(argumentText)) args.push_back(Line(raw, frame));
    if (const std::string* alias = script_.Alias(name)) {
        Frame call;
        call.Event = frame.Event;
        call.Active = frame.Active;
        call.Parameters = args;
        std::string result;
        Run(*alias, call, result);
        return result;
    }
    std::string value = Parameter(name, frame);
    if (!value.empty() || (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])))) return value;
    if (name == "cid" && argumentText.empty()) return std::to_string(frame.Active);
    if (frame.Event && argumentText.empty() && frame.Event->count(name)) return frame.Event->at(name);
    if (TextIdentifier(name, args, value)) return value;
    world_.Identifier(name, args, property, frame.Active, value);
    return value;
}

std::string MrcEvaluator::Parameter(const std::string& name, const Frame& frame) const {
    if (name.empty() || !std::isdigit(static_cast<unsigned char>(name[0]))) return std::string();
    bool onward = name.back() == '-';
    std::size_t n = std::strtoul(name.c_str(), nullptr, 10);
    std::string value;
    for (std::size_t i = n; i >= 1 && i <= frame.Parameters.size(); ++i) {
        if (i > n) value += ' ';
        value += frame.Parameters[i - 1];
        if (!onward) break;
    }
    return value;
}

bool MrcEvaluator::TextIdentifier(const std::string& name, const std::vector<std::string>& args, std::string& value) {
    auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::string(); };
    auto number = [&](std::size_t i) { return static_cast<int>(Calculate(arg(i))); };
    if (name == "null") value.clear();
    else if (name == "true" || name == "false") value = "$" + name;
    else if (name == "calc") value = NumberText(Calculate(arg(0)));
    else if (name == "int") value = NumberText(std::trunc(Calculate(arg(0))));
    else if (name == "gettok") value = Token(arg(0), number(1), static_cast<char>(number(2)));
    else if (name == "istok") {
        bool found = false;
        for (int i = 1; !Token(arg(0), i, static_cast<char>(number(2))).empty(); ++i)
            found = found || LowerCase(Token(arg(0), i, static_cast<char>(number(2)))) == LowerCase(arg(1));
        value = found ? "$true" : "$false";
    } else if (name == "asc") value = arg(0).empty() ? "" : std::to_string(static_cast<unsigned char>(arg(0)[0]));
    else if (name == "regex") {
        std::string pattern = arg(1).size() > 2 ? arg(1).substr(1, arg(1).size() - 2) : arg(1);
        value = std::regex_search(arg(0), std::regex(pattern)) ? "1" : "0";
    } else if (name == "nopath") value = AfterLast(arg(0), '\\');
    else if (name == "nofile") value = UpToLast(arg(0), '\\');
    else if (name == "right") value = arg(0).substr(arg(0).size() - std::min<std::size_t>(arg(0).size(), number(1)));
    else if (name == "qt") value = "\"" + arg(0) + "\"";
    else return false;
    return true;
}

// Groups joined by || and && are taken left to right, as the host does.
bool MrcEvaluator::Condition(const std::string& text, Frame& frame) {
    std::string condition = Trimmed(text);
    if (condition.empty() || condition[0] != '(') return Comparison(condition, frame);
    bool value = false;
    std::string joiner;
    for (std::size_t at = 0;;) {
        SkipBlanks(condition, at);
        bool grouped = at < condition.size() && condition[at] == '(';
        std::string inner = grouped ? Group(condition, at) : condition.substr(at);
        if (!grouped) at = condition.size();
        bool term = Condition(inner, frame);
        value = joiner.empty() ? term : joiner == "||" ? (value || term) : (value && term);
        SkipBlanks(condition, at);
        if (at + 1 >= condition.size()) break;
        joiner = condition.substr(at, 2);
        at += 2;
    }
    return value;
}

bool MrcEvaluator::Comparison(const std::string& text, Frame& frame) {
    std::vector<std::string> words = SplitWords(text);
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string op = LowerCase(words[i]);
        bool negated = op.size() > 1 && op[0] == '!' && op != "!=";
        if (negated) op.erase(0, 1);
        bool known = false;
        for (const std::string& candidate : kOperators) known = known || candidate == op;
        if (!known) continue;
        std::string leftText, rightText;
        for (std::size_t j = 0; j < words.size(); ++j)
            (j < i ? leftText : rightText) += (j == i ? "" : words[j] + " ");
        std::string left = Line(leftText, frame), right = Line(rightText, frame);
        double a = 0, b = 0;
        bool numbers = IsNumber(left, a) && IsNumber(right, b);
        bool result;
        if (op == "==") result = numbers ? a == b : LowerCase(left) == LowerCase(right);
        else if (op == "!=") result = !(numbers ? a == b : LowerCase(left) == LowerCase(right));
        else if (op == "isin") result = LowerCase(right).find(LowerCase(left)) != std::string::npos;
        else if (op == "isnum") result = IsNumber(left, a);
        else if (op == "isop" || op == "isvoice") result = world_.HasMode(op, left, right, frame.Active);
        else {
            a = Calculate(left), b = Calculate(right);
            result = op == "<" ? a < b : op == ">" ? a > b : op == "<=" ? a <= b : a >= b;
        }
        return result != negated;
    }
    bool negated = !text.empty() && text[0] == '!';
    return Truthy(Line(negated ? text.substr(1) : text, frame)) != negated;
}

}  // namespace hostsim
