#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace fakes {

// Names compare as Windows compares registry, printer and file names: ignoring the
// case of ASCII letters.
inline char FoldCase(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const
    {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return FoldCase(x) < FoldCase(y); });
    }
};

}  // namespace fakes
