#include "gui/CurrentFolder.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

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
