#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "document/settings_store.h"

// Settings kept in memory as text, read back the way the settings file is:
// an integer is a whole decimal 32-bit number, white space around it allowed.
class MemorySettingsStore final : public SettingsStore {
public:
    bool Contains(std::string_view section, std::string_view key) const override;
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const override;
    std::optional<std::int32_t> ReadInt(std::string_view section, std::string_view key) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;

    // Every section and key held, sorted.
    std::vector<std::pair<std::string, std::string>> Keys() const;

private:
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> m_values;
};
