#include "gui/CurrentFolder.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

#include <QDir>
#include <QStandardPaths>

namespace tarvo::gui {

QString currentFolderText()
{
    return shownPath(currentDirectory());
}

QString shownPath(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(displayText(path)));
}

std::filesystem::path nativePath(const QString& systemText)
{
    // Qt's own conversion for file names, UTF-8 on Linux, is the bytes the
    // file system was given; where paths are wide, UTF-8 holds every character.
    return pathFromNativeBytes(QDir::toNativeSeparators(systemText).toUtf8().toStdString());
}

std::filesystem::path desktopFolderPath()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (path.isEmpty())
        throw RuntimeError::ioError(ioCode::fileNotFound);
    return nativePath(path);
}

} // namespace tarvo::gui
