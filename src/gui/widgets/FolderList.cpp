#include "gui/widgets/FolderList.h"

#include "gui/CurrentFolder.h"
#include "gui/desktop/WidgetImages.h"
#include "gui/widgets/IndentedItemDelegate.h"

#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

#include <QKeyEvent>

#include <algorithm>

namespace tarvo::gui {

namespace {

namespace fs = std::filesystem;

constexpr int kIndentStep = 10;

QIcon iconFor(FolderList::FolderIcon kind)
{
    switch (kind) {
    case FolderList::FolderIcon::Open:
        return widgetImage(QStringLiteral("folder-open.png"));
    case FolderList::FolderIcon::Current:
        return widgetImage(QStringLiteral("folder-current.png"));
    case FolderList::FolderIcon::Closed:
        break;
    }
    return widgetImage(QStringLiteral("folder-closed.png"));
}

// The folders from the root down to `path`, each as its full native path.
std::vector<fs::path> chainTo(const fs::path& path)
{
    std::vector<fs::path> chain { path.root_path() };
    fs::path walked = path.root_path();
    for (const fs::path& part : path.relative_path()) {
        if (part.empty())
            continue;
        walked /= part;
        chain.push_back(walked);
    }
    return chain;
}

QString shownName(const fs::path& folder)
{
    return folder.has_filename() ? shownPath(folder.filename()) : shownPath(folder);
}

// Alphabetical as a person reads the names, letter case aside.
void sortForReading(std::vector<std::string>& names)
{
    std::vector<std::pair<QString, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(shownPath(pathFromNativeBytes(name)).toCaseFolded(), std::move(name));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = QString::localeAwareCompare(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    names.clear();
    for (auto& [key, name] : keyed)
        names.push_back(std::move(name));
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new IndentedItemDelegate(kIndentStep, this));
    connect(
        this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { openInteractively(row(item)); });
    refresh();
}

void FolderList::refresh()
{
    clear();
    const fs::path current = currentDirectory();
    const std::vector<fs::path> chain = chainTo(current);
    const int levels = static_cast<int>(chain.size());
    for (int level = 0; level < levels; ++level) {
        const fs::path& folder = chain[static_cast<size_t>(level)];
        addEntry(shownName(folder), folder, level, level == levels - 1 ? FolderIcon::Current : FolderIcon::Open);
    }
    setCurrentRow(levels - 1);

    std::vector<std::string> subFolders = subFolderNames(current);
    sortForReading(subFolders);
    for (const std::string& name : subFolders) {
        const fs::path folder = pathFromNativeBytes(name);
        addEntry(shownPath(folder), current / folder, levels, FolderIcon::Closed);
    }
}

void FolderList::addEntry(const QString& name, const fs::path& path, int level, FolderIcon icon)
{
    auto* entry = new QListWidgetItem(iconFor(icon), name, this);
    entry->setData(kPathRole, QByteArray::fromStdString(nativeBytes(path)));
    entry->setData(IndentedItemDelegate::kIndentLevelRole, level);
    entry->setData(kIconRole, int(icon));
}

int FolderList::indentLevel(int row) const
{
    return item(row)->data(IndentedItemDelegate::kIndentLevelRole).toInt();
}

void FolderList::openFolder(const fs::path& path)
{
    const fs::path before = currentDirectory();
    enterFolder(path);
    refresh();
    if (currentDirectory() != before)
        emit directoryChanged();
}

void FolderList::openEntry(int row)
{
    if (const QListWidgetItem* entry = item(row))
        openFolder(pathFromNativeBytes(entry->data(kPathRole).toByteArray().toStdString()));
}

void FolderList::openInteractively(int row)
{
    try {
        openEntry(row);
    } catch (const RuntimeError& error) {
        emit failed(error);
    }
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()
        && currentItem()->isSelected()) {
        openInteractively(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tarvo::gui
