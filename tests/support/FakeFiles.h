#pragma once

#include "platform/Files.h"
#include "tests/support/CaseInsensitive.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fakes {

using platform::Win32Error;

// Files held in memory under Windows paths: both separators, names ignore case. A copy
// needs its source (kErrorFileNotFound, or kErrorPathNotFound when its folder is
// missing) and the target's folder (kErrorPathNotFound). The current directory and the
// root always exist.
class FakeFiles : public platform::Files {
public:
    struct CopyCall {
        std::string source;
        std::string target;
        bool failIfExists;
        Win32Error result;
    };

    void AddFile(const std::string& path, const std::string& content);  // adds its folders
    void AddDirectory(const std::string& path);
    void RemoveFile(const std::string& path);

    bool Exists(const std::string& path) const;
    std::optional<std::string> Content(const std::string& path) const;

    // Scripted failure: a non-success result fails that copy with it.
    std::function<Win32Error(const std::string& source, const std::string& target)> copyFailure;

    std::vector<CopyCall> copyCalls;

    Win32Error Copy(const std::string& existingFile, const std::string& newFile,
                    bool failIfExists) override;

private:
    static std::string Normal(const std::string& path);
    bool HasDirectory(const std::string& normalPath) const;
    Win32Error CheckCopy(const std::string& source, const std::string& target,
                         bool failIfExists) const;

    std::map<std::string, std::string, CaseInsensitiveLess> m_files;
    std::set<std::string, CaseInsensitiveLess> m_directories;
};

}  // namespace fakes
