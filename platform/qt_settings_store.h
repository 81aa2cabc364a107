#pragma once
#include <memory>
#include <string>

#include <QMap>
#include <QSet>
#include <QString>
#include <QVariant>

#include "document/settings_store.h"

class QSettings;

namespace platform {

// The settings in the user's INI file (~/.config/Varnoth/Tonalith.conf).
// Section names become INI groups as they are, so "Midi\Output" stays one
// group rather than "Output" inside "Midi". Changes reach the file at Flush
// or when the store is destroyed. The file is saved as every file of the
// program is (ports::SaveTarget): a link to a regular file is followed; a
// device, a pipe or a folder, or a link to one, is neither read nor written.
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
    // disk full, a folder or a device in its place).
    bool Flush() override;
    // The file behind the store.
    std::string Location() const override;

private:
    // True when the file may be read and written now.
    bool FileIsUsable() const;
    // The file as read, made the first time the file is usable.
    QSettings* File();
    QVariant Value(const QString& key) const;

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    // Written since the last Flush; QSettings gets them only when they may
    // go to the file, since it writes whatever it holds when it likes.
    QMap<QString, QVariant> m_pending;
    QSet<QString> m_written;  // keys, for Flush to find in the file
};

}  // namespace platform
