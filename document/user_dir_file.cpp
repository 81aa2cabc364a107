#include "document/user_dir_file.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include "document/docs_folder.h"
#include "document/file_reader.h"
#include "document/file_writer.h"
#include "document/save_target.h"
#include "document/text_decoding.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "UserDir.kv";
constexpr const char* kOldFileName = "userdir.doc";
constexpr const char* kOldBackupName = "userdir.bk!";

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

using document::FileRead;

FileRead ReadBytes(const fs::path& path, std::string& bytes)
{
    return document::ReadRegularFile(path, kMaxUserDirFileBytes, bytes);
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
    return ReadEntries(path, list) == FileRead::Refused ? UserDirResult::FileError : UserDirResult::Ok;
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
        if (!newFile || ReadBytes(oldFile, bytes) != FileRead::Read
            || !document::SaveFileReplacing(*newFile, bytes, {.keepBackup = true}))
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

    const std::optional<fs::path> target = ports::SaveTarget(state.m_strUserDirFile);
    if (!target)
        return UserDirResult::FileError;
    const document::FileWriterLock lock(*target);
    // What the file holds now: another instance may have written it since.
    UserDirList theirs;
    switch (ReadEntries(*target, theirs)) {
    case FileRead::Refused:
        return UserDirResult::FileError;
    case FileRead::Missing:
        theirs = state.m_listRead;
        break;
    case FileRead::Read:
        break;  // whether the user may write it, the save itself checks
    }
    // An emptied list is written too, so deleted chords stay deleted.
    UserDirList merged = MergeUserDirLists(state.m_listRead, ours, theirs);
    const SaveOptions options{.keepBackup = state.m_nUdirLoc != 0, .lockHeld = true};
    if (!SaveFileReplacing(*target, FormatUserDirFile(merged), options))
        return UserDirResult::FileError;
    state.m_listRead = std::move(merged);
    return UserDirResult::Ok;
}

}  // namespace document
