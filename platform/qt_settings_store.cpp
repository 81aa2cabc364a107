#include "platform/qt_settings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

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

}  // namespace

namespace platform {

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Varnoth"), QStringLiteral("Tonalith")))
{
}

QtSettingsStore::QtSettingsStore(const std::string& iniPath)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::Contains(std::string_view section, std::string_view key) const
{
    return m_settings->contains(Key(section, key));
}

std::optional<std::string> QtSettingsStore::ReadString(std::string_view section, std::string_view key) const
{
    const QVariant value = m_settings->value(Key(section, key));
    if (!value.isValid())
        return std::nullopt;
    return Text(value).toStdString();
}

std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view section, std::string_view key) const
{
    const QVariant value = m_settings->value(Key(section, key));
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
    m_settings->setValue(Key(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    m_written.insert(Key(section, key));
    m_settings->setValue(Key(section, key), static_cast<int>(value));
}

bool QtSettingsStore::Flush()
{
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError)
        return false;
    // The status keeps only its first error, which for a file that was
    // malformed when read hides a failed write: the file must show what was
    // written.
    const QSettings file(m_settings->fileName(), m_settings->format());
    for (const QString& key : m_written) {
        if (Text(file.value(key)) != Text(m_settings->value(key)))
            return false;
    }
    return true;
}

std::string QtSettingsStore::Location() const
{
    return m_settings->fileName().toStdString();
}

}  // namespace platform
