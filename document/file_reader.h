#pragma once
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace document {

// A regular file opened without waiting: a pipe, a device, a folder or a
// loop of links, named or linked to, is never opened for use. Whatever the
// path named a moment before, what counts is the file the descriptor holds,
// so a file swapped in between a look and the opening is caught too.
class RegularFile {
public:
    enum class State { Open, Missing, NotRegular, Failed };

    // `flags` as for open(2): O_RDONLY, or O_WRONLY with O_APPEND and the like.
    RegularFile(const std::filesystem::path& path, int flags);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    State GetState() const { return m_state; }
    int Descriptor() const { return m_fd; }
    // The opened file's status; meaningful while open.
    const struct stat& Status() const { return m_status; }

private:
    State m_state = State::Failed;
    int m_fd = -1;
    struct stat m_status {};
};

enum class FileRead {
    Read,
    Missing,  // nothing there, or a link that leads nowhere
    Refused,  // not a regular file, larger than allowed, or unreadable
};

// The one way the program reads a file: the regular file `path` names, whole,
// when it holds at most `maxBytes` bytes. Anything else is refused unread.
FileRead ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes, std::string& bytes);

}  // namespace document
