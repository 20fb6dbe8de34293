#include "machine/HostFiles.h"

#include "machine/UniqueFd.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace machine {

namespace {

namespace fs = std::filesystem;

Win32Error FromErrno(int error)
{
    switch (error) {
    case ENOENT: return platform::kErrorFileNotFound;
    case ENOTDIR: return platform::kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return platform::kErrorAccessDenied;
    case ENOSPC:
    case EDQUOT: return kErrorDiskFull;
    case ENAMETOOLONG: return platform::kErrorInvalidName;
    case ENOMEM: return platform::kErrorNotEnoughMemory;
    default: return platform::kErrorWriteFault;
    }
}

fs::path FolderOf(const fs::path& file)
{
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool IsFolder(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A temporary file beside the target, removed unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(const fs::path& target)
    {
        std::string pattern = (FolderOf(target) / ("." + target.filename().string() + ".copy-XXXXXX")).string();
        m_fd.Reset(::mkostemp(pattern.data(), O_CLOEXEC));
        if (m_fd.Valid())
            m_path = pattern;
    }
    ~TempFile()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Valid() const { return m_fd.Valid(); }
    int Fd() const { return m_fd.Get(); }
    const std::string& Path() const { return m_path; }
    void CloseFd() { m_fd.Reset(); }
    void Placed() { m_path.clear(); }

private:
    UniqueFd m_fd;
    std::string m_path;
};

Win32Error CopyContents(int from, int to)
{
    std::array<char, 64 * 1024> chunk{};
    while (true) {
        const ssize_t got = ::read(from, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return FromErrno(errno);
        }
        if (got == 0)
            return platform::kErrorSuccess;
        if (!WriteAll(to, chunk.data(), static_cast<std::size_t>(got)))
            return FromErrno(errno);
    }
}

}  // namespace

Win32Error HostFiles::Copy(const std::string& existingFile, const std::string& newFile, bool failIfExists)
{
    const MappedPath source = m_paths.Map(existingFile);
    if (source.error)
        return source.error;
    const MappedPath target = m_paths.Map(newFile);
    if (target.error)
        return target.error;

    UniqueFd in(::open(source.hostPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.Valid()) {
        if (errno == ENOENT && !IsFolder(FolderOf(source.hostPath)))
            return platform::kErrorPathNotFound;
        return FromErrno(errno);
    }
    struct stat sourceInfo {};
    if (::fstat(in.Get(), &sourceInfo) != 0)
        return FromErrno(errno);
    if (S_ISDIR(sourceInfo.st_mode))
        return platform::kErrorAccessDenied;

    const fs::path targetFolder = FolderOf(target.hostPath);
    if (!IsFolder(targetFolder))
        return platform::kErrorPathNotFound;
    struct stat targetInfo {};
    if (::lstat(target.hostPath.c_str(), &targetInfo) == 0) {
        if (S_ISDIR(targetInfo.st_mode))
            return platform::kErrorAccessDenied;
        if (failIfExists)
            return platform::kErrorFileExists;
        if ((targetInfo.st_mode & S_IWUSR) == 0)
            return platform::kErrorAccessDenied;  // a read-only file is not replaced
    }

    TempFile temp(target.hostPath);
    if (!temp.Valid())
        return FromErrno(errno);
    if (Win32Error error = CopyContents(in.Get(), temp.Fd()))
        return error;
    // Windows carries the attributes and the last write time over to the copy.
    ::fchmod(temp.Fd(), sourceInfo.st_mode & 0777);
    const std::array<timespec, 2> times{sourceInfo.st_atim, sourceInfo.st_mtim};
    ::futimens(temp.Fd(), times.data());
    if (::fsync(temp.Fd()) != 0)
        return FromErrno(errno);
    temp.CloseFd();

    if (failIfExists) {
        // Never replaces: a target that appeared meanwhile still counts as existing.
        if (::link(temp.Path().c_str(), target.hostPath.c_str()) != 0)
            return errno == EEXIST ? platform::kErrorFileExists : FromErrno(errno);
    } else if (::rename(temp.Path().c_str(), target.hostPath.c_str()) != 0) {
        return FromErrno(errno);
    } else {
        temp.Placed();
    }
    SyncFolder(targetFolder.c_str());
    return platform::kErrorSuccess;
}

}  // namespace machine
