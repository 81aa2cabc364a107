#pragma once
#include <memory>
#include <string>

#include <QSet>
#include <QString>

#include "document/settings_store.h"

class QSettings;

namespace platform {

// The settings in the user's INI file (~/.config/Varnoth/Tonalith.conf).
// Section names become INI groups as they are, so "Midi\Output" stays one
// group rather than "Output" inside "Midi". Changes reach the file when the
// store is destroyed, or earlier at Qt's discretion.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // An explicit INI file, for tests and tools.
    explicit QtSettingsStore(const std::string& iniPath);
    ~QtSettingsStore() override;

    bool Contains(std::string_view section, std::string_view key) const override;
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const override;
    std::optional<std::int32_t> ReadInt(std::string_view section, std::string_view key) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
    // Writes the file now; false when it could not be written (read-only,
    // disk full, a folder in its place).
    bool Flush() override;
    // The file behind the store.
    std::string Location() const override;

private:
    std::unique_ptr<QSettings> m_settings;
    QSet<QString> m_written;  // keys, for Flush to find in the file
};

}  // namespace platform
