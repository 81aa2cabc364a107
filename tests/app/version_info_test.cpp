#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/static_link.h"
#include "app/version_info.h"
#include "tests/support/qt_print.h"

namespace {

TEST(ParseDottedVersionTest, ReadsMajorAndMinor)
{
    struct Row {
        const char* text;
        std::uint32_t expected;
    };
    const std::vector<Row> rows = {
        {"1.32.0.1", 0x10020},
        {"2.5", 0x20005},
        {"007.08", 0x70008},
        {"7", 7},                 // no "." : the number whole
        {"70000", 70000},
        {"", 0},
        {"70000.1.0", 1},         // a major above 0xFFFF counts 0
        {"1.70000", 0x10000},     // so does a minor
        {".5.1", 5},
        {"1.", 0x10000},
        {"1..2", 0x10000},
        {"1.2a.3", 0},            // anything but digits and "." before the second "."
        {"a", 0},
        {"1.2.3x", 0x10002},      // ... after it, nothing is looked at
        // Long digit runs saturate: wrapped at 32 bits they would read as 1.5 and 1.32.
        {"4294967297.5", 5},
        {"1.4294967328", 0x10000},
        {"99999999999999999999999999.3", 3},
        {"99999999999999999999999999", 0xFFFFFFFF},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseDottedVersion(row.text), row.expected) << '"' << row.text << '"';
}

TEST(CountCharInStringTest, CountsEveryPosition)
{
    EXPECT_EQ(CountCharInString("Version 1.32.0.1", '.'), 3);
    EXPECT_EQ(CountCharInString("", '.'), 0);
}

// A resource with some of the three strings.
TableVersionResource Resource(std::uint8_t strings, const std::string& version = "1.32.0.1")
{
    TableVersionResource::Rows rows;
    if (strings & CVersionInfo::kName)
        rows.emplace_back(kProductNamePath, "Tonalith for Linux");
    if (strings & CVersionInfo::kVersion)
        rows.emplace_back(kProductVersionPath, version);
    if (strings & CVersionInfo::kCopyright)
        rows.emplace_back(kLegalCopyrightPath, "Copyright (C) Varnoth");
    rows.emplace_back("\\StringFileInfo\\040904b0\\CompanyName", "Varnoth");
    return TableVersionResource(rows);
}

TEST(VersionInfoTest, EveryCombinationOfFoundStrings)
{
    for (std::uint8_t strings = 0; strings <= CVersionInfo::kAll; ++strings) {
        SCOPED_TRACE(static_cast<int>(strings));
        const TableVersionResource module = Resource(strings);
        CVersionInfo info(module);
        std::string name = "old", copyright = "old", caption = "old";
        EXPECT_EQ(info.ReadVersionStrings(module, name, copyright, caption), strings);
        EXPECT_EQ(info.FoundBits(), strings);
        EXPECT_EQ(name, strings & CVersionInfo::kName ? "Tonalith for Linux" : "");
        EXPECT_EQ(caption, strings & CVersionInfo::kVersion ? "Version 1.32.0.1" : "");
        EXPECT_EQ(copyright, strings & CVersionInfo::kCopyright ? "Copyright (C) Varnoth" : "");
        EXPECT_EQ(info.IsLoaded(), (strings & CVersionInfo::kVersion) != 0);
        EXPECT_EQ(info.GetVersionNumber(), strings & CVersionInfo::kVersion ? 0x10020u : 0u);

        // Only a read that found all three is kept: the next read of a bare
        // resource answers from it.
        const TableVersionResource bare = Resource(0);
        EXPECT_EQ(info.ReadVersionStrings(bare, name, copyright, caption),
                  strings == CVersionInfo::kAll ? CVersionInfo::kAll : 0);
        EXPECT_EQ(name, strings == CVersionInfo::kAll ? "Tonalith for Linux" : "");
    }
}

TEST(VersionInfoTest, WithoutAResourceNothingIsWritten)
{
    const TableVersionResource none({}, false);
    CVersionInfo info(none);
    std::string name = "old", copyright = "old", caption = "old";
    EXPECT_EQ(info.ReadVersionStrings(none, name, copyright, caption), 0);
    EXPECT_EQ(name, "old");
    EXPECT_EQ(copyright, "old");
    EXPECT_EQ(caption, "old");
    EXPECT_EQ(info.GetVersionNumber(), 0u);
}

TEST(VersionInfoTest, TheNumberIsReadFromTheCurrentModuleWhenNothingWasRead)
{
    const TableVersionResource module = Resource(CVersionInfo::kVersion, "3.14.1");
    CVersionInfo info(module);
    EXPECT_EQ(info.GetVersionNumber(), 0x3000Eu);
    EXPECT_TRUE(info.IsLoaded());
}

TEST(AboutTextsTest, TheVersionLine)
{
    struct Row {
        const char* name;
        std::optional<std::string> productVersion;
        std::string line;
    };
    const std::vector<Row> rows = {
        {"four parts", "1.32.0.1", "Version 1.32"},
        {"two parts", "1.32", "Version 1.32"},
        {"a letter", "1.2a.3", "Version 0.0"},
        {"long digits", "99999999999.2.0", "Version 0.2"},
        {"empty", "", "Version "},
        {"missing", std::nullopt, ""},
    };
    for (const Row& row : rows) {
        TableVersionResource::Rows table;
        if (row.productVersion)
            table.emplace_back(kProductVersionPath, *row.productVersion);
        const TableVersionResource module(table);
        CVersionInfo info(module);
        std::string name, copyright, caption;
        info.ReadVersionStrings(module, name, copyright, caption);
        EXPECT_EQ(app::FormatVersion(caption, info), row.line) << row.name;
    }
}

TEST(AboutTextsTest, ThePlatformLine)
{
    struct Row {
        const char* system;
        std::uint16_t servicePack;
        bool hideDetail;
        double aspectRatio;
        const char* line;
    };
    const std::vector<Row> rows = {
        {"Debian GNU/Linux 12 (bookworm)", 0xFFFF, true, 1.6, "Platform: Debian GNU/Linux 12 (bookworm)"},
        {"Debian GNU/Linux 12 (bookworm)", 0xFFFF, false, 1.6,
         "Platform: Debian GNU/Linux 12 (bookworm)  Aspect Ratio:1.60"},
        {"Windows 7", 1, true, 1.33, "Platform: Windows 7"},
        {"Windows 7", 1, false, 1.33, "Platform: Windows 7 (SP 1)  Aspect Ratio:1.33"},
        {"", 0xFFFF, true, 1.0, "Platform: "},
        {"", 0xFFFF, false, 1.777, "Platform:   Aspect Ratio:1.78"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(app::PlatformLine(row.system, app::FormatServicePack(row.servicePack), row.hideDetail,
                                    row.aspectRatio),
                  row.line);
}

TEST(StaticLinkTest, AnAddressWithAnAtOpensAsMail)
{
    struct Row {
        const char* link;
        const char* target;
    };
    const std::vector<Row> rows = {
        {"www.varnoth.com", "www.varnoth.com"},
        {"info@varnoth.com", "mailto:info@varnoth.com"},
        {"mailto:info@varnoth.com", "mailto:mailto:info@varnoth.com"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CStaticLink::LinkTarget(QString::fromLatin1(row.link)), QString::fromLatin1(row.target));
}

}  // namespace
