// How a mounted file system is told apart where no drive letters exist.

#include "gui/widgets/DriveList.h"

namespace tarvo::gui {

DriveList::Kind DriveList::kindOf(const QByteArray& fileSystemType, const QByteArray& device, const QString& rootPath)
{
    static const QList<QByteArray> network { "nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs",
        "ceph", "glusterfs", "davfs", "fuse.davfs2" };
    if (network.contains(fileSystemType))
        return Kind::Network;
    if (fileSystemType == "iso9660" || fileSystemType == "udf" || device.startsWith("/dev/sr"))
        return Kind::CdRom;
    if (fileSystemType == "tmpfs" || fileSystemType == "ramfs")
        return Kind::Ram;
    // Where desktops mount what is plugged in.
    if (rootPath.startsWith(QLatin1String("/media/")) || rootPath.startsWith(QLatin1String("/run/media/")))
        return Kind::Removable;
    return Kind::Fixed;
}

} // namespace tarvo::gui
