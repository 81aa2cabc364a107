#pragma once
#include <filesystem>
#include <string>

namespace document {

// Writers of one file, in this process or another, take turns: each holds
// this while it reads and writes the file `target`. The lock is a file
// beside the target, made only while absent; one older than half a minute
// was left by a writer that died. A writer that cannot get it within three
// seconds goes on rather than lose its work.
class FileWriterLock {
public:
    explicit FileWriterLock(const std::filesystem::path& target);
    ~FileWriterLock();
    FileWriterLock(const FileWriterLock&) = delete;
    FileWriterLock& operator=(const FileWriterLock&) = delete;

private:
    bool Take();

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
// into a new file beside it, which is renamed into place, so the file never
// goes missing or half written and a failed write leaves the old one. A
// symbolic link stays and the regular file it leads to is rewritten; a
// device, a pipe, a folder or a link to one is left alone (ports::SaveTarget),
// as is a file without a write permission bit. The file keeps its mode.
// False when nothing was written.
bool SaveFileReplacing(const std::filesystem::path& path, const std::string& bytes, SaveOptions options = {});

// The user may change the regular file `file`: it has a write permission bit,
// which is honoured even for the superuser, and it opens for writing.
bool UserMayWrite(const std::filesystem::path& file);

}  // namespace document
