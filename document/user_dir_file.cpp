#include "document/user_dir_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <system_error>

#include "document/docs_folder.h"
#include "document/text_decoding.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "UserDir.kv";
constexpr const char* kOldFileName = "userdir.doc";
constexpr const char* kOldBackupName = "userdir.bk!";

fs::path WithSuffix(const fs::path& path, const char* suffix)
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

bool WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Puts the finished file `temp` in the place of `target`. With a backup, a
// target already there is first kept as target + "!". On failure `target`
// is as it was and `temp` is gone.
bool ReplaceWith(const fs::path& temp, const fs::path& target, bool keepBackup)
{
    std::error_code ec;
    const fs::path backup = WithSuffix(target, "!");
    bool movedToBackup = false;
    if (keepBackup && fs::exists(target, ec)) {
        fs::remove(backup, ec);
        if (!ec)
            fs::rename(target, backup, ec);
        if (ec) {
            fs::remove(temp, ec);
            return false;
        }
        movedToBackup = true;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        if (movedToBackup)
            fs::rename(backup, target, ignored);
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

// Writes `bytes` beside `target` first, so a failed write leaves the old file.
bool ReplaceFileContents(const fs::path& target, const std::string& bytes, bool keepBackup)
{
    const fs::path temp = WithSuffix(target, ".tmp");
    if (!WriteBytes(temp, bytes)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return ReplaceWith(temp, target, keepBackup);
}

bool CopyReplacing(const fs::path& source, const fs::path& target)
{
    const fs::path temp = WithSuffix(target, ".tmp");
    std::error_code ec;
    fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return ReplaceWith(temp, target, true);
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
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        // CR LF reads as LF; the second CR of an entry line stays behind the number.
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t tilde = line.find('~');
        if (tilde == std::string_view::npos)
            continue;
        const std::string name = DecodeFileLine(line.substr(0, tilde));
        list.push_back(CUdir{name, ParseValue(line.substr(tilde + 1))});
    }
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
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return UserDirResult::Ok;
    if (ec || status.type() != fs::file_type::regular)
        return UserDirResult::FileError;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return UserDirResult::FileError;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return UserDirResult::FileError;
    ParseUserDirFile(bytes, list);
    return UserDirResult::Ok;
}

UserDirResult MigrateUserDirFile(UserDirState& state, const DocsFolder& docs)
{
    const fs::path oldFile = state.m_currentDir / kOldFileName;
    const std::optional<fs::path> newFile = DocumentsFile(docs);
    std::error_code ec;
    if (fs::exists(oldFile, ec)) {
        // Without a documents folder the older file stays in use.
        if (!newFile || !CopyReplacing(oldFile, *newFile))
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
    return result;
}

UserDirResult SaveUserDirectory(UserDirState& state)
{
    if (!g_bUserDirModified) {
        state.m_listUserDir.clear();
        return UserDirResult::Ok;
    }
    // An emptied list is written too, so deleted chords stay deleted.
    const std::string bytes = FormatUserDirFile(state.m_listUserDir);
    state.m_listUserDir.clear();
    const bool ok = ReplaceFileContents(state.m_strUserDirFile, bytes, state.m_nUdirLoc != 0);
    return ok ? UserDirResult::Ok : UserDirResult::FileError;
}

}  // namespace document
