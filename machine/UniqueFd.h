#pragma once

#include <cstddef>
#include <unistd.h>

namespace machine {

// Owns a file descriptor and closes it.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueFd() { Reset(); }

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void Reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

// Writes all of `size` bytes, going on after short writes and interruptions;
// false with errno set on failure.
bool WriteAll(int fd, const void* data, std::size_t size);

// Flushes a folder's entries (a rename or a new file in it) to disk.
void SyncFolder(const char* folder);

}  // namespace machine
