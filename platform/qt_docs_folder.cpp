#include "platform/qt_docs_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace platform {

std::optional<std::string> QtDocsFolder::DocumentsFolder() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Qt names the usual place even when it was never made.
    if (folder.isEmpty() || !QDir(folder).exists())
        return std::nullopt;
    return QFile::encodeName(folder).toStdString();
}

}  // namespace platform
