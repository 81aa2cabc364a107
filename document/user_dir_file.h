#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/udir.h"

class DocsFolder;

// Shown (exclamation icon, OK) when the file cannot be read or written.
inline constexpr std::string_view kUserDirFileError = "User directory file error";

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
};

enum class UserDirResult {
    Ok,
    FileError,  // show kUserDirFileError
};

namespace document {

// Start-up: chooses the path from m_nUdirLoc, reads the file into the
// (emptied) list and, while m_nUdirLoc is 0, moves the older "userdir.doc"
// to the documents folder. A missing file is no error.
UserDirResult LoadUserDirectory(UserDirState& state, const DocsFolder& docs);

// Close and File New: writes the list when g_bUserDirModified is set, then
// empties it. The file is replaced whole or not at all; in the documents
// folder the previous file is kept with "!" appended.
UserDirResult SaveUserDirectory(UserDirState& state);

// The steps of LoadUserDirectory.
void SetUserDirPath(UserDirState& state, const DocsFolder& docs);
UserDirResult ReadUserDirFile(const std::filesystem::path& path, UserDirList& list);
UserDirResult MigrateUserDirFile(UserDirState& state, const DocsFolder& docs);

// The file's bytes: the two header lines ending CR LF, each entry
// "name~value" ending CR CR LF.
std::string FormatUserDirFile(const UserDirList& list);
// Appends the entries of a file's bytes: every line holding "~", whatever its
// length or number.
void ParseUserDirFile(std::string_view bytes, UserDirList& list);

}  // namespace document
