#include "machine/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>

namespace machine {

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, at, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void SyncFolder(const char* folder)
{
    UniqueFd fd(::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        ::fsync(fd.Get());
}

}  // namespace machine
