#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "app/os_version.h"
#include "support/fake_ports.h"

namespace {

// The string id of the record's version name, 0 for none. The program names
// no version; these tests read the record through it.
int PlatformStringId(const COSVersion& version)
{
    const int platformId = version.GetPlatformId();
    const int major = version.GetMajorVersion();
    const int minor = version.GetMinorVersion();
    if (platformId == kPlatformWin32s || platformId == kPlatformWin32Windows)
        return 157;
    if (platformId != kPlatformWin32Nt)
        return 0;
    const bool workstation = version.GetProductType() == kProductWorkstation;
    if (major == 5 && minor == 1)
        return 160;
    if (major == 5 && minor == 2)
        return workstation && version.GetProcessorArchitecture() == kProcessorArchitectureAmd64 ? 166 : 161;
    if (major == 6 && minor == 0)
        return workstation ? 162 : 164;
    if (major == 6 && minor == 1)
        return workstation ? 163 : 165;
    if (major == 6 && minor == 2)
        return workstation ? 157 : 168;
    return 157;
}

// The text of a Windows version name string (ids 152 to 168); empty for
// any other id.
std::string_view OsVersionName(int stringId)
{
    switch (stringId) {
    case 152: return "Windows 8.1";
    case 153: return "Windows 10";
    case 154: return "Windows 7 SP1";
    case 155: return "Windows 98";
    case 156: return "Windows ME";
    case 157: return "Windows";
    case 158: return "Windows NT 4.0";
    case 159: return "Windows 2000";
    case 160: return "Windows XP";
    case 161: return "Windows Server 2003";
    case 162: return "Windows Vista";
    case 163: return "Windows 7";
    case 164: return "Windows Server 2008";
    case 165: return "Windows Server 2008 R2";
    case 166: return "Windows XP Pro x64 Edition";
    case 167: return "Windows 8";
    case 168: return "Windows Server 2012";
    default: return {};
    }
}

TEST(OsVersionTest, DetectReportsAnNtWorkstationOnce)
{
    const COSVersion undetected;
    EXPECT_FALSE(undetected.IsDetected());
    EXPECT_EQ(undetected.GetPlatformId(), 0);
    EXPECT_FALSE(undetected.IsNtPlatform());

    FakeOs os;
    COSVersion version(&os);
    EXPECT_EQ(version.Detect(), 16);
    EXPECT_TRUE(version.IsNtPlatform());
    EXPECT_EQ(version.GetPlatformId(), kPlatformWin32Nt);
    EXPECT_EQ(version.GetMajorVersion(), 10);
    EXPECT_EQ(version.GetMinorVersion(), 0);
    EXPECT_EQ(version.GetProductType(), kProductWorkstation);
    EXPECT_EQ(version.GetProcessorArchitecture(), kProcessorArchitectureAmd64);
    std::uint16_t minor = 0;
    EXPECT_EQ(version.GetServicePack(minor), kUnknownWord);
    EXPECT_EQ(minor, kUnknownWord);
    EXPECT_EQ(PlatformStringId(version), 157);

    os.arch = "i386";
    EXPECT_EQ(version.Detect(), 17);
    EXPECT_EQ(version.GetProcessorArchitecture(), kProcessorArchitectureAmd64);

    FakeOs arm;
    arm.arch = "arm64";
    COSVersion other(&arm);
    other.Detect();
    EXPECT_EQ(other.GetProcessorArchitecture(), kUnknownWord);
}

TEST(OsVersionTest, NamesOfInjectedRecords)
{
    struct Case {
        int platform, major, minor;
        std::uint8_t productType;
        const char* arch;
        int id;
        const char* name;
    };
    const Case cases[] = {
        {0, 3, 1, 0xFF, "x86_64", 157, "Windows"},
        {1, 4, 10, 0xFF, "x86_64", 157, "Windows"},
        {2, 5, 1, 1, "x86_64", 160, "Windows XP"},
        {2, 5, 2, 1, "x86_64", 166, "Windows XP Pro x64 Edition"},
        {2, 5, 2, 1, "i386", 161, "Windows Server 2003"},
        {2, 5, 2, 3, "x86_64", 161, "Windows Server 2003"},
        {2, 6, 0, 1, "x86_64", 162, "Windows Vista"},
        {2, 6, 0, 3, "x86_64", 164, "Windows Server 2008"},
        {2, 6, 1, 1, "x86_64", 163, "Windows 7"},
        {2, 6, 1, 2, "x86_64", 165, "Windows Server 2008 R2"},
        {2, 6, 2, 1, "x86_64", 157, "Windows"},
        {2, 6, 2, 3, "x86_64", 168, "Windows Server 2012"},
        {2, 6, 3, 1, "x86_64", 157, "Windows"},
        {2, 4, 0, 1, "x86_64", 157, "Windows"},
        {3, 10, 0, 1, "x86_64", 0, ""},
    };
    for (const auto& c : cases) {
        FakeOs os;
        os.arch = c.arch;
        COSVersion version(&os);
        OsVersionInfoEx info;
        info.platformId = c.platform;
        info.majorVersion = c.major;
        info.minorVersion = c.minor;
        info.productType = c.productType;
        version.CopyVersionInfoEx(info);
        const int id = PlatformStringId(version);
        EXPECT_EQ(id, c.id) << c.platform << " " << c.major << "." << c.minor << " type " << int(c.productType);
        EXPECT_EQ(OsVersionName(id), c.name);
    }

    // The plain record leaves the product type unknown: a 6.1 is then no workstation.
    COSVersion plain;
    plain.CopyVersionInfo({2, 6, 1});
    EXPECT_EQ(PlatformStringId(plain), 165);
    EXPECT_EQ(OsVersionName(153), "Windows 10");
    EXPECT_EQ(OsVersionName(169), "");
}

}  // namespace
