#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A program file's version resource: the string values that VerQueryValue
// answers by path, such as "\StringFileInfo\040904b0\ProductName".
class VersionResource {
public:
    virtual ~VersionResource() = default;
    // False when the file carries no version resource at all.
    virtual bool Exists() const = 0;
    virtual std::optional<std::string> QueryValue(std::string_view path) const = 0;
};

// A resource held as a table of paths and values.
class TableVersionResource final : public VersionResource {
public:
    using Rows = std::vector<std::pair<std::string, std::string>>;
    explicit TableVersionResource(Rows rows, bool exists = true) : m_rows(std::move(rows)), m_bExists(exists) {}

    bool Exists() const override { return m_bExists; }
    std::optional<std::string> QueryValue(std::string_view path) const override;

private:
    Rows m_rows;
    bool m_bExists;
};

// The paths of the three strings the About box shows.
inline constexpr std::string_view kProductNamePath = "\\StringFileInfo\\040904b0\\ProductName";
inline constexpr std::string_view kProductVersionPath = "\\StringFileInfo\\040904b0\\ProductVersion";
inline constexpr std::string_view kLegalCopyrightPath = "\\StringFileInfo\\040904b0\\LegalCopyright";

// This program's own resource, made from the version the build sets.
const VersionResource& ProgramVersionResource();

// Reads a module's product name, copyright line and version caption
// ("Version " and the product version), keeping them once all three were
// found.
class CVersionInfo {
public:
    enum FoundBits : std::uint8_t { kName = 1, kVersion = 2, kCopyright = 4, kAll = 7 };

    // currentModule is what EnsureLoaded reads.
    explicit CVersionInfo(const VersionResource& currentModule = ProgramVersionResource())
        : m_currentModule(currentModule)
    {
    }

    // The found bits of this read; a string not found comes back empty,
    // and without a resource nothing is written.
    std::uint8_t ReadVersionStrings(const VersionResource& module, std::string& name, std::string& copyright,
                                    std::string& caption);
    void EnsureLoaded();
    // (major << 16) | minor of the product version; 0 when none was read.
    std::uint32_t GetVersionNumber();

    std::uint8_t FoundBits() const { return m_bFound; }
    bool IsLoaded() const { return m_bLoaded != 0; }

private:
    const VersionResource& m_currentModule;
    std::string m_strProductName;
    std::string m_strCopyright;
    std::string m_strProductVersion;
    std::string m_strVersionCaption;
    std::uint8_t m_bFound = 0;
    std::uint8_t m_bLoaded = 0;
};

// "major.minor[.anything]" as (major << 16) | minor, each 0 when above
// 0xFFFF; a text without "." is read whole. Any character other than digits
// and "." before the second "." gives 0. Long digit runs saturate.
std::uint32_t ParseDottedVersion(std::string_view text);
int CountCharInString(std::string_view text, char ch);

namespace app {

// The About box's version line: a caption with more than one "." becomes
// "Version major.minor" of the product version; any other stays as it is.
std::string FormatVersion(const std::string& caption, CVersionInfo& versionInfo);

// "SP n", or empty for an unknown service pack (0xFFFF).
std::string FormatServicePack(std::uint16_t servicePackMajor);

// "Platform: " and the system's name; with the detail shown, the service
// pack in brackets when there is one, then the screen's aspect ratio.
std::string PlatformLine(std::string_view systemName, const std::string& servicePack, bool hideDetail,
                         double aspectRatio);

}  // namespace app
