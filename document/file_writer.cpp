#include "document/file_writer.h"

#include <fcntl.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>
#include <thread>

#include "document/file_reader.h"
#include "document/save_target.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kLockWait = std::chrono::seconds(3);
constexpr auto kStaleLock = std::chrono::seconds(30);

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
    for (int i = 0; i < 4; ++i) {
        std::uint32_t bits = random();
        for (int d = 0; d < 8; ++d, bits >>= 4)
            tag += kDigits[bits & 0xF];
    }
    return WithSuffix(target, tag + suffix);
}

// A new file beside `target` holding `bytes`; empty when it could not be made.
// It is created exclusively, so no two writers ever share one.
fs::path WriteNewFile(const fs::path& target, const std::string& bytes)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path temp = UniqueName(target, ".tmp");
        std::FILE* file = std::fopen(temp.c_str(), "wbx");
        if (!file) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        const bool flushed = std::fflush(file) == 0;
        if (std::fclose(file) == 0 && written && flushed)
            return temp;
        std::error_code ignored;
        fs::remove(temp, ignored);
        return {};
    }
    return {};
}

// Keeps `target` as target + "!" while `target` stays in place: a hard link
// where the file system has them, else a copy, renamed over the old backup.
bool KeepBackup(const fs::path& target)
{
    const fs::path temp = UniqueName(target, ".bak");
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
    fs::rename(temp, WithSuffix(target, "!"), ec);
    if (ec) {
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
    if (ok)
        fs::rename(temp, target, ec);
    if (!ok || ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace

namespace document {

FileWriterLock::FileWriterLock(const fs::path& target) : m_path(WithSuffix(target, ".lock"))
{
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (!Take() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

FileWriterLock::~FileWriterLock()
{
    std::error_code ignored;
    if (m_bHeld)
        fs::remove(m_path, ignored);
}

bool FileWriterLock::Take()
{
    if (std::FILE* file = std::fopen(m_path.c_str(), "wbx")) {
        std::fclose(file);
        m_bHeld = true;
        return true;
    }
    if (errno != EEXIST)
        return true;  // no lock can be made here; nothing to wait for
    std::error_code ec;
    const auto made = fs::last_write_time(m_path, ec);
    if (!ec && fs::file_time_type::clock::now() - made > kStaleLock)
        fs::remove(m_path, ec);
    return false;
}

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
    if (options.lockHeld)
        return ReplaceTarget(*target, bytes, options.keepBackup);
    const FileWriterLock lock(*target);
    return ReplaceTarget(*target, bytes, options.keepBackup);
}

}  // namespace document
