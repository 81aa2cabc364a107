// Every file the program reads is read only when it is a regular file, and
// reading never waits: not on a pipe, a device, a folder or a loop of links,
// nor on one swapped in after the path was looked at.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "document/file_reader.h"
#include "document/file_writer.h"
#include "tests/document/disk_calls_scope.h"
#include "tests/support/special_files.h"

namespace fs = std::filesystem;
using testsupport::SpecialFile;

namespace {

// What stands at the path read, or where a link at that path leads.
struct Standing {
    std::optional<SpecialFile> special;  // nothing: a regular file
    bool linked;
    // Replaced by a link to this, between the look at the path and the opening.
    std::optional<SpecialFile> swappedTo;
};

constexpr Standing kRegular{std::nullopt, false, std::nullopt};
constexpr Standing kLinkToRegular{std::nullopt, true, std::nullopt};
constexpr Standing Named(SpecialFile kind)
{
    return {kind, false, std::nullopt};
}
constexpr Standing LinkTo(SpecialFile kind)
{
    return {kind, true, std::nullopt};
}
// A link to a regular file, swapped for a link to `kind` after the look.
constexpr Standing SwappedFor(SpecialFile kind)
{
    return {std::nullopt, true, kind};
}

struct FileReaderTest : ::testing::Test {
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "file-reader-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // Makes what `standing` says at a fresh path in the folder; nothing when
    // it cannot be made here.
    std::optional<fs::path> Make(const Standing& standing, const std::string& bytes, fs::perms mode)
    {
        const fs::path folder = dir / ("case" + std::to_string(++cases));
        fs::create_directories(folder);
        const fs::path target = folder / "target";
        if (standing.special) {
            if (!testsupport::MakeSpecialFile(*standing.special, target))
                return std::nullopt;
        } else {
            std::ofstream(target, std::ios::binary) << bytes;
            fs::permissions(target, mode);
        }
        if (!standing.linked)
            return target;
        const fs::path link = folder / "link";
        fs::create_symlink("target", link);
        if (standing.swappedTo) {
            if (!testsupport::MakeSpecialFile(*standing.swappedTo, folder / "other"))
                return std::nullopt;
            fs::create_symlink("other", folder / "next");
            s_swapAt = link;
            s_swapFrom = folder / "next";
        }
        return link;
    }

    // The open through which the program reads; it swaps the link first.
    static int SwappingOpen(const char* path, int flags, mode_t mode)
    {
        if (!s_swapAt.empty() && s_swapAt == path) {
            fs::rename(s_swapFrom, s_swapAt);
            s_swapAt.clear();
        }
        return s_system.open(path, flags, mode);
    }

    fs::path dir;
    int cases = 0;
    DiskCallsScope scope;
    static inline fs::path s_swapAt, s_swapFrom;
    static inline document::DiskCalls s_system;
};

TEST_F(FileReaderTest, OnlyARegularFileWithinTheLimitIsRead)
{
    constexpr std::uintmax_t kLimit = 16;
    struct Row {
        const char* label;
        Standing standing;
        std::string bytes;
        document::FileRead read;
    };
    const std::vector<Row> rows = {
        {"a regular file", kRegular, "some\r\nbytes", document::FileRead::Read},
        {"a link to a regular file", kLinkToRegular, "linked", document::FileRead::Read},
        {"a file of the limit", kRegular, std::string(kLimit, 'x'), document::FileRead::Read},
        {"a file over the limit", kRegular, std::string(kLimit + 1, 'x'), document::FileRead::Refused},
        {"a pipe", Named(SpecialFile::Fifo), "", document::FileRead::Refused},
        {"a link to a pipe", LinkTo(SpecialFile::Fifo), "", document::FileRead::Refused},
        {"a device like /dev/zero", Named(SpecialFile::ZeroDevice), "", document::FileRead::Refused},
        {"a link to a device like /dev/zero", LinkTo(SpecialFile::ZeroDevice), "",
         document::FileRead::Refused},
        {"a device like /dev/null", Named(SpecialFile::NullDevice), "", document::FileRead::Refused},
        {"a folder", Named(SpecialFile::Folder), "", document::FileRead::Refused},
        {"a link to a folder", LinkTo(SpecialFile::Folder), "", document::FileRead::Refused},
        {"a loop of links", Named(SpecialFile::LinkLoop), "", document::FileRead::Refused},
        {"a link swapped for a link to a pipe", SwappedFor(SpecialFile::Fifo), "regular",
         document::FileRead::Refused},
        {"a link swapped for a link to a device like /dev/null", SwappedFor(SpecialFile::NullDevice), "regular",
         document::FileRead::Refused},
        {"a link swapped for a link to a folder", SwappedFor(SpecialFile::Folder), "regular",
         document::FileRead::Refused},
    };
    s_system = scope.System();
    document::Disk().open = SwappingOpen;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::optional<fs::path> path = Make(row.standing, row.bytes, fs::perms::owner_read);
        if (!path)
            continue;
        std::optional<testsupport::FifoOpenWatch> watch;
        if (row.standing.special == SpecialFile::Fifo)
            watch.emplace(fs::path(*path).parent_path() / "target");
        std::string bytes = "left over";
        EXPECT_EQ(document::ReadRegularFile(*path, kLimit, bytes), row.read);
        EXPECT_EQ(bytes, row.read == document::FileRead::Read ? row.bytes : "");
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the pipe was opened";
        }
    }
}

TEST_F(FileReaderTest, NothingThereIsMissing)
{
    std::string bytes = "left over";
    EXPECT_EQ(document::ReadRegularFile(dir / "absent", 16, bytes), document::FileRead::Missing);
    fs::create_symlink("nowhere", dir / "dangling");
    EXPECT_EQ(document::ReadRegularFile(dir / "dangling", 16, bytes), document::FileRead::Missing);
    EXPECT_EQ(bytes, "");
}

// As the superuser too, a file without a write bit is not the user's to change.
TEST_F(FileReaderTest, UserMayWriteOnlyARegularFileWithAWriteBit)
{
    constexpr fs::perms kReadWrite = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    struct Row {
        const char* label;
        Standing standing;
        fs::perms mode;
        bool mayWrite;
    };
    const std::vector<Row> rows = {
        {"a regular file", kRegular, kReadWrite, true},
        {"a link to a regular file", kLinkToRegular, kReadWrite, true},
        {"a file without write bits", kRegular, fs::perms::owner_read | fs::perms::group_read, false},
        {"a file of mode 000", kRegular, fs::perms::none, false},
        {"a pipe", Named(SpecialFile::Fifo), kReadWrite, false},
        {"a device like /dev/null", Named(SpecialFile::NullDevice), kReadWrite, false},
        {"a folder", Named(SpecialFile::Folder), kReadWrite, false},
        {"a loop of links", Named(SpecialFile::LinkLoop), kReadWrite, false},
        {"a link swapped for a link to a device like /dev/null", SwappedFor(SpecialFile::NullDevice), kReadWrite,
         false},
        {"a link swapped for a link to a pipe", SwappedFor(SpecialFile::Fifo), kReadWrite, false},
    };
    s_system = scope.System();
    document::Disk().open = SwappingOpen;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::optional<fs::path> path = Make(row.standing, "kept", row.mode);
        if (!path)
            continue;
        std::optional<testsupport::FifoOpenWatch> watch;
        if (row.standing.special == SpecialFile::Fifo)
            watch.emplace(*path);
        EXPECT_EQ(document::UserMayWrite(*path), row.mayWrite);
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the pipe was opened";
        }
        if (!row.standing.special) {
            const fs::path target = fs::path(*path).parent_path() / "target";
            EXPECT_EQ(fs::status(target).permissions(), row.mode);
            EXPECT_EQ(fs::file_size(target), 4u);
        }
    }
    EXPECT_FALSE(document::UserMayWrite(dir / "absent"));
}

}  // namespace
