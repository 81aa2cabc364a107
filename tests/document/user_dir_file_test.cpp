#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "document/text_decoding.h"
#include "document/user_dir_file.h"
#include "tests/support/fake_ports.h"
#include "tests/support/special_files.h"

namespace fs = std::filesystem;

// Found by argument lookup, so beside CUdir.
static bool operator==(const CUdir& a, const CUdir& b)
{
    return a.m_strName == b.m_strName && a.m_nValue == b.m_nValue;
}

static void PrintTo(const CUdir& entry, std::ostream* os)
{
    *os << '"' << entry.m_strName << "\"~" << entry.m_nValue;
}

namespace {

constexpr const char* kHeader = "// Tonalith generated user directory file.\r\n"
                                "// Used by kvwin32.exe - do not edit!\r\n";

struct UserDirFileTest : ::testing::Test {
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "userdir-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        work = root / "work";
        documents = root / "Documents";
        fs::create_directories(work);
        fs::create_directories(documents);
        docs.folder = documents.string();
        state.m_currentDir = work;
        g_bUserDirModified = false;
    }
    void TearDown() override
    {
        g_bUserDirModified = false;
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    // Every name under a folder, links not followed, sorted.
    static std::vector<std::string> Listing(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            names.push_back(entry.path().lexically_relative(folder).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root, work, documents;
    FakeDocsFolder docs;
    UserDirState state;
};

TEST_F(UserDirFileTest, FileBytes)
{
    const UserDirList list = {
        {"C minor", 0x0089 | (0x10 << 16)},
        {"with blank", 4294},
        {"high flags", static_cast<UdirChordValue>(0x80000091u)},
    };
    EXPECT_EQ(document::FormatUserDirFile(list), std::string(kHeader) + "C minor~1048713\r\r\n"
                                                     "with blank~4294\r\r\n"
                                                     "high flags~-2147483503\r\r\n");
    EXPECT_EQ(document::FormatUserDirFile({}), kHeader);

    state.m_nUdirLoc = 1;
    state.m_strUserDirFile = (documents / "UserDir.kv").string();
    state.m_listUserDir = list;
    g_bUserDirModified = true;
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    EXPECT_EQ(Read(documents / "UserDir.kv"), document::FormatUserDirFile(list));
    EXPECT_TRUE(state.m_listUserDir.empty());
    EXPECT_EQ(Listing(documents), std::vector<std::string>{"UserDir.kv"});
}

TEST_F(UserDirFileTest, ReadingLines)
{
    struct Row {
        const char* label;
        std::string bytes;
        UserDirList entries;
    };
    const std::vector<Row> rows = {
        {"header only", kHeader, {}},
        {"written by us", std::string(kHeader) + "A~1\r\r\nB~2\r\r\n", {{"A", 1}, {"B", 2}}},
        {"blank in the name", "Big chord~4294\r\r\n", {{"Big chord", 4294}}},
        {"LF only, no final break", "A~1\nB~2", {{"A", 1}, {"B", 2}}},
        {"CR LF", "A~1\r\nB~2\r\n", {{"A", 1}, {"B", 2}}},
        {"empty and plain lines skipped", "\r\n\nno tilde\r\nA~7\r\r\n\r\n", {{"A", 7}}},
        {"value after the last tilde", "a~b~5\n~~7\n", {{"a~b", 5}, {"~", 7}}},
        {"CR alone", "A~1\rB~2\r\rC~3", {{"A", 1}, {"B", 2}, {"C", 3}}},
        {"all three mixed", "A~1\r\r\nB~2\rC~3\nD~4\r\n", {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}}},
        {"leading digits of the value", "x~ 12abc\nneg~-7\nplus~+3\n", {{"x", 12}, {"neg", -7}, {"plus", 3}}},
        {"no value", "x~\n~5\n", {{"x", 0}, {"", 5}}},
        {"not a number", "x~abc\ny~--3\n", {{"x", 0}, {"y", 0}}},
        {"any bytes in the name", std::string("\0\x01\xFF~9\n", 6), {{document::DecodeFileLine(std::string("\0\x01\xFF", 3)), 9}}},
        {"value clamped",
         "big~99999999999\nsmall~-99999999999\nhuge~" + std::string(40, '9') + "\n",
         {{"big", 2147483647}, {"small", -2147483647 - 1}, {"huge", 2147483647}}},
        {"UTF-8 kept", "Gr\xC3\xB6\xC3\x9F""e \xE2\x99\xAF~5\n", {{"Gr\xC3\xB6\xC3\x9F""e \xE2\x99\xAF", 5}}},
        {"Windows-1252 decoded", "Gr\xF6\xDF""e\x80~5\r\r\n", {{"Gr\xC3\xB6\xC3\x9F""e\xE2\x82\xAC", 5}}},
    };
    for (const Row& row : rows) {
        UserDirList list;
        document::ParseUserDirFile(row.bytes, list);
        EXPECT_EQ(list, row.entries) << row.label;
    }
}

TEST_F(UserDirFileTest, TextDecoding)
{
    struct Row {
        std::string line;
        std::string decoded;
    };
    const std::vector<Row> rows = {
        {"plain", "plain"},
        {"\xC3\xA9", "\xC3\xA9"},                         // UTF-8 e acute stays
        {"\xE9", "\xC3\xA9"},                             // Windows-1252 e acute
        {"\x80\x8A\x9F", "\xE2\x82\xAC\xC5\xA0\xC5\xB8"},  // euro, S caron, Y diaeresis
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                 // undefined bytes as C1 controls
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                 // overlong slash is not UTF-8
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // surrogate is not UTF-8
        {"\xF0\x9F\x8E\xB8", "\xF0\x9F\x8E\xB8"},         // four-byte sequence stays
        {"\xE2\x99", "\xC3\xA2\xE2\x84\xA2"},             // cut sequence
    };
    for (const Row& row : rows)
        EXPECT_EQ(document::DecodeFileLine(row.line), row.decoded);
}

TEST_F(UserDirFileTest, RoundTripOfNamesLongLinesAndManyLines)
{
    UserDirList list = {
        {"Gr\xC3\xB6\xC3\x9F""e \xE2\x99\xAF 7", 0x0891},
        {std::string(10000, 'x') + "\xC3\xA9", 0x0089 | (0x5B << 16)},
        {"", 1},
    };
    for (int i = 0; i < 2500; ++i)
        list.push_back({"chord " + std::to_string(i), i});

    state.m_nUdirLoc = 1;
    g_bUserDirModified = true;
    state.m_listUserDir = list;
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);  // nothing there yet
    state.m_listUserDir = list;
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_listUserDir, list);
}

TEST_F(UserDirFileTest, OldWindowsFileKeepsItsAccents)
{
    Write(work / "userdir.doc", std::string(kHeader) + "D\xE9j\xE0 vu~145\r\r\n");
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    const UserDirList expected = {{"D\xC3\xA9j\xC3\xA0 vu", 145}};
    EXPECT_EQ(state.m_listUserDir, expected);

    g_bUserDirModified = true;
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    EXPECT_EQ(Read(documents / "UserDir.kv"), std::string(kHeader) + "D\xC3\xA9j\xC3\xA0 vu~145\r\r\n");
}

TEST_F(UserDirFileTest, PathFollowsTheLocationSetting)
{
    struct Row {
        const char* label;
        int udirLoc;
        bool haveDocs;
        fs::path expected;  // relative to root
    };
    const std::vector<Row> rows = {
        {"documents folder", 1, true, "Documents/UserDir.kv"},
        {"no documents folder", 1, false, "work/UserDir.kv"},
        {"older file", 0, true, "work/userdir.doc"},
    };
    for (const Row& row : rows) {
        docs.folder = row.haveDocs ? std::optional<std::string>(documents.string()) : std::nullopt;
        state.m_nUdirLoc = row.udirLoc;
        document::SetUserDirPath(state, docs);
        EXPECT_EQ(fs::path(state.m_strUserDirFile), root / row.expected) << row.label;
    }

    UserDirState plain;
    docs.folder.reset();
    plain.m_nUdirLoc = 1;
    document::SetUserDirPath(plain, docs);
    EXPECT_EQ(plain.m_strUserDirFile, "UserDir.kv");
    plain.m_nUdirLoc = 0;
    document::SetUserDirPath(plain, docs);
    EXPECT_EQ(plain.m_strUserDirFile, "userdir.doc");
}

TEST_F(UserDirFileTest, MigrationMovesTheOlderFileToDocuments)
{
    const std::string oldBytes = std::string(kHeader) + "Old~145\r\r\n";
    Write(work / "userdir.doc", oldBytes);
    Write(work / "userdir.bk!", "stale backup");
    Write(documents / "UserDir.kv", std::string(kHeader) + "Already here~1\r\r\n");

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_listUserDir, (UserDirList{{"Old", 145}}));
    EXPECT_EQ(state.m_nUdirLoc, 1);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), documents / "UserDir.kv");
    EXPECT_EQ(Read(documents / "UserDir.kv"), oldBytes);
    // The file it replaced is kept rather than lost.
    EXPECT_EQ(Read(documents / "UserDir.kv!"), std::string(kHeader) + "Already here~1\r\r\n");
    EXPECT_FALSE(fs::exists(work / "userdir.doc"));
    EXPECT_EQ(Read(work / "userdir.bk!"), oldBytes);
    EXPECT_EQ(Listing(documents), (std::vector<std::string>{"UserDir.kv", "UserDir.kv!"}));
}

TEST_F(UserDirFileTest, MigrationWithoutDocumentsFolderChangesNothing)
{
    const std::string oldBytes = std::string(kHeader) + "Old~145\r\r\n";
    Write(work / "userdir.doc", oldBytes);
    docs.folder.reset();

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_listUserDir, (UserDirList{{"Old", 145}}));
    EXPECT_EQ(state.m_nUdirLoc, 0);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), work / "userdir.doc");
    EXPECT_EQ(Read(work / "userdir.doc"), oldBytes);
    EXPECT_FALSE(fs::exists(work / "userdir.bk!"));
    EXPECT_FALSE(fs::exists("/UserDir.kv"));
}

TEST_F(UserDirFileTest, FailedMigrationCopyKeepsTheOlderFile)
{
    const std::string oldBytes = std::string(kHeader) + "Old~145\r\r\n";
    const std::string docsBytes = std::string(kHeader) + "Already here~1\r\r\n";
    Write(work / "userdir.doc", oldBytes);
    Write(documents / "UserDir.kv", docsBytes);
    // The file there cannot be kept as the backup.
    fs::create_directories(documents / "UserDir.kv!" / "in the way");

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_nUdirLoc, 0);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), work / "userdir.doc");
    EXPECT_EQ(Read(work / "userdir.doc"), oldBytes);
    EXPECT_EQ(Read(documents / "UserDir.kv"), docsBytes);
    EXPECT_EQ(Listing(documents), (std::vector<std::string>{"UserDir.kv", "UserDir.kv!", "UserDir.kv!/in the way"}));
}

// The migration copy is a save like any other: a link in Documents that
// leads to a pipe is no file to copy over.
TEST_F(UserDirFileTest, MigrationLeavesALinkToAPipeAlone)
{
    const std::string oldBytes = std::string(kHeader) + "Old~145\r\r\n";
    Write(work / "userdir.doc", oldBytes);
    ASSERT_TRUE(testsupport::MakeSpecialFile(testsupport::SpecialFile::Fifo, root / "pipe"));
    fs::create_symlink(root / "pipe", documents / "UserDir.kv");

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_listUserDir, (UserDirList{{"Old", 145}}));
    EXPECT_EQ(state.m_nUdirLoc, 0);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), work / "userdir.doc");
    EXPECT_EQ(Read(work / "userdir.doc"), oldBytes);
    EXPECT_EQ(fs::symlink_status(root / "pipe").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink(documents / "UserDir.kv"));
    EXPECT_EQ(Listing(root), (std::vector<std::string>{"Documents", "Documents/UserDir.kv", "pipe", "work",
                                                       "work/userdir.doc"}));
}

TEST_F(UserDirFileTest, MovingToDocumentsReadsTheFileThere)
{
    const std::string docsBytes = std::string(kHeader) + "Kept~1048713\r\r\n";
    Write(documents / "UserDir.kv", docsBytes);

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_nUdirLoc, 1);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), documents / "UserDir.kv");
    EXPECT_EQ(state.m_listUserDir, (UserDirList{{"Kept", 1048713}}));

    // The next write keeps the entry, and the previous file as the backup.
    g_bUserDirModified = true;
    state.m_listUserDir.push_back({"New", 0x091});
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    EXPECT_EQ(Read(documents / "UserDir.kv"), docsBytes + "New~145\r\r\n");
    EXPECT_EQ(Read(documents / "UserDir.kv!"), docsBytes);
}

TEST_F(UserDirFileTest, NoFileAnywhereGivesAnEmptyList)
{
    docs.folder.reset();
    state.m_listUserDir.push_back({"left over", 1});
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_TRUE(state.m_listUserDir.empty());
    EXPECT_EQ(state.m_nUdirLoc, 0);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), work / "userdir.doc");
}

TEST_F(UserDirFileTest, UnreadableFileIsReported)
{
    fs::create_directories(documents / "UserDir.kv");
    state.m_nUdirLoc = 1;
    EXPECT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::FileError);
    EXPECT_TRUE(state.m_listUserDir.empty());
}

TEST_F(UserDirFileTest, UnchangedListLeavesTheFileAlone)
{
    const fs::path file = documents / "UserDir.kv";
    Write(file, std::string(kHeader) + "A~1\r\r\n");
    const auto time = fs::last_write_time(file);
    state.m_nUdirLoc = 1;
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    ASSERT_EQ(state.m_listUserDir.size(), 1u);

    EXPECT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    EXPECT_TRUE(state.m_listUserDir.empty());
    EXPECT_EQ(Read(file), std::string(kHeader) + "A~1\r\r\n");
    EXPECT_EQ(fs::last_write_time(file), time);
    EXPECT_FALSE(fs::exists(documents / "UserDir.kv!"));
}

TEST_F(UserDirFileTest, BackupOnlyInTheDocumentsFolder)
{
    struct Row {
        int udirLoc;
        fs::path file;
        bool backup;
    };
    const std::vector<Row> rows = {
        {1, documents / "UserDir.kv", true},
        {0, work / "userdir.doc", false},
    };
    g_bUserDirModified = true;
    for (const Row& row : rows) {
        state.m_nUdirLoc = row.udirLoc;
        state.m_strUserDirFile = row.file.string();
        for (int version = 1; version <= 3; ++version) {
            state.m_listUserDir = {{"v" + std::to_string(version), version}};
            ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
        }
        EXPECT_EQ(Read(row.file), std::string(kHeader) + "v3~3\r\r\n");
        const fs::path backup = fs::path(row.file) += "!";
        EXPECT_EQ(fs::exists(backup), row.backup) << row.file;
        if (row.backup) {
            EXPECT_EQ(Read(backup), std::string(kHeader) + "v2~2\r\r\n");
        }
    }
}

TEST_F(UserDirFileTest, EmptiedListIsStillWritten)
{
    const fs::path file = documents / "UserDir.kv";
    Write(file, std::string(kHeader) + "Deleted~1\r\r\n");
    state.m_nUdirLoc = 1;
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    state.m_listUserDir.clear();
    g_bUserDirModified = true;
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);
    EXPECT_EQ(Read(file), kHeader);
}

TEST_F(UserDirFileTest, FailedWriteKeepsTheOldFile)
{
    const std::string oldBytes = std::string(kHeader) + "Precious~145\r\r\n";
    const fs::path file = documents / "UserDir.kv";
    struct Row {
        const char* label;
        std::function<void()> spoil;
        fs::path path;  // written through
    };
    const std::vector<Row> rows = {
        {"old backup cannot be replaced", [&] { fs::create_directories(documents / "UserDir.kv!" / "in the way"); },
         file},
        {"link into a folder that is not there",
         [&] { fs::create_symlink(root / "gone" / "UserDir.kv", root / "link"); }, root / "link"},
        {"folder runs through a file", [&] { Write(root / "plain file", "x"); }, root / "plain file" / "UserDir.kv"},
    };
    g_bUserDirModified = true;
    state.m_nUdirLoc = 1;
    for (const Row& row : rows) {
        Write(file, oldBytes);
        row.spoil();
        const std::vector<std::string> before = Listing(root);
        state.m_strUserDirFile = row.path.string();
        state.m_listUserDir = {{"Replacement", 1}};
        EXPECT_EQ(document::SaveUserDirectory(state), UserDirResult::FileError) << row.label;
        EXPECT_TRUE(state.m_listUserDir.empty());
        EXPECT_EQ(Read(file), oldBytes) << row.label;
        EXPECT_EQ(Listing(root), before) << row.label << ": nothing left behind";
        fs::remove_all(documents / "UserDir.kv!");
    }
}

// Whatever the file holds, every entry read is written back: each file is
// read, one chord is added, and the file read again holds both.
TEST_F(UserDirFileTest, BadInputIsKeptWholeThroughAWrite)
{
    std::string binary;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char pick = static_cast<char>(seed >> 24);
        binary += (seed >> 8) % 16 == 0 ? '~' : pick;
    }
    std::string manyLines = kHeader;
    for (int i = 0; i < 100000; ++i)
        manyLines += "chord " + std::to_string(i) + "~" + std::to_string(i) + "\r\r\n";
    struct Row {
        const char* label;
        std::string bytes;
        std::size_t entries;  // 0: whatever the reader finds
    };
    const std::vector<Row> rows = {
        {"binary bytes", binary, 0},
        {"a line of a megabyte", std::string(kHeader) + std::string(1 << 20, 'x') + "~145\r\r\n", 1},
        {"100,000 lines", manyLines, 100000},
        {"values that are not numbers", "x~abc\r\r\ny~\r\r\nz~0x91\r\r\n", 3},
        {"tilde in the name", "My~chord~145\r\r\n~~1\r\r\n", 2},
        {"CR line ends", "A~1\rB~2\rC~3\r", 3},
    };
    const fs::path file = documents / "UserDir.kv";
    state.m_nUdirLoc = 1;
    for (const Row& row : rows) {
        Write(file, row.bytes);
        ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok) << row.label;
        UserDirList expected;
        document::ParseUserDirFile(row.bytes, expected);
        EXPECT_EQ(state.m_listUserDir, expected) << row.label;
        if (row.entries != 0) {
            EXPECT_EQ(state.m_listUserDir.size(), row.entries) << row.label;
        }

        state.m_listUserDir.push_back({"Added", 7});
        expected.push_back({"Added", 7});
        g_bUserDirModified = true;
        ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok) << row.label;
        ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok) << row.label;
        EXPECT_TRUE(state.m_listUserDir == expected) << row.label;
    }
}

TEST_F(UserDirFileTest, FileThatCannotBeReadOrWrittenIsLeftAlone)
{
    const fs::path file = documents / "UserDir.kv";
    const std::string bytes = std::string(kHeader) + "Precious~145\r\r\n";
    struct Row {
        const char* label;
        std::function<void()> make;
        UserDirResult load;
    };
    const std::vector<Row> rows = {
        {"made read-only by the user",
         [&] {
             Write(file, bytes);
             fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
         },
         UserDirResult::Ok},
        // Too big to be a User Directory; not read into memory.
        {"larger than 64 MB",
         [&] {
             Write(file, bytes);
             fs::resize_file(file, kMaxUserDirFileBytes + 1);
         },
         UserDirResult::FileError},
        {"a folder", [&] { fs::create_directories(file / "inside"); }, UserDirResult::FileError},
    };
    state.m_nUdirLoc = 1;
    for (const Row& row : rows) {
        fs::remove_all(documents);
        fs::create_directories(documents);
        row.make();
        const fs::file_status before = fs::status(file);
        const std::uintmax_t size = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        const std::vector<std::string> listing = Listing(documents);

        EXPECT_EQ(document::LoadUserDirectory(state, docs), row.load) << row.label;
        state.m_listUserDir.push_back({"Mine", 1});
        g_bUserDirModified = true;
        EXPECT_EQ(document::SaveUserDirectory(state), UserDirResult::FileError) << row.label;

        EXPECT_EQ(fs::status(file).type(), before.type()) << row.label;
        EXPECT_EQ(fs::status(file).permissions(), before.permissions()) << row.label;
        if (fs::is_regular_file(file)) {
            EXPECT_EQ(fs::file_size(file), size) << row.label;
        }
        EXPECT_EQ(Listing(documents), listing) << row.label;
    }
}

// Another user's file, or one without read permission: the old writer
// moved it aside and wrote only the new chord.
TEST_F(UserDirFileTest, AnotherUsersFileIsLeftAlone)
{
    const fs::path folder = root / "shared";
    fs::create_directories(folder);
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(folder, fs::perms::all);
    const fs::path file = folder / "UserDir.kv";
    const std::string bytes = std::string(kHeader) + "Theirs~145\r\r\n";
    Write(file, bytes);
    fs::permissions(file, fs::perms::none);
    docs.folder = folder.string();

    // In a child process, as nobody when the test runs as the superuser.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(2);
            UserDirState other;
            other.m_nUdirLoc = 1;
            const bool readRefused =
                document::LoadUserDirectory(other, docs) == UserDirResult::FileError && other.m_listUserDir.empty();
            other.m_listUserDir.push_back({"Mine", 1});
            g_bUserDirModified = true;
            const bool writeRefused = document::SaveUserDirectory(other) == UserDirResult::FileError;
            std::_Exit(readRefused && writeRefused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(file), bytes);
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"UserDir.kv"});
}

TEST_F(UserDirFileTest, SymbolicLinkIsFollowedAndTheModeKept)
{
    const fs::path real = root / "synced" / "real.kv";
    fs::create_directories(real.parent_path());
    const std::string bytes = std::string(kHeader) + "Kept~1\r\r\n";
    Write(real, bytes);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    // A relative link to a link.
    fs::create_symlink("synced/real.kv", root / "middle.kv");
    fs::create_symlink(root / "middle.kv", documents / "UserDir.kv");

    state.m_nUdirLoc = 1;
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_listUserDir, (UserDirList{{"Kept", 1}}));
    state.m_listUserDir.push_back({"New", 2});
    g_bUserDirModified = true;
    ASSERT_EQ(document::SaveUserDirectory(state), UserDirResult::Ok);

    EXPECT_TRUE(fs::is_symlink(documents / "UserDir.kv"));
    EXPECT_TRUE(fs::is_symlink(root / "middle.kv"));
    EXPECT_EQ(Read(real), bytes + "New~2\r\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(root / "synced" / "real.kv!"), bytes);
}

TEST_F(UserDirFileTest, MergingWithWhatAnotherInstanceWrote)
{
    const CUdir a{"A", 1}, b{"B", 2}, c{"C", 3}, d{"D", 4};
    const CUdir a1{"A", 11}, a2{"A", 12};
    struct Row {
        const char* label;
        UserDirList read, ours, theirs, merged;
    };
    const std::vector<Row> rows = {
        {"nothing changed elsewhere", {a, b}, {a, b, c}, {a, b}, {a, b, c}},
        {"both added", {a}, {a, b}, {a, c}, {a, b, c}},
        {"the same addition on both sides, once", {a}, {a, b}, {a, b}, {a, b}},
        {"they deleted what we kept", {a, b}, {a, b, c}, {b}, {b, c}},
        {"we deleted what they kept", {a, b}, {b}, {a, b, d}, {b, d}},
        {"we changed what they deleted", {a}, {a1}, {}, {a1}},
        {"both changed one entry", {a}, {a1}, {a2}, {a1, a2}},
        {"we emptied the list", {a, b}, {}, {a, b, c}, {c}},
        {"copies counted", {a, a}, {a, a, a}, {a}, {a, a}},
        {"the file could not be read at start", {}, {d}, {a, b}, {d, a, b}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(document::MergeUserDirLists(row.read, row.ours, row.theirs), row.merged) << row.label;
}

TEST_F(UserDirFileTest, TwoInstancesQuittingOneAfterTheOtherKeepBothAdditions)
{
    const fs::path file = documents / "UserDir.kv";
    Write(file, std::string(kHeader) + "Seed~1\r\r\nOld~9\r\r\n");
    UserDirState first = state, second = state;
    first.m_nUdirLoc = second.m_nUdirLoc = 1;
    ASSERT_EQ(document::LoadUserDirectory(first, docs), UserDirResult::Ok);
    ASSERT_EQ(document::LoadUserDirectory(second, docs), UserDirResult::Ok);

    first.m_listUserDir.push_back({"First", 2});
    second.m_listUserDir.push_back({"Second", 3});
    std::erase_if(second.m_listUserDir, [](const CUdir& e) { return e.m_strName == "Old"; });
    g_bUserDirModified = true;
    ASSERT_EQ(document::SaveUserDirectory(first), UserDirResult::Ok);
    ASSERT_EQ(document::SaveUserDirectory(second), UserDirResult::Ok);

    EXPECT_EQ(Read(file), std::string(kHeader) + "Seed~1\r\r\nSecond~3\r\r\nFirst~2\r\r\n");
    EXPECT_EQ(Read(documents / "UserDir.kv!"), std::string(kHeader) + "Seed~1\r\r\nOld~9\r\r\nFirst~2\r\r\n");
}

TEST_F(UserDirFileTest, TwoWritersAtOnceLoseNothingAndTheFileIsNeverMissing)
{
    const fs::path file = documents / "UserDir.kv";
    Write(file, std::string(kHeader) + "Seed~1\r\r\n");
    g_bUserDirModified = true;
    constexpr int kSaves = 30;
    std::atomic<int> writing{2};
    std::atomic<int> failedSaves{0};
    auto writer = [&](const std::string& prefix) {
        for (int i = 0; i < kSaves; ++i) {
            UserDirState instance;
            instance.m_nUdirLoc = 1;
            if (document::LoadUserDirectory(instance, docs) != UserDirResult::Ok)
                ++failedSaves;
            instance.m_listUserDir.push_back({prefix + std::to_string(i), i});
            if (document::SaveUserDirectory(instance) != UserDirResult::Ok)
                ++failedSaves;
        }
        --writing;
    };
    int looks = 0, missing = 0, partial = 0;
    std::thread a(writer, "A"), b(writer, "B");
    while (writing > 0) {
        ++looks;
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            ++missing;
            continue;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.rfind(kHeader, 0) != 0 || bytes.find("Seed~1\r\r\n") == std::string::npos)
            ++partial;
    }
    a.join();
    b.join();
    EXPECT_GT(looks, 0);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(failedSaves, 0);

    UserDirList expected = {{"Seed", 1}};
    for (int i = 0; i < kSaves; ++i)
        expected.insert(expected.end(), {{"A" + std::to_string(i), i}, {"B" + std::to_string(i), i}});
    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    auto byName = [](const CUdir& x, const CUdir& y) { return x.m_strName < y.m_strName; };
    std::sort(expected.begin(), expected.end(), byName);
    std::sort(state.m_listUserDir.begin(), state.m_listUserDir.end(), byName);
    EXPECT_EQ(state.m_listUserDir, expected);
    EXPECT_EQ(Listing(documents), (std::vector<std::string>{"UserDir.kv", "UserDir.kv!"}));
}

}  // namespace
