#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>
#include <thread>

#include "document/file_reader.h"
#include "document/file_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kLockWait = std::chrono::seconds(3);
// A lock holds a process number and a host name.
constexpr std::uintmax_t kMaxLockBytes = 512;

std::string HostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

// What a lock says: "<pid>\n<host>\n".
std::string OwnerText()
{
    return std::to_string(::getpid()) + "\n" + HostName() + "\n";
}

// True when the lock's text names a process of this host that is gone. A
// lock of another host, or one not yet written, cannot be told to be stale
// this way.
bool OwnerIsGone(const std::string& text)
{
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string::npos)
        return false;
    long pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + lineEnd, pid);
    if (error != std::errc() || end != text.data() + lineEnd || pid <= 0 || static_cast<pid_t>(pid) != pid)
        return false;
    std::string host = text.substr(lineEnd + 1);
    if (!host.empty() && host.back() == '\n')
        host.pop_back();
    return host == HostName() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

namespace document {

FileWriterLock::FileWriterLock(const fs::path& target) : m_path(target)
{
    m_path += ".lock";
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        const Attempt attempt = Take();
        if (attempt == Attempt::Held || attempt == Attempt::GiveUp || std::chrono::steady_clock::now() >= deadline)
            return;
        if (attempt == Attempt::Wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FileWriterLock::~FileWriterLock()
{
    std::error_code ignored;
    if (m_bHeld)
        fs::remove(m_path, ignored);
}

FileWriterLock::Attempt FileWriterLock::Take()
{
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const std::string owner = OwnerText();
        const bool written = ::write(fd, owner.data(), owner.size()) == static_cast<ssize_t>(owner.size());
        ::close(fd);
        if (!written) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
            return Attempt::GiveUp;
        }
        m_bHeld = true;
        return Attempt::Held;
    }
    if (errno != EEXIST)
        return Attempt::GiveUp;  // no lock can be made here

    struct stat before {};
    if (::lstat(m_path.c_str(), &before) != 0)
        return errno == ENOENT ? Attempt::Again : Attempt::GiveUp;
    if (!S_ISREG(before.st_mode))
        return Attempt::GiveUp;
    std::string owner;
    switch (ReadRegularFile(m_path, kMaxLockBytes, owner)) {
    case FileRead::Read:
        break;
    case FileRead::Missing:
        return Attempt::Again;
    case FileRead::Refused:
        return Attempt::Wait;  // swapped meanwhile: looked at again
    }
    const auto age = std::chrono::system_clock::now()
                     - std::chrono::system_clock::from_time_t(before.st_mtim.tv_sec);
    if (!OwnerIsGone(owner) && age <= kStaleLock)
        return Attempt::Wait;
    // Only the lock that was read goes, not one a writer made since.
    struct stat now {};
    if (::lstat(m_path.c_str(), &now) == 0 && SameFile(before, now))
        ::unlink(m_path.c_str());
    return Attempt::Again;
}

}  // namespace document
