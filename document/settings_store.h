#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the persistent settings live: named values grouped in sections.
// Section names are used verbatim, backslash included.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool Contains(std::string_view section, std::string_view key) const = 0;
    // Nothing when the value is missing.
    virtual std::optional<std::string> ReadString(std::string_view section, std::string_view key) const = 0;
    // Nothing when the value is missing or is not a 32-bit decimal integer;
    // Contains tells the two apart.
    virtual std::optional<std::int32_t> ReadInt(std::string_view section, std::string_view key) const = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, std::int32_t value) = 0;

    // Puts what was written where it lasts; false when that failed. A store
    // that keeps nothing pending has nothing to fail.
    virtual bool Flush() { return true; }
    // Where the settings are kept, for people; empty when nowhere in particular.
    virtual std::string Location() const { return {}; }
};

namespace settings_section {
inline constexpr std::string_view kWindowSize = "Window size";
inline constexpr std::string_view kMisc = "Misc";
inline constexpr std::string_view kMidiOutput = "Midi\\Output";
inline constexpr std::string_view kHtml = "HTML";
inline constexpr std::string_view kScratchPad = "ScratchPad";
inline constexpr std::string_view kSettings = "Settings";
}  // namespace settings_section
