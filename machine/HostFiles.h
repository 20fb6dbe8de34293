#pragma once

#include "machine/PathMapper.h"
#include "platform/Files.h"

namespace machine {

// platform::Files on the machine's drive, CopyFileA's contract:
//   missing source folder kErrorPathNotFound, missing source kErrorFileNotFound,
//   a folder as source or target kErrorAccessDenied, missing target folder
//   kErrorPathNotFound, failIfExists with an existing target kErrorFileExists,
//   a read-only target kErrorAccessDenied, a bad path as PathMapper says.
// The copy keeps the source's permission bits and modification time (Windows keeps
// attributes and the write time). The target is written to a temporary file in its
// own folder, synced and renamed over the old one, so a reader sees the old file or
// the new one and a crash leaves no torn target.
class HostFiles : public platform::Files {
public:
    explicit HostFiles(const PathMapper& paths) : m_paths(paths) {}

    Win32Error Copy(const std::string& existingFile, const std::string& newFile,
                    bool failIfExists) override;

private:
    const PathMapper& m_paths;
};

}  // namespace machine
