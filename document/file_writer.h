#pragma once
#include <chrono>
#include <filesystem>
#include <string>

namespace document {

// A lock, or a file of a save, older than this was left by a writer that
// died: no save takes so long.
inline constexpr std::chrono::seconds kStaleLock{30};

// Writers of one file, in this process or another, take turns: each holds
// this while it reads and writes the file `target`. The lock is a regular
// file beside the target, made only while absent, naming the process that
// holds it and its host. A lock whose process is gone from this host is taken
// over at once, as is one older than kStaleLock. Anything else in its place
// (a folder, a pipe, a link) is no writer's lock and is given up on at once.
// A writer that cannot get the lock within three seconds goes on without it
// or, when it would rather not, gives up (Held).
class FileWriterLock {
public:
    explicit FileWriterLock(const std::filesystem::path& target);
    ~FileWriterLock();
    FileWriterLock(const FileWriterLock&) = delete;
    FileWriterLock& operator=(const FileWriterLock&) = delete;

    bool Held() const { return m_bHeld; }

private:
    enum class Attempt { Held, Wait, Again, GiveUp };
    Attempt Take();

    std::filesystem::path m_path;
    bool m_bHeld = false;
};

struct SaveOptions {
    // The file being replaced stays as the file's name with "!" appended.
    bool keepBackup = false;
    // The caller holds the FileWriterLock of the link-resolved target.
    bool lockHeld = false;
};

// Replaces the file `path` names with `bytes`, whole or not at all: they go
// into a new file beside it, which reaches the disk before it is renamed into
// place, so the file never goes missing or half written, not even at a power
// cut, and a failed write leaves the old one. A symbolic link stays and the
// regular file it leads to is rewritten; a device, a pipe, a folder or a link
// to one is left alone (ports::SaveTarget), as is a file without a write
// permission bit. The file keeps its mode. Files that earlier saves of it
// left behind when they were cut off are removed. False when nothing was
// written.
bool SaveFileReplacing(const std::filesystem::path& path, const std::string& bytes, SaveOptions options = {});

// The user may change the regular file `file`: it has a write permission bit,
// which is honoured even for the superuser, and it opens for writing.
bool UserMayWrite(const std::filesystem::path& file);

}  // namespace document
