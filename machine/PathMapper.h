#pragma once

#include "machine/MachineStatus.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace machine {

// A Windows path turned into a path of the host.
struct MappedPath {
    Win32Error error = platform::kErrorSuccess;
    std::filesystem::path hostPath;  // set on success
    std::string why;                 // set on failure: what is wrong with the path
};

// Maps Windows paths onto the machine folder the way the machine's one drive sees
// them:
//   "C:\WINDOWS\x"  -> <drive_c>/WINDOWS/x      (also "C:/..." and "C:x")
//   "\WINDOWS\x"    -> <drive_c>/WINDOWS/x      (the root of the current drive, C:)
//   "win2k\TRX.DLL" -> ./win2k/TRX.DLL          (relative to the current directory)
// Both separators split; each component resolves case-insensitively against what
// exists on disk (an exact match first, else the first match in name order), and what
// does not exist keeps the case given. Refused: another drive letter or a UNC path
// (kErrorPathNotFound, kErrorBadNetPath), a NUL or a character Windows forbids in
// names (kErrorInvalidName), ".." above the drive's root (kErrorInvalidName).
class PathMapper {
public:
    explicit PathMapper(std::filesystem::path driveC);

    MappedPath Map(std::string_view windowsPath) const;
    const std::filesystem::path& DriveC() const { return m_driveC; }

private:
    std::filesystem::path m_driveC;
};

// The component of `entry` after its last '\' or '/': "\ttfsub.GPD" -> "ttfsub.GPD".
std::string_view FileNamePart(std::string_view entry);

// Finds `name` in `folder` case-insensitively (exact match first); empty when absent.
std::filesystem::path FindEntryNoCase(const std::filesystem::path& folder, std::string_view name);

}  // namespace machine
