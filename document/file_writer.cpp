#include "document/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <random>
#include <system_error>

#include "document/disk_calls.h"
#include "document/file_reader.h"
#include "document/save_target.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempSuffix = ".tmp";
constexpr const char* kBackupTempSuffix = ".bak";
// The random part of those names, in hexadecimal digits.
constexpr std::size_t kTagDigits = 32;

fs::path WithSuffix(const fs::path& path, const std::string& suffix)
{
    fs::path result = path;
    result += suffix;
    return result;
}

// A name beside `target` that no other writer, in this process or another,
// picks: random, and taken only when it was free.
fs::path UniqueName(const fs::path& target, const char* suffix)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::string tag = ".";
    while (tag.size() <= kTagDigits) {
        std::uint32_t bits = random();
        for (int d = 0; d < 8; ++d, bits >>= 4)
            tag += kDigits[bits & 0xF];
    }
    return WithSuffix(target, tag + suffix);
}

// Whether `name` is one UniqueName makes for `target`.
bool IsUniqueNameOf(const std::string& name, const std::string& target)
{
    const std::size_t tagEnd = target.size() + 1 + kTagDigits;
    if (name.size() <= tagEnd || name.compare(0, target.size(), target) != 0 || name[target.size()] != '.')
        return false;
    for (std::size_t i = target.size() + 1; i < tagEnd; ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    const std::string suffix = name.substr(tagEnd);
    return suffix == kTempSuffix || suffix == kBackupTempSuffix;
}

// Files of earlier saves of `target` that were cut off before they were
// renamed into place. One younger than a stale lock may belong to a writer
// at work now, which went on without the lock, and is left to it.
void RemoveLeftovers(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (!IsUniqueNameOf(it->path().filename().string(), name) || !it->is_regular_file(ignored)
            || it->is_symlink(ignored))
            continue;
        const fs::file_time_type written = fs::last_write_time(it->path(), ignored);
        if (!ignored && fs::file_time_type::clock::now() - written > document::kStaleLock)
            fs::remove(it->path(), ignored);
    }
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// A new file beside `target` holding `bytes`, on the disk; empty when it
// could not be made. It is created exclusively, so no two writers ever share
// one. Without the sync a power cut after the rename could leave the file
// empty or half written.
fs::path WriteNewFile(const fs::path& target, const std::string& bytes)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path temp = UniqueName(target, kTempSuffix);
        const int fd = document::Disk().open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        const bool written = WriteAll(fd, bytes) && document::Disk().fsync(fd) == 0;
        if (::close(fd) == 0 && written)
            return temp;
        std::error_code ignored;
        fs::remove(temp, ignored);
        return {};
    }
    return {};
}

// The rename itself reaches the disk with the folder's entry.
void SyncFolderOf(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = document::Disk().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    document::Disk().fsync(fd);
    ::close(fd);
}

bool Rename(const fs::path& from, const fs::path& to)
{
    return document::Disk().rename(from.c_str(), to.c_str()) == 0;
}

// Keeps `target` as target + "!" while `target` stays in place: a hard link
// where the file system has them, else a copy, renamed over the old backup.
bool KeepBackup(const fs::path& target)
{
    const fs::path temp = UniqueName(target, kBackupTempSuffix);
    std::error_code ec;
    fs::create_hard_link(target, temp, ec);
    if (ec) {
        fs::copy_file(target, temp, ec);
        if (ec) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    if (!Rename(temp, WithSuffix(target, "!"))) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

bool ReplaceTarget(const fs::path& target, const std::string& bytes, bool keepBackup)
{
    std::error_code ec;
    const fs::file_status old = fs::symlink_status(target, ec);
    const bool exists = old.type() == fs::file_type::regular;
    if (exists && !document::UserMayWrite(target))
        return false;
    if (!exists && old.type() != fs::file_type::not_found)
        return false;  // became something else since it was looked at
    const fs::path temp = WriteNewFile(target, bytes);
    if (temp.empty())
        return false;
    bool ok = true;
    if (exists) {
        fs::permissions(temp, old.permissions(), ec);
        ok = !keepBackup || KeepBackup(target);
    }
    if (!ok || !Rename(temp, target)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    SyncFolderOf(target);
    return true;
}

}  // namespace

namespace document {

bool UserMayWrite(const fs::path& file)
{
    // Opened to append nothing: the file and its time stay as they are.
    const RegularFile probe(file, O_WRONLY | O_APPEND);
    return probe.GetState() == RegularFile::State::Open && (probe.Status().st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool SaveFileReplacing(const fs::path& path, const std::string& bytes, SaveOptions options)
{
    const std::optional<fs::path> target = ports::SaveTarget(path);
    if (!target)
        return false;
    std::optional<FileWriterLock> lock;
    if (!options.lockHeld)
        lock.emplace(*target);
    RemoveLeftovers(*target);
    return ReplaceTarget(*target, bytes, options.keepBackup);
}

}  // namespace document
