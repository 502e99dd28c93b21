// How Windows tells what a drive is.

#include "gui/widgets/DriveList.h"

#include "gui/CurrentFolder.h"

#include <windows.h>

namespace tarvo::gui {

DriveList::Kind DriveList::kindOf(const QByteArray&, const QByteArray&, const QString& rootPath)
{
    switch (::GetDriveTypeW(nativePath(rootPath).c_str())) {
    case DRIVE_REMOVABLE:
        return Kind::Removable;
    case DRIVE_CDROM:
        return Kind::CdRom;
    case DRIVE_REMOTE:
        return Kind::Network;
    case DRIVE_RAMDISK:
        return Kind::Ram;
    default:
        return Kind::Fixed;
    }
}

} // namespace tarvo::gui
