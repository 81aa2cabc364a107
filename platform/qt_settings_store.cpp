#include "platform/qt_settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "document/ports.h"

namespace {

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

// The user's file for the company and the application. QSettings reads a file
// as soon as it is made, so it is asked only for the company's file, which it
// reads anyway, and the application's name is put beside it.
QString UsersFile()
{
    const QSettings company(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnoth"));
    return QFileInfo(company.fileName()).absolutePath() + QStringLiteral("/Varnoth/Tonalith.conf");
}

}  // namespace

namespace platform {

QtSettingsStore::QtSettingsStore() : m_path(UsersFile())
{
    File();
}

QtSettingsStore::QtSettingsStore(const std::string& iniPath)
    : m_path(QFileInfo(QString::fromStdString(iniPath)).absoluteFilePath())
{
    File();
}

QtSettingsStore::~QtSettingsStore()
{
    if (!m_pending.isEmpty())
        Flush();
}

bool QtSettingsStore::FileIsUsable() const
{
    return ports::SaveTarget(QFile::encodeName(m_path).toStdString()).has_value();
}

QSettings* QtSettingsStore::File()
{
    if (!m_settings && FileIsUsable())
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    return m_settings.get();
}

QVariant QtSettingsStore::Value(const QString& key) const
{
    const auto pending = m_pending.constFind(key);
    if (pending != m_pending.constEnd())
        return *pending;
    return m_settings ? m_settings->value(key) : QVariant();
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
    m_written.insert(Key(section, key));
    m_pending.insert(Key(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    m_written.insert(Key(section, key));
    m_pending.insert(Key(section, key), static_cast<int>(value));
}

bool QtSettingsStore::Flush()
{
    // Checked at every write: the file may have been replaced meanwhile.
    QSettings* settings = FileIsUsable() ? File() : nullptr;
    if (!settings)
        return m_pending.isEmpty();
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it)
        settings->setValue(it.key(), it.value());
    m_pending.clear();
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        return false;
    // The status keeps only its first error, which for a file that was
    // malformed when read hides a failed write: the file must show what was
    // written.
    const QSettings file(m_path, QSettings::IniFormat);
    for (const QString& key : m_written) {
        if (Text(file.value(key)) != Text(settings->value(key)))
            return false;
    }
    return true;
}

std::string QtSettingsStore::Location() const
{
    return m_path.toStdString();
}

}  // namespace platform
