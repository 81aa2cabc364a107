#include "tests/support/memory_settings_store.h"

#include <charconv>

namespace {

std::optional<std::int32_t> ParseSettingsInt(std::string_view text)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

bool MemorySettingsStore::Contains(std::string_view section, std::string_view key) const
{
    return ReadString(section, key).has_value();
}

std::optional<std::string> MemorySettingsStore::ReadString(std::string_view section, std::string_view key) const
{
    const auto group = m_values.find(section);
    if (group == m_values.end())
        return std::nullopt;
    const auto value = group->second.find(key);
    if (value == group->second.end())
        return std::nullopt;
    return value->second;
}

std::optional<std::int32_t> MemorySettingsStore::ReadInt(std::string_view section, std::string_view key) const
{
    const std::optional<std::string> text = ReadString(section, key);
    if (!text)
        return std::nullopt;
    return ParseSettingsInt(*text);
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    auto group = m_values.find(section);
    if (group == m_values.end())
        group = m_values.emplace(std::string(section), std::map<std::string, std::string, std::less<>>{}).first;
    group->second.insert_or_assign(std::string(key), std::string(value));
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

std::vector<std::pair<std::string, std::string>> MemorySettingsStore::Keys() const
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (const auto& [section, values] : m_values)
        for (const auto& entry : values)
            keys.emplace_back(section, entry.first);
    return keys;
}
