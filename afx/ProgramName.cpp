#include "afx/ProgramName.h"

namespace afx {
namespace {

std::size_t NameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::string_view Stem(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

std::string ProgramTitle(std::string_view programPath) {
    return std::string(Stem(programPath.substr(NameStart(programPath))));
}

std::string HelpFilePathFor(std::string_view programPath) {
    if (programPath.empty()) {
        return {};
    }
    const std::size_t start = NameStart(programPath);
    return std::string(programPath.substr(0, start)) + ProgramTitle(programPath) + ".HLP";
}

}  // namespace afx
