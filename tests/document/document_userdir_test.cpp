#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/user_dir_file.h"
#include "tests/document/doc_fixture.h"

namespace {

namespace fs = std::filesystem;

struct UserDirectory : DocFixture {
    fs::path dir;
    FakeDocsFolder docs;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("tonalith-udir-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        docs.folder = dir.string();
        frame.m_nUdirLoc = 1;
    }
    void TearDown() override
    {
        DocFixture::TearDown();
        fs::remove_all(dir);
    }
    CKvwinDoc& start()
    {
        doc = std::make_unique<CKvwinDoc>(CKvwinDoc::Ports{&ui, &midi, &screen, &docs});
        doc->OnNewDocument();
        doc->InitDocument(frame);
        return *doc;
    }
    void writeFile(const std::string& bytes)
    {
        std::ofstream(dir / "UserDir.kv", std::ios::binary) << bytes;
    }
    std::string readFile() const
    {
        std::ifstream in(dir / "UserDir.kv", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(UserDirectory, StartUpReadsTheFileAndNamesChordsFromIt)
{
    writeFile("// header\r\n// header\r\nmy cluster~3\r\r\n");
    start();
    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    std::string name;
    EXPECT_TRUE(doc->GetChordName(0x003, name));
    EXPECT_EQ(name, "my cluster");
}

TEST_F(UserDirectory, FileNewLosesNoEntry)
{
    writeFile("// a\r\n// b\r\nmine~3\r\r\n");
    start();
    doc->m_listUserDir.push_back({"added", 0x7});
    g_bUserDirModified = true;
    doc->OnFileNew();
    // Written, then read back.
    ASSERT_EQ(doc->m_listUserDir.size(), 2u);
    EXPECT_EQ(doc->m_listUserDir[1].m_strName, "added");
    doc->DeleteContents();
    EXPECT_NE(readFile().find("added~7\r\r\n"), std::string::npos);
}

TEST_F(UserDirectory, ShutDownWithoutChangesLeavesTheFileAlone)
{
    const std::string bytes = "// a\r\n// b\r\nmine~3\r\r\n";
    writeFile(bytes);
    start();
    const auto before = fs::last_write_time(dir / "UserDir.kv");
    doc->OnCloseDocument();
    doc->DeleteContents();
    EXPECT_EQ(readFile(), bytes);
    EXPECT_EQ(fs::last_write_time(dir / "UserDir.kv"), before);
    EXPECT_FALSE(fs::exists(dir / "UserDir.kv!"));
}

TEST_F(UserDirectory, TwoProgramsQuittingInTurnKeepEachOthersChords)
{
    writeFile("// a\r\n// b\r\nmine~3\r\r\n");
    CKvwinDoc& first = start();
    auto firstDoc = std::move(doc);
    CKvwinDoc& second = start();
    first.m_listUserDir.push_back({"from the first", 0x7});
    second.m_listUserDir.push_back({"from the second", 0x91});
    g_bUserDirModified = true;
    first.DeleteContents();
    second.DeleteContents();
    EXPECT_EQ(readFile(), std::string(kUserDirHeader1) + "\r\n" + std::string(kUserDirHeader2) +
                              "\r\nmine~3\r\r\nfrom the second~145\r\r\nfrom the first~7\r\r\n");
}

TEST_F(UserDirectory, UnreadableFileIsReported)
{
    fs::create_directories(dir / "UserDir.kv");  // a folder where the file should be
    start();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"User directory file error"});
    EXPECT_TRUE(doc->m_listUserDir.empty());
}

}  // namespace
