#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "document/html_page.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/special_files.h"

namespace fs = std::filesystem;

namespace {

struct HtmlCommands : DocFixture {
    FakeFileDialogs files;
    fs::path dir;

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "html-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        startDoc();
        doc->GetPorts().fileDialogs = &files;
        doc->m_bScratchPadMode = true;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
        DocFixture::TearDown();
    }

    void addPadChord(std::uint16_t fret, const std::string& name)
    {
        ScratchPadChordRow row;
        row.w = {fret, fret, fret, fret, fret, fret, fret, 0, 1, 0, 0x0041};
        const int i = doc->m_nPadCount;
        doc->SetPadRow(i, row);
        doc->m_astrPadNames[static_cast<std::size_t>(i)] = name;
        doc->m_nPadCount = i + 1;
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    int filesIn(const fs::path& folder) const
    {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
};

TEST_F(HtmlCommands, SaveWritesThePageAndOffersItsName)
{
    addPadChord(3, "C");
    doc->m_strPadTitle2 = "my set";
    const fs::path path = dir / "my_set.html";
    files.answer = path.string();
    doc->OnFileSaveAsHtml();

    ASSERT_EQ(files.calls.size(), 1u);
    EXPECT_EQ(files.calls[0], (FakeFileDialogs::Call{"save", "my_set", "html",
                                                     "HTML Files (*.html *.htm);;Plain Text (*.txt);;All Files (*)"}));
    EXPECT_EQ(Read(path), document::buildHtmlPage(*doc, frame));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(filesIn(dir), 1);
}

TEST_F(HtmlCommands, SaveReplacesAnExistingFileWhole)
{
    addPadChord(3, "C");
    const fs::path path = dir / "page.html";
    Write(path, std::string(100000, 'x'));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    files.answer = path.string();
    doc->OnFileSaveAsHtml();
    EXPECT_EQ(Read(path), document::buildHtmlPage(*doc, frame));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(filesIn(dir), 1);
}

TEST_F(HtmlCommands, FilesThatCannotBeWrittenAreReported)
{
    struct Case {
        const char* what;
        fs::path path;
        bool readOnlyFile;
    };
    const Case cases[] = {
        {"missing folder", dir / "missing" / "page.html", false},
        {"a folder", dir, false},
        {"read-only file", dir / "kept.html", true},
    };
    addPadChord(3, "C");
    for (const Case& c : cases) {
        ui.messages.clear();
        if (c.readOnlyFile) {
            Write(c.path, "old");
            fs::permissions(c.path, fs::perms::owner_read);
        }
        files.answer = c.path.string();
        doc->OnFileSaveAsHtml();
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_EQ(ui.messages[0], "The page could not be saved to\n" + c.path.string()) << c.what;
        if (c.readOnlyFile) {
            EXPECT_EQ(Read(c.path), "old");
        }
    }
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(filesIn(dir), 1);
}

TEST_F(HtmlCommands, CancelledDialogsChangeNothing)
{
    addPadChord(3, "C");
    files.answer.reset();
    doc->OnFileSaveAsHtml();
    doc->OnFileLoadHtmlToScratchPad();
    EXPECT_EQ(filesIn(dir), 0);
    EXPECT_EQ(doc->m_nPadCount, 1);
    EXPECT_EQ(doc->m_astrPadNames[0], "C");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HtmlCommands, SavedPageLoadsBack)
{
    for (int i = 0; i < 9; ++i)
        addPadChord(static_cast<std::uint16_t>(i + 1), "chord " + std::to_string(i));
    doc->m_strPadTitle = "Nine";
    const fs::path path = dir / "nine.v2.html";
    files.answer = path.string();
    doc->OnFileSaveAsHtml();
    doc->ClearScratchPad();
    const int updates = ui.updates;

    doc->OnFileLoadHtmlToScratchPad();
    EXPECT_EQ(files.calls.back(), (FakeFileDialogs::Call{"open", "", "", "HTML Files (*.html *.htm);;All Files (*)"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc->m_nPadCount, 9);
    EXPECT_EQ(doc->m_strPadTitle, "Nine");
    EXPECT_EQ(doc->m_strPadTitle2, "nine.v2");
    EXPECT_EQ(doc->m_astrPadNames[8], "chord 8");
    EXPECT_EQ(doc->GetPadRow(8).w[0], 9);
    EXPECT_EQ(ui.updates, updates + 1);
    // The next save offers the loaded page's name.
    EXPECT_EQ(document::HtmlDefaultNames(*doc).fileName, "nine.v2");
}

TEST_F(HtmlCommands, LoadTellsWhatCouldNotBeRead)
{
    struct Case {
        const char* what;
        std::string bytes;  // nothing: the file is missing
        bool missing;
        const char* message;
    };
    const Case cases[] = {
        {"missing file", "", true, "File open error"},
        {"not a page", "just text\r\n<title>a page</title>\r\n<p>hello</p>", false,
         "This file holds no chords to load.\nThe Scratch Pad is unchanged."},
        {"binary", std::string("\0\x01\xFF<title>\n\0", 11), false,
         "This file holds no chords to load.\nThe Scratch Pad is unchanged."},
        {"fretboard", "<title>E</title>\r\n<param name=\"info1\" value=\"01A" + std::string(120, 'H') + "\">", false,
         "This page shows a fretboard map, which has no chords to load.\nThe Scratch Pad is unchanged."},
    };
    addPadChord(3, "C");
    for (const Case& c : cases) {
        ui.messages.clear();
        const fs::path path = dir / (std::string(c.what) + ".html");
        if (!c.missing)
            Write(path, c.bytes);
        files.answer = path.string();
        doc->OnFileLoadHtmlToScratchPad();
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_EQ(ui.messages[0], c.message) << c.what;
        EXPECT_EQ(doc->m_nPadCount, 1) << c.what;
        EXPECT_EQ(doc->m_strPadTitle, "Scratch Pad") << c.what;
        EXPECT_EQ(doc->m_astrPadNames[0], "C") << c.what;
    }
    files.answer = dir.string();
    ui.messages.clear();
    doc->OnFileLoadHtmlToScratchPad();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"File open error"});
}

// Only a regular file of a page's size is read: a pipe would wait for a
// writer for ever, a device like /dev/zero would fill the memory. Each is
// refused at once and the Scratch Pad stays as it was.
TEST_F(HtmlCommands, LoadReadsOnlyARegularFileOfAPagesSize)
{
    using testsupport::SpecialFile;
    struct Case {
        const char* what;
        std::optional<SpecialFile> special;  // nothing: a page too large
        bool linked;
    };
    const Case cases[] = {
        {"a pipe", SpecialFile::Fifo, false},
        {"a link to a pipe", SpecialFile::Fifo, true},
        {"a device like /dev/zero", SpecialFile::ZeroDevice, false},
        {"a link to a device like /dev/zero", SpecialFile::ZeroDevice, true},
        {"a device like /dev/null", SpecialFile::NullDevice, false},
        {"a link to a folder", SpecialFile::Folder, true},
        {"a loop of links", SpecialFile::LinkLoop, false},
        {"a page far larger than ours", std::nullopt, false},
    };
    addPadChord(3, "C");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = dir / c.what;
        fs::create_directories(folder);
        const fs::path target = folder / "target.html";
        if (c.special) {
            if (!testsupport::MakeSpecialFile(*c.special, target))
                continue;
        } else {
            Write(target, "<title>Big</title>\r\n<param name=\"info1\" value=\"11A000000A\">\r\n");
            fs::resize_file(target, document::kMaxHtmlPageBytes + 1);
        }
        const fs::path chosen = c.linked ? folder / "chosen.html" : target;
        if (c.linked)
            fs::create_symlink(target, chosen);
        std::optional<testsupport::FifoOpenWatch> watch;
        if (c.special == SpecialFile::Fifo)
            watch.emplace(target);
        ui.messages.clear();
        const int updates = ui.updates;
        files.answer = chosen.string();

        doc->OnFileLoadHtmlToScratchPad();
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the pipe was opened";
        }
        EXPECT_EQ(ui.messages, std::vector<std::string>{"File open error"});
        EXPECT_EQ(ui.updates, updates);
        EXPECT_EQ(doc->m_nPadCount, 1);
        EXPECT_EQ(doc->m_strPadTitle, "Scratch Pad");
        EXPECT_EQ(doc->m_astrPadNames[0], "C");
    }
}

}  // namespace
