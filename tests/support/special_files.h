#pragma once
// Files that are not regular files, made in a test's own temporary folder:
// pipes, copies of /dev/zero and /dev/null, folders, loops of links.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace testsupport {

enum class SpecialFile { Fifo, ZeroDevice, NullDevice, Folder, LinkLoop };

inline const char* Describe(SpecialFile kind)
{
    switch (kind) {
    case SpecialFile::Fifo:
        return "a pipe";
    case SpecialFile::ZeroDevice:
        return "a device like /dev/zero";
    case SpecialFile::NullDevice:
        return "a device like /dev/null";
    case SpecialFile::Folder:
        return "a folder";
    case SpecialFile::LinkLoop:
        return "a loop of links";
    }
    return "?";
}

// What symlink_status reports for the file once made.
inline std::filesystem::file_type TypeOf(SpecialFile kind)
{
    namespace fs = std::filesystem;
    switch (kind) {
    case SpecialFile::Fifo:
        return fs::file_type::fifo;
    case SpecialFile::ZeroDevice:
    case SpecialFile::NullDevice:
        return fs::file_type::character;
    case SpecialFile::Folder:
        return fs::file_type::directory;
    case SpecialFile::LinkLoop:
        return fs::file_type::symlink;
    }
    return fs::file_type::none;
}

// Makes `kind` at `path`; false when it cannot be made here: only the
// superuser may make a device. A folder holds a folder, so that it cannot
// simply be removed; a loop is `path` linked to path + ".loop" and back.
inline bool MakeSpecialFile(SpecialFile kind, const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    switch (kind) {
    case SpecialFile::Fifo:
        return ::mkfifo(path.c_str(), 0666) == 0;
    case SpecialFile::ZeroDevice:
        return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    case SpecialFile::NullDevice:
        return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    case SpecialFile::Folder:
        return fs::create_directories(path / "inside", ec);
    case SpecialFile::LinkLoop: {
        fs::path other = path;
        other += ".loop";
        fs::create_symlink(other.filename(), path, ec);
        if (!ec)
            fs::create_symlink(path.filename(), other, ec);
        return !ec;
    }
    }
    return false;
}

// Whether anything opened a pipe for reading while this watched it. A writer
// of its own waits in open() for a reader; code that opens the pipe, once or
// more, finds it and reads an empty file instead of waiting for ever, and at
// the end the watch lets its writer go with a reader of its own.
class FifoOpenWatch {
public:
    explicit FifoOpenWatch(std::filesystem::path fifo) : m_fifo(std::move(fifo))
    {
        m_writer = std::thread([this] {
            // Again after each opening: a reader may open the pipe more than once.
            for (;;) {
                const int fd = ::open(m_fifo.c_str(), O_WRONLY | O_CLOEXEC);
                if (fd < 0 || m_releasing.load()) {
                    if (fd >= 0)
                        ::close(fd);
                    return;
                }
                m_opened = true;
                ::close(fd);
            }
        });
    }
    ~FifoOpenWatch() { Opened(); }
    FifoOpenWatch(const FifoOpenWatch&) = delete;
    FifoOpenWatch& operator=(const FifoOpenWatch&) = delete;

    // Ends the watch: true when something else opened the pipe.
    bool Opened()
    {
        if (m_writer.joinable()) {
            m_releasing = true;
            const int reader = ::open(m_fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (reader < 0) {
                m_writer.detach();  // the pipe is gone: its writer waits until the test ends
                return m_opened;
            }
            m_writer.join();
            ::close(reader);
        }
        return m_opened;
    }

private:
    std::filesystem::path m_fifo;
    std::atomic<bool> m_releasing{false};
    std::atomic<bool> m_opened{false};
    std::thread m_writer;
};

}  // namespace testsupport
