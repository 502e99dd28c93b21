#include "gui/widgets/DriveList.h"

#include "gui/CurrentFolder.h"
#include "gui/desktop/Fonts.h"

#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

#include <QDir>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>

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
        if (!storage.isValid() || !storage.isReady() || seen || !userCanRead(nativePath(root)))
            continue;
        volumes.append({ root, storage.name(), kindOf(storage.fileSystemType(), storage.device(), root) });
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return volumes;
}

QString DriveList::entryText(const Volume& volume)
{
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    if (volume.label.isEmpty())
        return root;
    return root + QStringLiteral(" [") + volume.label + QLatin1Char(']');
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
        const std::filesystem::path root = nativePath(m_volumes[index].rootPath);
        if (folderHolds(root, path) && (best < 0 || root.native().size() > longest)) {
            best = index;
            longest = root.native().size();
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
    return nativePath(root);
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
