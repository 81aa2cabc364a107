#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "document/docs_folder.h"
#include "document/text_decoding.h"
#include "document/user_dir_file.h"

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

class FakeDocsFolder final : public DocsFolder {
public:
    std::optional<std::string> DocumentsFolder() const override { return folder; }
    std::optional<std::string> folder;
};

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
    EXPECT_FALSE(fs::exists(documents / "UserDir.kv.tmp"));
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
        {"name up to the first tilde", "a~b~5\n", {{"a", 0}}},
        {"leading digits of the value", "x~ 12abc\nneg~-7\nplus~+3\n", {{"x", 12}, {"neg", -7}, {"plus", 3}}},
        {"no value", "x~\n~5\n", {{"x", 0}, {"", 5}}},
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
    EXPECT_FALSE(fs::exists(documents / "UserDir.kv.tmp"));
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
    fs::create_directories(documents / "UserDir.kv.tmp" / "in the way");

    ASSERT_EQ(document::LoadUserDirectory(state, docs), UserDirResult::Ok);
    EXPECT_EQ(state.m_nUdirLoc, 0);
    EXPECT_EQ(fs::path(state.m_strUserDirFile), work / "userdir.doc");
    EXPECT_EQ(Read(work / "userdir.doc"), oldBytes);
    EXPECT_EQ(Read(documents / "UserDir.kv"), docsBytes);
    EXPECT_FALSE(fs::exists(documents / "UserDir.kv!"));
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
        fs::path blocker;  // a non-empty folder where the write needs a file
    };
    const std::vector<Row> rows = {
        {"temporary file cannot be made", documents / "UserDir.kv.tmp"},
        {"old backup cannot be removed", documents / "UserDir.kv!"},
    };
    g_bUserDirModified = true;
    state.m_nUdirLoc = 1;
    state.m_strUserDirFile = file.string();
    for (const Row& row : rows) {
        Write(file, oldBytes);
        fs::create_directories(row.blocker / "in the way");
        state.m_listUserDir = {{"Replacement", 1}};
        EXPECT_EQ(document::SaveUserDirectory(state), UserDirResult::FileError) << row.label;
        EXPECT_EQ(Read(file), oldBytes) << row.label;
        fs::remove_all(row.blocker);
    }

    // A folder that cannot exist: the path runs through a regular file.
    Write(root / "plain file", "x");
    state.m_strUserDirFile = (root / "plain file" / "UserDir.kv").string();
    state.m_listUserDir = {{"Replacement", 1}};
    EXPECT_EQ(document::SaveUserDirectory(state), UserDirResult::FileError);
    EXPECT_TRUE(state.m_listUserDir.empty());
}

}  // namespace
