#include "platform/qt_docs_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

std::optional<std::string> QtDocsFolder::DocumentsFolder() const
{
    // Qt names the usual place even when it was never made. Made now, it
    // keeps the User Directory in one place whatever folder the program is
    // started from.
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::AppDataLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isDir())
            return QFile::encodeName(folder).toStdString();
    }
    return std::nullopt;
}

}  // namespace platform
