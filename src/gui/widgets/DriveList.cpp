#include "gui/widgets/DriveList.h"

#include "gui/desktop/Fonts.h"

#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

#include <QFile>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>
#include <unistd.h>

namespace tarvo::gui {

namespace {

QStyle::StandardPixmap pixmapFor(DriveList::Kind kind)
{
    switch (kind) {
    case DriveList::Kind::Removable:
        return QStyle::SP_DriveFDIcon;
    case DriveList::Kind::CdRom:
        return QStyle::SP_DriveCDIcon;
    case DriveList::Kind::Network:
        return QStyle::SP_DriveNetIcon;
    case DriveList::Kind::Ram:
        return QStyle::SP_ComputerIcon;
    case DriveList::Kind::Fixed:
        break;
    }
    return QStyle::SP_DriveHDIcon;
}

bool userCanRead(const QString& rootPath)
{
    return ::access(QFile::encodeName(rootPath).constData(), R_OK | X_OK) == 0;
}

// Mount points are named by the system in its own encoding.
std::string nativeRoot(const QString& rootPath)
{
    return QFile::encodeName(rootPath).toStdString();
}

bool holds(const std::string& root, const std::string& path)
{
    return root == "/" || path == root || (path.starts_with(root) && path[root.size()] == '/');
}

} // namespace

DriveList::DriveList(QWidget* parent)
    : DriveList(mountedVolumes(), parent)
{
}

DriveList::DriveList(QList<Volume> volumes, QWidget* parent)
    : QComboBox(parent)
    , m_volumes(std::move(volumes))
{
    setFont(pixelFont(kArial, kLargerTextSize));
    setEditable(false);
    std::sort(
        m_volumes.begin(), m_volumes.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    fill();
    followCurrentDirectory();
    connect(this, &QComboBox::activated, this, [this](int index) {
        try {
            chooseVolume(index);
        } catch (const RuntimeError& error) {
            emit failed(error);
        }
    });
}

QList<DriveList::Volume> DriveList::mountedVolumes()
{
    QList<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = storage.rootPath();
        const bool seen = std::any_of(
            volumes.cbegin(), volumes.cend(), [&](const Volume& volume) { return volume.rootPath == root; });
        if (!storage.isValid() || !storage.isReady() || seen || !userCanRead(root))
            continue;
        volumes.append({ root, storage.name(), kindOf(storage.fileSystemType(), storage.device(), root) });
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return volumes;
}

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

QString DriveList::entryText(const Volume& volume)
{
    if (volume.label.isEmpty())
        return volume.rootPath;
    return volume.rootPath + QStringLiteral(" [") + volume.label + QLatin1Char(']');
}

void DriveList::fill()
{
    for (const Volume& volume : m_volumes)
        addItem(style()->standardIcon(pixmapFor(volume.kind)), entryText(volume));
}

int DriveList::volumeHolding(const std::filesystem::path& path) const
{
    int best = -1;
    std::size_t longest = 0;
    for (int index = 0; index < m_volumes.size(); ++index) {
        const std::string root = nativeRoot(m_volumes[index].rootPath);
        if (holds(root, nativeBytes(path)) && (best < 0 || root.size() > longest)) {
            best = index;
            longest = root.size();
        }
    }
    return best;
}

std::filesystem::path DriveList::folderToEnter(int index) const
{
    const QString& root = m_volumes[index].rootPath;
    const auto last = m_lastFolder.find(root);
    // A remembered folder that has gone since would bar the volume for good.
    std::error_code ignored;
    if (last != m_lastFolder.end() && std::filesystem::is_directory(*last, ignored))
        return *last;
    return nativeRoot(root);
}

void DriveList::chooseVolume(int index)
{
    if (index < 0 || index >= m_volumes.size() || index == m_selected)
        return;
    m_selected = index;
    setCurrentIndex(index);
    enterFolder(folderToEnter(index));
    followCurrentDirectory();
    emit directoryChanged();
}

void DriveList::followCurrentDirectory()
{
    const std::filesystem::path current = currentDirectory();
    const int index = volumeHolding(current);
    if (index < 0)
        return;
    m_lastFolder.insert(m_volumes[index].rootPath, current);
    m_selected = index;
    setCurrentIndex(index);
}

} // namespace tarvo::gui
