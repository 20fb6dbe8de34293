#include "flows/FlowTokens.h"

#include <charconv>

namespace flows {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a text in single quotes, as it stands: Windows paths keep their backslashes.
bool ReadRawText(std::string_view line, std::size_t& at, std::string& text, std::string& error)
{
    const std::size_t close = line.find('\'', at + 1);
    if (close == std::string_view::npos) {
        error = "a text is not closed with '";
        return false;
    }
    text = std::string(line.substr(at + 1, close - at - 1));
    at = close + 1;
    return true;
}

// Reads a quoted text starting at line[at] == '"'; `at` ends after the closing quote.
bool ReadText(std::string_view line, std::size_t& at, std::string& text, std::string& error)
{
    if (line[at] == '\'')
        return ReadRawText(line, at, text, error);
    ++at;
    while (at < line.size() && line[at] != '"') {
        char c = line[at++];
        if (c != '\\') {
            text.push_back(c);
            continue;
        }
        if (at >= line.size())
            break;
        const char escape = line[at++];
        switch (escape) {
        case '\\': text.push_back('\\'); break;
        case '"': text.push_back('"'); break;
        case 'n': text.push_back('\n'); break;
        case 'r': text.push_back('\r'); break;
        case 't': text.push_back('\t'); break;
        case 'x': {
            const int high = at < line.size() ? HexDigit(line[at]) : -1;
            const int low = at + 1 < line.size() ? HexDigit(line[at + 1]) : -1;
            if (high < 0 || low < 0 || (high == 0 && low == 0)) {
                error = "\\x needs two hex digits, not 00";
                return false;
            }
            text.push_back(static_cast<char>(high * 16 + low));
            at += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + escape;
            return false;
        }
    }
    if (at >= line.size()) {
        error = "a text is not closed with \"";
        return false;
    }
    ++at;
    return true;
}

// "*N" right after a text: the text N times.
bool ReadRepeat(std::string_view line, std::size_t& at, std::string& text, std::string& error)
{
    if (at >= line.size() || line[at] != '*')
        return true;
    ++at;
    std::size_t count = 0;
    const char* first = line.data() + at;
    const char* last = line.data() + line.size();
    const auto [end, ec] = std::from_chars(first, last, count);
    if (ec != std::errc() || end == first) {
        error = "a repeat needs a count: \"x\"*10";
        return false;
    }
    at += static_cast<std::size_t>(end - first);
    if (count == 0 || text.empty() || text.size() * count > kMaxTextLength) {
        error = "a repeat must give a text of 1 to " + std::to_string(kMaxTextLength) + " bytes";
        return false;
    }
    std::string repeated;
    repeated.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        repeated += text;
    text = std::move(repeated);
    return true;
}

}  // namespace

bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error)
{
    tokens.clear();
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && IsSpace(line[at]))
            ++at;
        if (at >= line.size() || line[at] == '#')
            return true;
        Token token;
        if (line[at] == '"' || line[at] == '\'') {
            token.kind = Token::Kind::Text;
            if (!ReadText(line, at, token.text, error) || !ReadRepeat(line, at, token.text, error))
                return false;
            if (at < line.size() && !IsSpace(line[at]) && line[at] != '#') {
                error = "a text must be followed by a space";
                return false;
            }
        } else {
            const std::size_t start = at;
            while (at < line.size() && !IsSpace(line[at]) && line[at] != '"' && line[at] != '\'' && line[at] != '#')
                ++at;
            token.text = std::string(line.substr(start, at - start));
            token.kind = token.text == "null" ? Token::Kind::Null : Token::Kind::Word;
        }
        tokens.push_back(std::move(token));
    }
}

std::string Quote(std::string_view text)
{
    constexpr std::size_t kShown = 160;
    std::string shown;
    auto append = [&shown](std::string_view part) {
        for (unsigned char c : part) {
            static const char kHex[] = "0123456789abcdef";
            switch (c) {
            case '\\': shown += "\\\\"; break;
            case '"': shown += "\\\""; break;
            case '\n': shown += "\\n"; break;
            case '\r': shown += "\\r"; break;
            case '\t': shown += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    shown += "\\x";
                    shown += kHex[c >> 4];
                    shown += kHex[c & 0xF];
                } else {
                    shown += static_cast<char>(c);
                }
            }
        }
    };
    if (text.size() <= 2 * kShown) {
        append(text);
    } else {
        // Cut on character boundaries so a long UTF-8 text stays valid.
        std::size_t head = kShown;
        while (head < text.size() && (static_cast<unsigned char>(text[head]) & 0xC0) == 0x80)
            ++head;
        std::size_t tail = text.size() - kShown;
        while (tail < text.size() && (static_cast<unsigned char>(text[tail]) & 0xC0) == 0x80)
            ++tail;
        append(text.substr(0, head));
        shown += "\"...(" + std::to_string(text.size()) + " bytes)...\"";
        append(text.substr(tail));
    }
    return "\"" + shown + "\"";
}

std::string WithoutMnemonics(std::string_view caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            plain.push_back(caption[i]);
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            plain.push_back('&');
            ++i;
        }
    }
    return plain;
}

}  // namespace flows
