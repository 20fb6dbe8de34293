#include "tests/support/FakeFiles.h"

#include <algorithm>

namespace fakes {

using platform::kErrorSuccess;

namespace {

std::string FolderOf(const std::string& normalPath)
{
    const std::size_t slash = normalPath.rfind('\\');
    return slash == std::string::npos ? std::string() : normalPath.substr(0, slash);
}

}  // namespace

std::string FakeFiles::Normal(const std::string& path)
{
    std::string normal = path;
    std::replace(normal.begin(), normal.end(), '/', '\\');
    while (normal.size() > 1 && normal.back() == '\\')
        normal.pop_back();
    return normal;
}

bool FakeFiles::HasDirectory(const std::string& normalPath) const
{
    return normalPath.empty() || m_directories.count(normalPath) != 0;
}

void FakeFiles::AddDirectory(const std::string& path)
{
    for (std::string folder = Normal(path); !folder.empty(); folder = FolderOf(folder))
        m_directories.insert(folder);
}

void FakeFiles::AddFile(const std::string& path, const std::string& content)
{
    const std::string normal = Normal(path);
    AddDirectory(FolderOf(normal));
    m_files[normal] = content;
}

void FakeFiles::RemoveFile(const std::string& path) { m_files.erase(Normal(path)); }

bool FakeFiles::Exists(const std::string& path) const { return m_files.count(Normal(path)) != 0; }

std::optional<std::string> FakeFiles::Content(const std::string& path) const
{
    const auto file = m_files.find(Normal(path));
    if (file == m_files.end())
        return std::nullopt;
    return file->second;
}

Win32Error FakeFiles::CheckCopy(const std::string& source, const std::string& target,
                                bool failIfExists) const
{
    if (!HasDirectory(FolderOf(source)))
        return platform::kErrorPathNotFound;
    if (!m_files.count(source))
        return platform::kErrorFileNotFound;
    if (!HasDirectory(FolderOf(target)))
        return platform::kErrorPathNotFound;
    if (failIfExists && m_files.count(target))
        return platform::kErrorFileExists;
    return kErrorSuccess;
}

Win32Error FakeFiles::Copy(const std::string& existingFile, const std::string& newFile,
                           bool failIfExists)
{
    const std::string source = Normal(existingFile);
    const std::string target = Normal(newFile);
    Win32Error result = copyFailure ? copyFailure(existingFile, newFile) : kErrorSuccess;
    if (result == kErrorSuccess)
        result = CheckCopy(source, target, failIfExists);
    if (result == kErrorSuccess) {
        const std::string content = m_files.at(source);
        m_files[target] = content;
    }
    copyCalls.push_back({existingFile, newFile, failIfExists, result});
    return result;
}

}  // namespace fakes
