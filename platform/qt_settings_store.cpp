#include "platform/qt_settings_store.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include "document/file_reader.h"
#include "document/file_writer.h"
#include "document/save_target.h"

namespace fs = std::filesystem;

namespace {

using Values = QMap<QString, QVariant>;

// A backslash in a group name survives QSettings' INI escaping ("%5C") and
// comes back as itself; only "/" separates groups.
QString Key(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/'
           + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// An unquoted value with commas reads back as a list; rejoin it.
QString Text(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// Where QSettings keeps the company's and application's file on this system,
// found without opening any file.
QString UsersFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Varnoth/Tonalith.conf");
}

fs::path FsPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// INI text in a file of its own in a private folder, where QSettings reads
// and writes it: neither its reading nor its lock ever touches the user's file.
class PrivateIni {
public:
    explicit PrivateIni(const std::string& bytes)
    {
        if (!m_dir.isValid())
            return;
        QFile file(m_dir.filePath(QStringLiteral("settings.ini")));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            return;
        file.close();
        m_settings = std::make_unique<QSettings>(file.fileName(), QSettings::IniFormat);
    }

    // Null when the private file could not be made.
    QSettings* Settings() { return m_settings.get(); }

    // The values as QSettings read them.
    Values All() const
    {
        Values values;
        for (const QString& key : m_settings->allKeys())
            values.insert(key, m_settings->value(key));
        return values;
    }

    // The text after `changes`; nothing when it could not be written.
    std::optional<std::string> Changed(const Values& changes)
    {
        for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
            m_settings->setValue(it.key(), it.value());
        m_settings->sync();
        if (m_settings->status() == QSettings::AccessError)
            return std::nullopt;
        QFile file(m_settings->fileName());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll().toStdString();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};

// The settings file's text, or nothing when it is no file to read.
std::optional<std::string> ReadSettingsFile(const fs::path& path)
{
    std::string bytes;
    if (document::ReadRegularFile(path, platform::kMaxSettingsFileBytes, bytes) == document::FileRead::Refused)
        return std::nullopt;
    return bytes;
}

}  // namespace

namespace platform {

QtSettingsStore::QtSettingsStore() : QtSettingsStore(UsersFile().toStdString()) {}

QtSettingsStore::QtSettingsStore(const std::string& iniPath)
    : m_path(QFileInfo(QString::fromStdString(iniPath)).absoluteFilePath())
{
    // A first start has no file: nothing to parse, so no private folder made.
    const std::optional<std::string> bytes = ReadSettingsFile(FsPath(m_path));
    if (bytes && !bytes->empty()) {
        PrivateIni ini(*bytes);
        if (ini.Settings())
            m_values = ini.All();
    }
}

QtSettingsStore::~QtSettingsStore()
{
    if (!m_pending.isEmpty())
        Flush();
}

QVariant QtSettingsStore::Value(const QString& key) const
{
    const auto pending = m_pending.constFind(key);
    if (pending != m_pending.constEnd())
        return *pending;
    return m_values.value(key);
}

bool QtSettingsStore::Contains(std::string_view section, std::string_view key) const
{
    return Value(Key(section, key)).isValid();
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view section, std::string_view key) const
{
    const QVariant value = Value(Key(section, key));
    if (!value.isValid())
        return std::nullopt;
    return Text(value).toStdString();
}

std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view section, std::string_view key) const
{
    const QVariant value = Value(Key(section, key));
    if (!value.isValid() || value.typeId() == QMetaType::QStringList)
        return std::nullopt;
    // Through the text: QVariant's own toInt wraps 4294967295 to -1.
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    m_pending.insert(Key(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    m_pending.insert(Key(section, key), static_cast<int>(value));
}

bool QtSettingsStore::Flush()
{
    if (m_pending.isEmpty())
        return true;
    const std::optional<fs::path> target = ports::SaveTarget(FsPath(m_path));
    if (!target)
        return false;
    std::error_code ignored;
    fs::create_directories(target->parent_path(), ignored);
    // Between reading the file and replacing it no other instance writes it.
    const document::FileWriterLock lock(*target);
    if (!lock.Held())
        return false;
    // What the file holds now: another instance may have written it since.
    const std::optional<std::string> current = ReadSettingsFile(*target);
    if (!current)
        return false;
    PrivateIni merged(*current);
    const std::optional<std::string> bytes = merged.Settings() ? merged.Changed(m_pending) : std::nullopt;
    if (!bytes)
        return false;
    // The status keeps only its first error, which for a file that was
    // malformed when read hides a failed write: the text must show what was
    // written.
    PrivateIni written(*bytes);
    if (!written.Settings())
        return false;
    const Values values = written.All();
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        if (Text(values.value(it.key())) != Text(it.value()))
            return false;
    }
    if (!document::SaveFileReplacing(*target, *bytes, {.lockHeld = true}))
        return false;
    m_values = values;
    m_pending.clear();
    return true;
}

std::string QtSettingsStore::Location() const
{
    return m_path.toStdString();
}

}  // namespace platform
