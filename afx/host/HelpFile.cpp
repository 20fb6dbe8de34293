#include "afx/host/HelpFile.h"

#include <charconv>

namespace afx::host {
namespace {

// "[131201] Select OS" -> 131201 and "Select OS".
std::optional<DWORD> TopicHeader(std::string_view line, std::string& title) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || close == 1) {
        return std::nullopt;
    }
    DWORD number = 0;
    const std::string_view digits = line.substr(1, close - 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(close + 1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    title.assign(rest);
    return number;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

std::optional<HelpTopic> FindHelpTopic(std::string_view fileText, DWORD context) {
    std::optional<HelpTopic> found;
    bool inTopic = false;
    std::size_t start = 0;
    while (start <= fileText.size()) {
        const std::size_t end = fileText.find('\n', start);
        const std::string_view line =
            WithoutCarriageReturn(fileText.substr(start, end == std::string_view::npos ? end : end - start));
        std::string title;
        if (const std::optional<DWORD> number = TopicHeader(line, title)) {
            if (found) {
                break;  // the wanted topic has ended
            }
            inTopic = *number == context;
            if (inTopic) {
                found = HelpTopic{std::move(title), {}};
            }
        } else if (inTopic) {
            found->body.append(line).push_back('\n');
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (found) {
        while (!found->body.empty() && (found->body.back() == '\n' || found->body.back() == ' ')) {
            found->body.pop_back();
        }
    }
    return found;
}

}  // namespace afx::host
