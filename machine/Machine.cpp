#include "machine/Machine.h"

#include "machine/MachineFolder.h"
#include "machine/StockImage.h"
#include "machine/UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>

namespace machine {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

// Held while an image is built or reset, so that two processes never build at once.
class FolderLock {
public:
    MachineStatus Take(const fs::path& folder)
    {
        const fs::path file = folder / kLockFileName;
        m_fd.Reset(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
        if (!m_fd.Valid())
            return MachineStatus::Failure(platform::kErrorAccessDenied,
                                          "cannot lock the machine folder " + Quoted(folder) + ": " + std::strerror(errno));
        while (::flock(m_fd.Get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return MachineStatus::Failure(platform::kErrorAccessDenied, "cannot lock the machine folder " +
                                                                                Quoted(folder) + ": " + std::strerror(errno));
        }
        return MachineStatus::Success();
    }

private:
    UniqueFd m_fd;  // closing it releases the lock
};

// Names a machine folder may hold besides its store; anything else means the folder
// belongs to someone else.
bool IsMachineEntry(const std::string& name)
{
    return name == kDriveCFolderName || name == kTraceFileName || name == kLockFileName ||
           name.rfind(std::string(kRegistryFileName), 0) == 0;
}

MachineStatus CheckFolderIsOurs(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsMachineEntry(name))
            return MachineStatus::Failure(platform::kErrorAlreadyExists,
                                          "the folder " + Quoted(folder) + " holds other files (" + name +
                                              ") but no machine; choose an empty or new folder");
    }
    if (ec)
        return MachineStatus::Failure(platform::kErrorAccessDenied,
                                      "cannot read the machine folder " + Quoted(folder) + ": " + ec.message());
    return MachineStatus::Success();
}

MachineStatus CreateStockFolders(const fs::path& driveC, WindowsVersion version)
{
    const PathMapper paths(driveC);
    const MappedPath driverDirectory = paths.Map(StockSystemRoot(version) + "\\system32\\spool\\drivers\\w32x86");
    std::error_code ec;
    if (driverDirectory.error == platform::kErrorSuccess)
        fs::create_directories(driverDirectory.hostPath, ec);
    if (driverDirectory.error || ec)
        return MachineStatus::Failure(platform::kErrorAccessDenied,
                                      "cannot create the folders of drive C in " + Quoted(driveC) + ": " + ec.message());
    return MachineStatus::Success();
}

// Builds the registry store in a temporary file and moves it into place in one
// rename: the store is either absent or complete.
MachineStatus BuildImage(const fs::path& folder, const MachineOptions& options)
{
    if (MachineStatus folders = CreateStockFolders(folder / kDriveCFolderName, options.version); !folders.Ok())
        return folders;

    std::string temp = (folder / (std::string(kRegistryFileName) + ".new-XXXXXX")).string();
    UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.Valid())
        return MachineStatus::Failure(platform::kErrorAccessDenied,
                                      "cannot write in the machine folder " + Quoted(folder) + ": " + std::strerror(errno));
    fd.Reset();

    MachineStatus status;
    {
        std::unique_ptr<RegistryStore> store;
        status = RegistryStore::Create(temp, options.busyTimeout, store);
        if (status.Ok()) {
            if (Win32Error error = WriteStockImage(*store, options.version))
                status = store->LastStatus(error);
        }
    }
    const fs::path target = folder / kRegistryFileName;
    if (status.Ok() && ::rename(temp.c_str(), target.c_str()) != 0)
        status = MachineStatus::Failure(platform::kErrorAccessDenied,
                                        "cannot place the registry store " + Quoted(target) + ": " + std::strerror(errno));
    if (!status.Ok()) {
        ::unlink(temp.c_str());
        ::unlink((temp + "-journal").c_str());
        return status;
    }
    SyncFolder(folder.c_str());
    return MachineStatus::Success();
}

MachineStatus EnsureImage(const fs::path& folder, const MachineOptions& options)
{
    std::error_code ec;
    if (fs::exists(folder / kRegistryFileName, ec))
        return MachineStatus::Success();
    if (MachineStatus ours = CheckFolderIsOurs(folder); !ours.Ok())
        return ours;
    FolderLock lock;
    if (MachineStatus locked = lock.Take(folder); !locked.Ok())
        return locked;
    // Another process may have built it while this one waited for the lock.
    if (fs::exists(folder / kRegistryFileName, ec))
        return MachineStatus::Success();
    // What a build that died half-way left behind is of no use to anyone.
    const std::string unfinished = std::string(kRegistryFileName) + ".new-";
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().rfind(unfinished, 0) == 0) {
            std::error_code removeError;
            fs::remove(it->path(), removeError);
        }
    }
    return BuildImage(folder, options);
}

}  // namespace

Machine::Machine(fs::path folder, std::unique_ptr<RegistryStore> store)
    : m_folder(std::move(folder)),
      m_store(std::move(store)),
      m_paths(m_folder / kDriveCFolderName),
      m_registry(*m_store),
      m_files(m_paths),
      m_system(*m_store, m_folder / kTraceFileName),
      m_spooler(*m_store, m_paths)
{
}

Machine::~Machine() = default;

fs::path Machine::TraceFile() const
{
    return m_folder / kTraceFileName;
}

MachineStatus Machine::Open(const fs::path& folder, const MachineOptions& options, std::unique_ptr<Machine>& machine)
{
    machine.reset();
    if (folder.empty())
        return MachineStatus::Failure(platform::kErrorPathNotFound, "no machine folder was given");
    std::error_code ec;
    const auto status = fs::status(folder, ec);
    if (fs::exists(status) && !fs::is_directory(status))
        return MachineStatus::Failure(platform::kErrorPathNotFound,
                                      "the machine folder " + Quoted(folder) + " is not a folder");
    fs::create_directories(folder, ec);
    if (ec)
        return MachineStatus::Failure(platform::kErrorAccessDenied,
                                      "cannot create the machine folder " + Quoted(folder) + ": " + ec.message());
    if (MachineStatus image = EnsureImage(folder, options); !image.Ok())
        return image;

    std::unique_ptr<RegistryStore> store;
    if (MachineStatus opened = RegistryStore::Open(folder / kRegistryFileName, options.busyTimeout, store); !opened.Ok())
        return opened;
    machine.reset(new Machine(folder, std::move(store)));
    return MachineStatus::Success();
}

MachineStatus Machine::OpenDefault(const MachineOptions& options, std::unique_ptr<Machine>& machine)
{
    fs::path folder;
    if (MachineStatus resolved = ResolveMachineFolder(folder); !resolved.Ok())
        return resolved;
    return Open(folder, options, machine);
}

MachineStatus Machine::Reset(WindowsVersion version)
{
    FolderLock lock;
    if (MachineStatus locked = lock.Take(m_folder); !locked.Ok())
        return locked;
    const Win32Error error = m_store->Write([&]() -> Win32Error {
        if (Win32Error cleared = m_store->Clear())
            return cleared;
        return WriteStockImage(*m_store, version);
    });
    if (error)
        return m_store->LastStatus(error);

    const fs::path driveC = m_folder / kDriveCFolderName;
    std::error_code ec;
    for (fs::directory_iterator it(driveC, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError);
        if (removeError)
            return MachineStatus::Failure(platform::kErrorAccessDenied, "cannot empty drive C: cannot remove " +
                                                                            Quoted(it->path()) + ": " + removeError.message());
    }
    if (MachineStatus folders = CreateStockFolders(driveC, version); !folders.Ok())
        return folders;
    fs::remove(TraceFile(), ec);
    return MachineStatus::Success();
}

}  // namespace machine
