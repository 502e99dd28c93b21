#pragma once

#include "core/errors/RuntimeError.h"

#include <QListWidget>

#include <filesystem>

namespace tarvo::gui {

// The folder list DirectoryListBox1: the folders from the root down to the
// current directory, each one step further in, then the current directory's
// sub-folders one step further still. Opening an entry (double click, or Enter
// on the selected one) makes it the process's current directory.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    enum class FolderIcon { Open, Current, Closed };
    // The entry's native path, as a QByteArray.
    static constexpr int kPathRole = Qt::UserRole;
    static constexpr int kIconRole = Qt::UserRole + 2;

    explicit FolderList(QWidget* parent = nullptr);

    // Rebuilds the list from the current directory.
    void refresh();

    // Moves the current directory to the native `path` and shows it. Raises
    // RuntimeError::ioError when the folder cannot be entered; then the
    // current directory and the list stay as they were.
    void openFolder(const std::filesystem::path& path);

    // Opens the entry in `row` as openFolder does.
    void openEntry(int row);

    int indentLevel(int row) const;

signals:
    // The current directory changed through this list.
    void directoryChanged();
    // Opening an entry by mouse or keyboard failed; the owner shows the error box.
    void failed(const tarvo::RuntimeError& error);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addEntry(const QString& name, const std::filesystem::path& path, int level, FolderIcon icon);
    void openInteractively(int row);
};

} // namespace tarvo::gui
