#include "FolderList.h"

#include "CurrentFolder.h"
#include "IndentedItemDelegate.h"
#include "WidgetImages.h"

#include <QDir>
#include <QKeyEvent>

namespace tarvo::gui {

namespace {

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

// The folders from the root down to `path`, as (name, full path) pairs.
QList<std::pair<QString, QString>> chainTo(const QString& path)
{
    QList<std::pair<QString, QString>> chain { { QDir::rootPath(), QDir::rootPath() } };
    QString walked;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        chain.append({ part, walked });
    }
    return chain;
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("DirectoryListBox1"));
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
    const QString current = QDir::currentPath();
    const auto chain = chainTo(current);
    for (int level = 0; level < chain.size(); ++level) {
        const bool isCurrent = level == chain.size() - 1;
        addEntry(chain[level].first, chain[level].second, level, isCurrent ? FolderIcon::Current : FolderIcon::Open);
    }
    setCurrentRow(int(chain.size()) - 1);

    const QDir folder(current);
    const QStringList subFolders
        = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : subFolders)
        addEntry(name, folder.absoluteFilePath(name), int(chain.size()), FolderIcon::Closed);
}

void FolderList::addEntry(const QString& name, const QString& path, int level, FolderIcon icon)
{
    auto* entry = new QListWidgetItem(iconFor(icon), name, this);
    entry->setData(kPathRole, path);
    entry->setData(IndentedItemDelegate::kIndentLevelRole, level);
    entry->setData(kIconRole, int(icon));
}

int FolderList::indentLevel(int row) const
{
    return item(row)->data(IndentedItemDelegate::kIndentLevelRole).toInt();
}

void FolderList::openFolder(const QString& path)
{
    const QString before = QDir::currentPath();
    enterFolderPath(path);
    refresh();
    if (QDir::currentPath() != before)
        emit directoryChanged();
}

void FolderList::openEntry(int row)
{
    if (const QListWidgetItem* entry = item(row))
        openFolder(entry->data(kPathRole).toString());
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
