#pragma once
#include <cstdint>
#include <string>

#include <QMap>
#include <QString>
#include <QVariant>

#include "document/settings_store.h"

namespace platform {

// The settings in the user's INI file (~/.config/Varnoth/Tonalith.conf).
// Section names become INI groups as they are, so "Midi\Output" stays one
// group rather than "Output" inside "Midi". Changes reach the file at Flush
// or when the store is destroyed, merged with what another instance wrote
// there since. The file is read and saved as every file of the program is:
// only a regular file, or a link to one, is read or written; a device, a
// pipe, a folder, a file without a write bit or a lock that cannot be taken
// within a few seconds leaves it as it is.
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
    // disk full, a folder or a device in its place, its lock stuck).
    bool Flush() override;
    // The file behind the store.
    std::string Location() const override;

private:
    QVariant Value(const QString& key) const;

    QString m_path;
    // The file as last read or written.
    QMap<QString, QVariant> m_values;
    // Written since the last Flush that reached the file.
    QMap<QString, QVariant> m_pending;
};

// Far beyond any settings file; a bigger one is not read.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 1u << 20;

}  // namespace platform
