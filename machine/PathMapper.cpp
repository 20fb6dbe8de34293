#include "machine/PathMapper.h"

#include "machine/RegistryStore.h"

#include <cstring>
#include <optional>
#include <system_error>
#include <vector>

namespace machine {

namespace {

namespace fs = std::filesystem;

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters Windows refuses in a file name.
bool IsForbidden(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || std::strchr("<>:\"|?*", c) != nullptr;
}

MappedPath Refuse(Win32Error error, std::string why)
{
    MappedPath result;
    result.error = error;
    result.why = std::move(why);
    return result;
}

std::vector<std::string_view> SplitComponents(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (i > start)
                parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

std::string_view FileNamePart(std::string_view entry)
{
    const std::size_t cut = entry.find_last_of("\\/");
    return cut == std::string_view::npos ? entry : entry.substr(cut + 1);
}

fs::path FindEntryNoCase(const fs::path& folder, std::string_view name)
{
    std::error_code ec;
    const fs::path exact = folder / std::string(name);
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;
    const std::string wanted = FoldName(name);
    std::optional<std::string> best;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (FoldName(candidate) == wanted && (!best || candidate < *best))
            best = candidate;
    }
    return best ? folder / *best : fs::path();
}

PathMapper::PathMapper(fs::path driveC) : m_driveC(std::move(driveC)) {}

MappedPath PathMapper::Map(std::string_view windowsPath) const
{
    const std::string quoted = "\"" + std::string(windowsPath.substr(0, 260)) + "\"";
    if (windowsPath.find('\0') != std::string_view::npos)
        return Refuse(platform::kErrorInvalidName, "the path " + quoted + " holds a NUL character");
    if (windowsPath.empty())
        return Refuse(platform::kErrorPathNotFound, "the path is empty");

    std::string_view rest = windowsPath;
    bool onDrive = false;
    if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1]))
        return Refuse(kErrorBadNetPath, "the path " + quoted + " names a network share; this machine has none");
    if (rest.size() >= 2 && IsDriveLetter(rest[0]) && rest[1] == ':') {
        if (rest[0] != 'C' && rest[0] != 'c')
            return Refuse(platform::kErrorPathNotFound,
                          "the path " + quoted + " is on drive " + std::string(1, rest[0]) + ":; this machine has only C:");
        onDrive = true;  // "C:x" is relative to C:'s current directory, its root here
        rest.remove_prefix(2);
    } else if (IsSeparator(rest[0])) {
        onDrive = true;  // the root of the current drive, which is C:
    }

    std::vector<std::string> parts;
    for (std::string_view part : SplitComponents(rest)) {
        for (char c : part) {
            if (IsForbidden(c))
                return Refuse(platform::kErrorInvalidName, "the path " + quoted + " holds a character not allowed in file names");
        }
        if (part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") {
                parts.pop_back();
                continue;
            }
            if (onDrive)
                return Refuse(platform::kErrorInvalidName, "the path " + quoted + " leads above the root of drive C:");
            parts.emplace_back("..");
            continue;
        }
        parts.emplace_back(part);
    }

    // Resolve each component case-insensitively while the folders exist.
    fs::path at = onDrive ? m_driveC : fs::path(".");
    bool resolving = true;
    for (const std::string& part : parts) {
        if (resolving && part != "..") {
            const fs::path found = FindEntryNoCase(at, part);
            if (!found.empty()) {
                at = found;
                continue;
            }
            resolving = false;
        }
        at /= part;
    }
    MappedPath result;
    result.hostPath = onDrive ? at : at.lexically_normal();
    if (!onDrive && result.hostPath.empty())
        result.hostPath = ".";
    return result;
}

}  // namespace machine
