#include "res/app_icon.h"

#include <QDir>

#include "res/resource_ids.h"

namespace res {

QIcon LoadIcon(int id)
{
    QIcon icon;
    if (id != IDR_MAINFRAME)
        return icon;
    const QDir sizes(QStringLiteral(":/icons/" TONALITH_APP_ID));
    for (const QString& name : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(name));
    return icon;
}

}  // namespace res
