#include "document/file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "document/disk_calls.h"

namespace fs = std::filesystem;

namespace document {

RegularFile::RegularFile(const fs::path& path, int flags)
{
    // A look first, so that a device or a pipe standing there is never
    // opened at all: opening some devices does something.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        m_state = errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Failed;
        return;
    }
    if (!S_ISREG(named.st_mode)) {
        m_state = State::NotRegular;
        return;
    }
    // Without O_NONBLOCK a pipe swapped in since the look would wait here
    // for a writer.
    m_fd = Disk().open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (m_fd < 0) {
        m_state = errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Failed;
        return;
    }
    const bool looked = ::fstat(m_fd, &m_status) == 0;
    if (!looked || !S_ISREG(m_status.st_mode)) {
        m_state = looked ? State::NotRegular : State::Failed;
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    const int status = ::fcntl(m_fd, F_GETFL);
    if (status != -1)
        ::fcntl(m_fd, F_SETFL, status & ~O_NONBLOCK);
    m_state = State::Open;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileRead ReadRegularFile(const fs::path& path, std::uintmax_t maxBytes, std::string& bytes)
{
    bytes.clear();
    const RegularFile file(path, O_RDONLY);
    switch (file.GetState()) {
    case RegularFile::State::Open:
        break;
    case RegularFile::State::Missing:
        return FileRead::Missing;
    case RegularFile::State::NotRegular:
    case RegularFile::State::Failed:
        return FileRead::Refused;
    }
    if (static_cast<std::uintmax_t>(file.Status().st_size) > maxBytes)
        return FileRead::Refused;
    bytes.reserve(static_cast<std::size_t>(file.Status().st_size));
    // The size said is only a hint: a file may grow while it is read.
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(file.Descriptor(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            bytes.clear();
            return FileRead::Refused;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) {
            bytes.clear();
            return FileRead::Refused;
        }
    }
    return FileRead::Read;
}

}  // namespace document
