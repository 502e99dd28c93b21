#pragma once

#include <dirent.h>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace tarvo {

// An open descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    // A failed close may be the first report of a failed write.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A folder open for listing, closed when it goes out of scope.
class FolderListing {
public:
    explicit FolderListing(const char* folder)
        : m_folder(::opendir(folder))
    {
    }
    ~FolderListing()
    {
        if (m_folder)
            ::closedir(m_folder);
    }
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool valid() const { return m_folder != nullptr; }
    int fd() const { return ::dirfd(m_folder); }
    // The next entry, or null after the last.
    const dirent* next() { return ::readdir(m_folder); }

private:
    DIR* m_folder;
};

// Writes every byte, going on after an interrupted write; false on a failed
// write or an injected write fault.
bool writeAll(int fd, std::string_view bytes);

} // namespace tarvo
