#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/os_version.h"
#include "app/startup_checks.h"
#include "support/fake_ports.h"

namespace {

using app::CheckPlatform;
using app::PlatformVerdict;

COSVersion Version(int platform, int major, std::uint16_t servicePack = 0xFFFF)
{
    COSVersion version;
    OsVersionInfoEx info;
    info.platformId = platform;
    info.majorVersion = major;
    info.servicePackMajor = servicePack;
    info.productType = kProductWorkstation;
    version.CopyVersionInfoEx(info);
    return version;
}

const std::string kNt4Tail =
    "This Windows OS no longer supported\nSupported Windows operating systems:Vista, XP, 2000";
const std::string kOtherTail = "Supported Windows operating systems:Vista, XP, 2000, NT 4.0 SP6";

TEST(PlatformCheckTest, TheRunningSystemPasses)
{
    FakeOs os;
    COSVersion version(&os);
    version.Detect();
    const PlatformVerdict verdict = CheckPlatform(version, {});
    EXPECT_TRUE(verdict.supported);
    EXPECT_TRUE(verdict.messages.empty());
}

TEST(PlatformCheckTest, OldSystemsAreRefusedWithTheirMessages)
{
    struct Row {
        const char* name;
        int platform;
        int major;
        std::uint16_t servicePack;
        std::optional<std::string> servicePackText;  // nothing: the system cannot be asked
        bool supported;
        std::vector<std::string> messages;
    };
    const std::vector<Row> rows = {
        {"Windows 2000", 2, 5, 4, std::nullopt, true, {}},
        {"Windows 7", 2, 6, 1, std::nullopt, true, {}},
        {"Win32s", 0, 3, 0xFFFF, std::nullopt, false,
         {"Running on Win32s\nThis Windows OS no longer supported\n" + kOtherTail}},
        {"Windows 98", 1, 4, 0xFFFF, std::nullopt, false,
         {"Running on Win95/98/ME\nThis Windows OS no longer supported\n" + kOtherTail}},
        {"another platform id counts as NT", 3, 10, 0xFFFF, std::nullopt, true, {}},
        {"NT 4.0 SP6", 2, 4, 6, std::nullopt, false, {"Running on Win NT 4.0 SP6\n" + kNt4Tail}},
        {"NT 4.0 SP5", 2, 4, 5, std::nullopt, false, {"Running on Win NT 4.0 SP 5\n" + kNt4Tail}},
        {"NT 4.0 SP6 from its text", 2, 4, 0xFFFF, "Service Pack 6a", false,
         {"Running on Win NT 4.0 SP6\n" + kNt4Tail}},
        {"NT 4.0 SP3 from its text", 2, 4, 0xFFFF, "Service Pack 3", false,
         {"Running on Win NT 4.0 SP (undefined)\n" + kNt4Tail}},
        {"NT 4.0 with an odd text", 2, 4, 0xFFFF, "Service Pack ", false,
         {"Running on Win NT 4.0 SP (undefined)\n" + kNt4Tail}},
        {"NT 4.0 that cannot be asked", 2, 4, 0xFFFF, std::nullopt, false,
         {"GetVersionEx(&osvi) failed", "Running on Win NT 4.0 SP (undefined)\n" + kNt4Tail}},
    };
    for (const Row& row : rows) {
        COSVersion version = Version(row.platform, row.major, row.servicePack);
        const auto text = row.servicePackText;
        const PlatformVerdict verdict = CheckPlatform(version, [text] { return text; });
        EXPECT_EQ(verdict.supported, row.supported) << row.name;
        EXPECT_EQ(verdict.messages, row.messages) << row.name;
    }
}

TEST(PlatformCheckTest, AnUndetectedRecordReadsAsWin32s)
{
    COSVersion version;
    const PlatformVerdict verdict = CheckPlatform(version, {});
    EXPECT_FALSE(verdict.supported);
    ASSERT_EQ(verdict.messages.size(), 1u);
    EXPECT_TRUE(verdict.messages[0].starts_with("Running on Win32s\n"));
}

TEST(PlatformCheckTest, AServicePackReadFromItsTextIsKept)
{
    COSVersion version = Version(2, 4);
    CheckPlatform(version, [] { return std::optional<std::string>("Service Pack 6"); });
    std::uint16_t minor = 0;
    EXPECT_EQ(version.GetServicePack(minor), 6);
}

TEST(AspectRatioTest, TwoDecimalsAndOneWithoutASize)
{
    struct Row {
        int width, height;
        double ratio;
    };
    for (const Row& row : {Row{320, 240, 1.33}, Row{509, 286, 1.78}, Row{400, 300, 1.33}, Row{344, 194, 1.77},
                           Row{0, 300, 1.0}, Row{400, 0, 1.0}, Row{-5, 10, 1.0}}) {
        EXPECT_DOUBLE_EQ(app::AspectRatio(row.width, row.height), row.ratio) << row.width << " x " << row.height;
    }
}

TEST(HelpTest, RequestsOfTheFrameOpenTheContentsAndThoseOfTheBarsNothing)
{
    struct Row {
        std::uintptr_t data;
        app::HelpRoute route;
    };
    for (const Row& row : {Row{0x20080, app::HelpRoute::Finder}, Row{0x20081, app::HelpRoute::Finder},
                           Row{0x5E800, app::HelpRoute::Ignore}, Row{0x5E81B, app::HelpRoute::Ignore},
                           Row{0, app::HelpRoute::PassOn}, Row{0x20082, app::HelpRoute::PassOn}}) {
        EXPECT_EQ(app::RouteWinHelp(row.data), row.route) << std::hex << row.data;
    }
}

}  // namespace
