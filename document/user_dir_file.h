#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/udir.h"

class DocsFolder;

// Shown (exclamation icon, OK) when the file cannot be read or written.
inline constexpr std::string_view kUserDirFileError = "User directory file error";

// Over a million entries; a bigger file is not ours and is left alone
// rather than read into memory whole.
inline constexpr std::uintmax_t kMaxUserDirFileBytes = 64u << 20;

inline constexpr std::string_view kUserDirHeader1 = "// Tonalith generated user directory file.";
inline constexpr std::string_view kUserDirHeader2 = "// Used by kvwin32.exe - do not edit!";

// The document's User Directory: its list, the file it lives in, and whether
// that file is in the documents folder (the UdirLoc setting).
struct UserDirState {
    UserDirList m_listUserDir;
    std::string m_strUserDirFile = "UserDir.kv";
    std::int32_t m_nUdirLoc = 0;
    // Where the names without a folder resolve; empty is the process's
    // current directory.
    std::filesystem::path m_currentDir;
    // The entries as this instance last read or wrote the file: what another
    // instance changed since is told apart from this one's own changes by it.
    UserDirList m_listRead;
};

enum class UserDirResult {
    Ok,
    FileError,  // show kUserDirFileError
};

namespace document {

// Start-up: chooses the path from m_nUdirLoc, reads the file into the
// (emptied) list and, while m_nUdirLoc is 0, moves the older "userdir.doc"
// to the documents folder. A missing file is no error. m_listRead gets what
// was read.
UserDirResult LoadUserDirectory(UserDirState& state, const DocsFolder& docs);

// Close and File New: when g_bUserDirModified is set, reads the file again,
// puts this instance's changes since m_listRead on top of what it holds now
// and writes that, then empties the list. A file that cannot be read, or
// that the user may not write, is left alone. The file is saved by
// SaveFileReplacing: whole or not at all, through a symbolic link to a
// regular file, never over anything else; in the documents folder the
// previous file is kept with "!" appended.
UserDirResult SaveUserDirectory(UserDirState& state);

// The steps of LoadUserDirectory.
void SetUserDirPath(UserDirState& state, const DocsFolder& docs);
UserDirResult ReadUserDirFile(const std::filesystem::path& path, UserDirList& list);
UserDirResult MigrateUserDirFile(UserDirState& state, const DocsFolder& docs);

// The file's bytes: the two header lines ending CR LF, each entry
// "name~value" ending CR CR LF.
std::string FormatUserDirFile(const UserDirList& list);
// Appends the entries of a file's bytes: every line holding "~", whatever its
// length or number. CR, LF and CR LF each end a line; the value follows the
// last "~", so a name may hold one.
void ParseUserDirFile(std::string_view bytes, UserDirList& list);

// The changes from `read` to `ours` put on top of `theirs`: entries only
// `theirs` added follow at the end, entries it deleted go unless `ours`
// added them again.
UserDirList MergeUserDirLists(const UserDirList& read, const UserDirList& ours, const UserDirList& theirs);

}  // namespace document
