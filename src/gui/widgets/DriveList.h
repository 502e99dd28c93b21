#pragma once

#include "core/errors/RuntimeError.h"

#include <QComboBox>
#include <QHash>
#include <QList>

#include <filesystem>

namespace tarvo::gui {

// The drive list DriveComboBox1: one entry per ready drive the user can read
// (on Linux a mounted file system stands in for a drive letter), in path order.
// Each remembers the folder last used on it, as a drive keeps its own current
// folder, and choosing an entry moves the current directory there.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    enum class Kind { Fixed, Removable, CdRom, Network, Ram };

    struct Volume {
        QString rootPath;
        QString label;
        Kind kind = Kind::Fixed;
    };

    // The machine's mounted volumes.
    explicit DriveList(QWidget* parent = nullptr);
    // Given volumes, for a fixed set of roots.
    explicit DriveList(QList<Volume> volumes, QWidget* parent = nullptr);

    static QList<Volume> mountedVolumes();
    // On Linux by the file system, its device and where desktops mount what is
    // plugged in; on Windows by the drive type the system reports for the root.
    static Kind kindOf(const QByteArray& fileSystemType, const QByteArray& device, const QString& rootPath);
    // The root path with the system's separators, then the label in brackets when there is one.
    static QString entryText(const Volume& volume);

    // Moves the current directory to the folder last used on the volume in
    // `index` (its root at first). Choosing the selected volume changes nothing.
    // Raises RuntimeError::ioError when the folder cannot be entered; the
    // current directory stays, while the list shows the chosen volume.
    void chooseVolume(int index);

    // Selects the volume holding the current directory and remembers the
    // directory as its last folder. Called after every change of directory.
    void followCurrentDirectory();

    int selectedVolume() const { return m_selected; }

signals:
    void directoryChanged();
    // Choosing an entry by mouse or keyboard failed; the owner shows the error box.
    void failed(const tarvo::RuntimeError& error);

private:
    void fill();
    int volumeHolding(const std::filesystem::path& path) const;
    std::filesystem::path folderToEnter(int index) const;

    QList<Volume> m_volumes;
    // By root path, the native folder last used on the volume.
    QHash<QString, std::filesystem::path> m_lastFolder;
    int m_selected = -1;
};

} // namespace tarvo::gui
