#include "CurrentFolder.h"

#include "errors/IoError.h"
#include "errors/RuntimeError.h"
#include "files/Folders.h"
#include "files/NativePath.h"
#include "settings/StartDirectory.h"

#include <QFile>
#include <QStandardPaths>

namespace tarvo::gui {

QString currentFolderText()
{
    return shownPath(currentDirectory());
}

QString shownPath(const std::filesystem::path& path)
{
    return QString::fromStdString(displayText(path));
}

std::filesystem::path desktopFolderPath()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (path.isEmpty())
        throw RuntimeError::ioError(ioCode::fileNotFound);
    // The desktop's place comes from the environment as text; the file
    // system's encoding gives its bytes.
    return QFile::encodeName(path).toStdString();
}

} // namespace tarvo::gui
