#include "CurrentFolder.h"

#include "QtText.h"

#include "settings/StartDirectory.h"
#include "text/FolderChange.h"
#include "text/RuntimeError.h"

#include <QFile>
#include <QStandardPaths>

namespace tarvo::gui {

QString currentFolderText()
{
    return fromCp932(currentDirectoryCp932());
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
