// The HTML page and the User Directory are saved by one writer: both follow
// a symbolic link to a regular file, leave anything else alone, take turns
// with another writer of the same file and reach the disk.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "document/html_page.h"
#include "document/user_dir_file.h"
#include "tests/document/disk_calls_scope.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/special_files.h"

namespace fs = std::filesystem;

namespace {

enum class SavedFile { HtmlPage, UserDirectory };

const char* Name(SavedFile file)
{
    return file == SavedFile::HtmlPage ? "HtmlPage" : "UserDirectory";
}

void PrintTo(SavedFile file, std::ostream* os)
{
    *os << Name(file);
}

std::string PrintFile(const ::testing::TestParamInfo<SavedFile>& info)
{
    return Name(info.param);
}

struct SavedFiles : DocFixture, ::testing::WithParamInterface<SavedFile> {
    FakeFileDialogs files;
    fs::path dir;

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "saved-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        startDoc();
        doc->GetPorts().fileDialogs = &files;
        doc->m_bScratchPadMode = true;
        ScratchPadChordRow row;
        row.w = {3, 3, 3, 3, 3, 3, 3, 0, 1, 0, 0x0041};
        doc->SetPadRow(0, row);
        doc->m_astrPadNames[0] = "C";
        doc->m_nPadCount = 1;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
        DocFixture::TearDown();
    }

    // What a save of the parameter's file to `path` writes.
    std::string Expected() const
    {
        if (GetParam() == SavedFile::HtmlPage)
            return document::buildHtmlPage(*doc, frame);
        return document::FormatUserDirFile({{"Mine", 137}});
    }

    // Saves the parameter's file to `path`, as the user's command does; false
    // when the save was reported as failed.
    bool Save(const fs::path& path)
    {
        if (GetParam() == SavedFile::HtmlPage) {
            ui.messages.clear();
            files.answer = path.string();
            doc->OnFileSaveAsHtml();
            return ui.messages.empty();
        }
        UserDirState state;
        state.m_strUserDirFile = path.string();
        state.m_nUdirLoc = 0;
        state.m_listUserDir = {{"Mine", 137}};
        g_bUserDirModified = true;
        return document::SaveUserDirectory(state) == UserDirResult::Ok;
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
    // Every name under the folder, links not followed, sorted.
    std::vector<std::string> Listing() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
            names.push_back(entry.path().lexically_relative(dir).string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_P(SavedFiles, ALinkToARegularFileIsFollowedAndStays)
{
    const fs::path real = dir / "synced" / "real";
    fs::create_directories(real.parent_path());
    Write(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("synced/real", dir / "saved");

    ASSERT_TRUE(Save(dir / "saved"));
    EXPECT_TRUE(fs::is_symlink(dir / "saved"));
    EXPECT_EQ(fs::read_symlink(dir / "saved"), "synced/real");
    EXPECT_EQ(Read(real), Expected());
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"saved", "synced", "synced/real"}));
}

// A device, a pipe or a folder, named or linked to, is not a file to
// replace: the save is refused and nothing in the folder changes.
TEST_P(SavedFiles, AnythingButARegularFileIsLeftAlone)
{
    using testsupport::SpecialFile;
    struct Row {
        const char* what;
        SpecialFile kind;
        bool linked;
    };
    const Row rows[] = {
        {"a link to a device", SpecialFile::ZeroDevice, true},
        {"a link to a pipe", SpecialFile::Fifo, true},
        {"a link to a folder", SpecialFile::Folder, true},
        {"a device", SpecialFile::ZeroDevice, false},
        {"a pipe", SpecialFile::Fifo, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const fs::path folder = dir / "case";
        fs::remove_all(folder);
        fs::create_directories(folder);
        const fs::path other = folder / "other";
        if (!testsupport::MakeSpecialFile(row.kind, other))
            continue;
        const fs::path saved = row.linked ? folder / "saved" : other;
        if (row.linked)
            fs::create_symlink("other", saved);
        const std::vector<std::string> before = Listing();

        EXPECT_FALSE(Save(saved));
        EXPECT_EQ(fs::symlink_status(other).type(), testsupport::TypeOf(row.kind));
        EXPECT_EQ(fs::is_symlink(saved), row.linked);
        EXPECT_EQ(Listing(), before);
    }
}

// Another writer holds the file: this one waits for it to finish rather
// than write at the same time, then writes its own.
TEST_P(SavedFiles, ASecondWriterWaitsForTheFirst)
{
    const fs::path saved = dir / "saved";
    Write(saved, "theirs");
    const fs::path lock = dir / "saved.lock";
    Write(lock, "");

    bool saved_ok = false;
    std::thread writer([&] { saved_ok = Save(saved); });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(Read(saved), "theirs");
    fs::remove(lock);
    writer.join();

    EXPECT_TRUE(saved_ok);
    EXPECT_EQ(Read(saved), Expected());
    EXPECT_EQ(Listing(), std::vector<std::string>{"saved"});
}

// The system calls of a save, in order, with the names they were given.
struct DiskLog {
    static inline document::DiskCalls system;
    static inline std::map<int, std::string> opened;
    static inline std::vector<std::string> calls;
    static inline std::string lockAtRename;
    static inline fs::path lock;

    static int Open(const char* path, int flags, mode_t mode)
    {
        const int fd = system.open(path, flags, mode);
        if (fd >= 0)
            opened[fd] = path;
        return fd;
    }
    static int Fsync(int fd)
    {
        calls.push_back("fsync " + opened[fd]);
        return system.fsync(fd);
    }
    static int Rename(const char* from, const char* to)
    {
        std::ifstream in(lock, std::ios::binary);
        lockAtRename.assign(std::istreambuf_iterator<char>(in), {});
        calls.push_back(std::string("rename ") + from + " " + to);
        return system.rename(from, to);
    }
};

// The new file is on the disk before it takes the old one's place, and the
// folder after, as a power cut could otherwise leave the file empty.
TEST_P(SavedFiles, TheNewFileReachesTheDiskBeforeItIsRenamedIntoPlace)
{
    const fs::path saved = dir / "saved";
    Write(saved, "old");
    DiskCallsScope scope;
    DiskLog::system = scope.System();
    DiskLog::opened.clear();
    DiskLog::calls.clear();
    DiskLog::lock = dir / "saved.lock";
    document::Disk() = {DiskLog::Open, DiskLog::Fsync, DiskLog::Rename};

    ASSERT_TRUE(Save(saved));
    EXPECT_EQ(Read(saved), Expected());
    const auto& calls = DiskLog::calls;
    const auto rename = std::find_if(calls.begin(), calls.end(), [&](const std::string& call) {
        return call.rfind("rename ", 0) == 0 && call.ends_with(" " + saved.string());
    });
    ASSERT_NE(rename, calls.end()) << ::testing::PrintToString(calls);
    const std::string temp = rename->substr(7, rename->size() - 8 - saved.string().size());
    EXPECT_NE(std::find(calls.begin(), rename, "fsync " + temp), rename) << ::testing::PrintToString(calls);
    EXPECT_NE(std::find(rename, calls.end(), "fsync " + dir.string()), calls.end())
        << ::testing::PrintToString(calls);
    // Held while it happens, the lock names this process and its host.
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(DiskLog::lockAtRename, std::to_string(getpid()) + "\n" + host + "\n");
}

// A save cut off (the program killed, the machine off) leaves its new file,
// and the backup's, beside the file. The next save removes them, but only
// names the writer makes, and not one young enough to be another writer's
// at work now.
TEST_P(SavedFiles, WhatCutOffSavesLeftIsRemovedAtTheNextSave)
{
    const fs::path saved = dir / "saved";
    Write(saved, "old");
    const std::string tag = ".0123456789abcdef0123456789abcdef";
    const std::vector<std::string> leftovers = {"saved" + tag + ".tmp", "saved" + tag + ".bak"};
    const std::vector<std::string> kept = {
        "saved.fedcba9876543210fedcba9876543210.tmp",  // too young
        "saved.0123456789abcdef0123456789abcde.tmp",   // a digit short
        "saved.0123456789ABCDEF0123456789ABCDEF.tmp",  // not our digits
        "saved" + tag + ".tmp.mine",
        "other" + tag + ".tmp",
        "saved" + tag + ".old",
    };
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const std::string& name : leftovers)
        Write(dir / name, "cut off");
    for (const std::string& name : kept)
        Write(dir / name, "not ours");
    for (const std::string& name : leftovers)
        fs::last_write_time(dir / name, old);
    for (std::size_t i = 1; i < kept.size(); ++i)
        fs::last_write_time(dir / kept[i], old);

    ASSERT_TRUE(Save(saved));
    std::vector<std::string> expected = kept;
    expected.push_back("saved");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(), expected);
}

// A lock left by a process that is gone is taken over at once, held and
// given back, instead of waited on and written past.
TEST_P(SavedFiles, ALockWhoseProcessIsGoneIsTakenOver)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    const fs::path saved = dir / "saved";
    Write(saved, "old");
    Write(dir / "saved.lock", std::to_string(child) + "\n" + host + "\n");

    ASSERT_TRUE(Save(saved));
    EXPECT_EQ(Read(saved), Expected());
    EXPECT_EQ(Listing(), std::vector<std::string>{"saved"});
}

INSTANTIATE_TEST_SUITE_P(BothFiles, SavedFiles, ::testing::Values(SavedFile::HtmlPage, SavedFile::UserDirectory),
                         PrintFile);

}  // namespace
