#include "document/user_dir_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <system_error>
#include <thread>
#include <utility>

#include "document/docs_folder.h"
#include "document/text_decoding.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "UserDir.kv";
constexpr const char* kOldFileName = "userdir.doc";
constexpr const char* kOldBackupName = "userdir.bk!";

// Over a million entries; a bigger file is not ours and is left alone
// rather than read into memory whole.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

// How long a writer waits for another one to finish, and when a lock is
// taken to be left behind by a writer that died.
constexpr auto kLockWait = std::chrono::seconds(3);
constexpr auto kStaleLock = std::chrono::seconds(30);

// Symbolic links followed before a loop is assumed.
constexpr int kMaxLinks = 40;

fs::path WithSuffix(const fs::path& path, const std::string& suffix)
{
    fs::path result = path;
    result += suffix;
    return result;
}

std::optional<fs::path> DocumentsFile(const DocsFolder& docs)
{
    const std::optional<std::string> folder = docs.DocumentsFolder();
    if (!folder || folder->empty())
        return std::nullopt;
    return fs::path(*folder) / kFileName;
}

// The leading number of a value field as atoi reads it, clamped to 32 bits.
UdirChordValue ParseValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr std::int64_t kMax = std::numeric_limits<UdirChordValue>::max();
    constexpr std::int64_t kMin = std::numeric_limits<UdirChordValue>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), kMax + 1);
    value = negative ? -value : value;
    return static_cast<UdirChordValue>(std::clamp(value, kMin, kMax));
}

enum class FileRead { Read, Missing, Failed };

FileRead ReadBytes(const fs::path& path, std::string& bytes)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return FileRead::Missing;
    if (ec || status.type() != fs::file_type::regular)
        return FileRead::Failed;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileBytes)
        return FileRead::Failed;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return FileRead::Failed;
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t count = 0;
    while (bytes.size() <= kMaxFileBytes && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0 || bytes.size() > kMaxFileBytes;
    std::fclose(file);
    return failed ? FileRead::Failed : FileRead::Read;
}

// All or nothing: a file that fails part way adds no entry.
FileRead ReadEntries(const fs::path& path, UserDirList& list)
{
    std::string bytes;
    const FileRead read = ReadBytes(path, bytes);
    if (read == FileRead::Read)
        document::ParseUserDirFile(bytes, list);
    return read;
}

// The file a path names at the end of its symbolic links; it need not exist.
std::optional<fs::path> FollowLinks(fs::path path)
{
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
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

// The user may change the file: it has a write permission bit, which is
// honoured even for the superuser, and it opens for writing.
bool UserMayWrite(const fs::path& file)
{
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    if (ec || (perms & kWrite) == fs::perms::none)
        return false;
    // Appending nothing leaves the file and its time as they are.
    std::FILE* probe = std::fopen(file.c_str(), "ab");
    if (!probe)
        return false;
    std::fclose(probe);
    return true;
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

// Writes `bytes` beside the file first and renames it into place, so the
// file is whole at every moment and a failed write leaves the old one. A
// symbolic link stays and its target is written; the file keeps its mode.
bool ReplaceFileContents(const fs::path& path, const std::string& bytes, bool keepBackup)
{
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target)
        return false;
    std::error_code ec;
    const fs::file_status old = fs::status(*target, ec);
    const bool exists = old.type() == fs::file_type::regular;
    const fs::path temp = WriteNewFile(*target, bytes);
    if (temp.empty())
        return false;
    bool ok = true;
    if (exists) {
        fs::permissions(temp, old.permissions(), ec);
        ok = !keepBackup || KeepBackup(*target);
    }
    if (ok)
        fs::rename(temp, *target, ec);
    if (!ok || ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

// Writers of one file take turns, so each reads what the one before wrote.
// The lock is a file made only while absent; a writer that cannot get it in
// time writes anyway rather than lose its changes.
class WriterLock {
public:
    explicit WriterLock(fs::path path) : m_path(std::move(path))
    {
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        while (!Take() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~WriterLock()
    {
        std::error_code ignored;
        if (m_bHeld)
            fs::remove(m_path, ignored);
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    bool Take()
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

    fs::path m_path;
    bool m_bHeld = false;
};

using EntryKey = std::pair<std::string, UdirChordValue>;
using EntryCounts = std::map<EntryKey, int>;

EntryKey KeyOf(const CUdir& entry)
{
    return {entry.m_strName, entry.m_nValue};
}

EntryCounts Count(const UserDirList& list)
{
    EntryCounts counts;
    for (const CUdir& entry : list)
        ++counts[KeyOf(entry)];
    return counts;
}

int CountOf(const EntryCounts& counts, const EntryKey& key)
{
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

}  // namespace

namespace document {

std::string FormatUserDirFile(const UserDirList& list)
{
    std::string bytes;
    bytes.append(kUserDirHeader1).append("\r\n");
    bytes.append(kUserDirHeader2).append("\r\n");
    for (const CUdir& entry : list)
        bytes.append(entry.m_strName).append("~").append(std::to_string(entry.m_nValue)).append("\r\r\n");
    return bytes;
}

void ParseUserDirFile(std::string_view bytes, UserDirList& list)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        // A number holds no "~", but a name written by the older program may.
        const std::size_t tilde = line.rfind('~');
        if (tilde == std::string_view::npos)
            continue;
        list.push_back(CUdir{DecodeFileLine(line.substr(0, tilde)), ParseValue(line.substr(tilde + 1))});
    }
}

UserDirList MergeUserDirLists(const UserDirList& read, const UserDirList& ours, const UserDirList& theirs)
{
    const EntryCounts inRead = Count(read);
    const EntryCounts inOurs = Count(ours);
    const EntryCounts inTheirs = Count(theirs);
    EntryCounts deleted;
    for (const auto& [key, count] : inRead)
        deleted[key] = std::max(0, count - CountOf(inTheirs, key));
    EntryCounts added;
    for (const auto& [key, count] : inTheirs)
        added[key] = std::max(0, count - std::max(CountOf(inRead, key), CountOf(inOurs, key)));

    UserDirList merged;
    merged.reserve(ours.size() + theirs.size());
    for (const CUdir& entry : ours) {
        const auto it = deleted.find(KeyOf(entry));
        if (it != deleted.end() && it->second > 0)
            --it->second;
        else
            merged.push_back(entry);
    }
    for (const CUdir& entry : theirs) {
        const auto it = added.find(KeyOf(entry));
        if (it != added.end() && it->second > 0) {
            --it->second;
            merged.push_back(entry);
        }
    }
    return merged;
}

void SetUserDirPath(UserDirState& state, const DocsFolder& docs)
{
    if (state.m_nUdirLoc != 0) {
        const std::optional<fs::path> file = DocumentsFile(docs);
        state.m_strUserDirFile = (file ? *file : state.m_currentDir / kFileName).string();
    } else {
        state.m_strUserDirFile = (state.m_currentDir / kOldFileName).string();
    }
}

UserDirResult ReadUserDirFile(const fs::path& path, UserDirList& list)
{
    return ReadEntries(path, list) == FileRead::Failed ? UserDirResult::FileError : UserDirResult::Ok;
}

UserDirResult MigrateUserDirFile(UserDirState& state, const DocsFolder& docs)
{
    const fs::path oldFile = state.m_currentDir / kOldFileName;
    const std::optional<fs::path> newFile = DocumentsFile(docs);
    std::error_code ec;
    if (fs::exists(oldFile, ec)) {
        // Without a documents folder, or when the copy fails, the older file
        // stays in use.
        std::string bytes;
        if (!newFile || ReadBytes(oldFile, bytes) != FileRead::Read || !ReplaceFileContents(*newFile, bytes, true))
            return UserDirResult::Ok;
        state.m_nUdirLoc = 1;
        state.m_strUserDirFile = newFile->string();
        const fs::path oldBackup = state.m_currentDir / kOldBackupName;
        fs::remove(oldBackup, ec);
        fs::rename(oldFile, oldBackup, ec);
        return UserDirResult::Ok;
    }
    if (!newFile)
        return UserDirResult::Ok;
    state.m_nUdirLoc = 1;
    state.m_strUserDirFile = newFile->string();
    // A file already in the documents folder is the user's: read it now, or
    // the next write would rotate it away unread.
    return ReadUserDirFile(*newFile, state.m_listUserDir);
}

UserDirResult LoadUserDirectory(UserDirState& state, const DocsFolder& docs)
{
    state.m_listUserDir.clear();
    SetUserDirPath(state, docs);
    UserDirResult result = ReadUserDirFile(state.m_strUserDirFile, state.m_listUserDir);
    if (state.m_nUdirLoc == 0 && MigrateUserDirFile(state, docs) != UserDirResult::Ok)
        result = UserDirResult::FileError;
    state.m_listRead = state.m_listUserDir;
    return result;
}

UserDirResult SaveUserDirectory(UserDirState& state)
{
    UserDirList ours = std::move(state.m_listUserDir);
    state.m_listUserDir.clear();
    if (!g_bUserDirModified)
        return UserDirResult::Ok;

    const std::optional<fs::path> target = FollowLinks(state.m_strUserDirFile);
    if (!target)
        return UserDirResult::FileError;
    const WriterLock lock(WithSuffix(*target, ".lock"));
    // What the file holds now: another instance may have written it since.
    UserDirList theirs;
    switch (ReadEntries(*target, theirs)) {
    case FileRead::Failed:
        return UserDirResult::FileError;
    case FileRead::Missing:
        theirs = state.m_listRead;
        break;
    case FileRead::Read:
        if (!UserMayWrite(*target))
            return UserDirResult::FileError;
        break;
    }
    // An emptied list is written too, so deleted chords stay deleted.
    UserDirList merged = MergeUserDirLists(state.m_listRead, ours, theirs);
    if (!ReplaceFileContents(*target, FormatUserDirFile(merged), state.m_nUdirLoc != 0))
        return UserDirResult::FileError;
    state.m_listRead = std::move(merged);
    return UserDirResult::Ok;
}

}  // namespace document
