#include "CurrentFolder.h"

#include "text/FolderChange.h"
#include "text/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tarvo::gui {

QString currentFolderText()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

void enterFolderPath(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    enterFolder(std::filesystem::path(native.toStdString()));
}

QString desktopFolderPath()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (path.isEmpty())
        throw RuntimeError::ioError(2);
    return path;
}

} // namespace tarvo::gui
