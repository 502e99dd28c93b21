#include "gui/BackupListModel.h"

namespace tarvo::gui {

BackupListModel::BackupListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void BackupListModel::reset(std::vector<ListedBackup> backups, const QSize& rowSize)
{
    beginResetModel();
    m_backups = std::move(backups);
    m_rowSize = rowSize;
    endResetModel();
}

const ListedBackup& BackupListModel::backupAt(int row) const
{
    return m_backups.at(static_cast<std::size_t>(row));
}

int BackupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_backups.size());
}

QVariant BackupListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(backupAt(index.row()).softwareName.shown);
    case Qt::SizeHintRole:
        return m_rowSize;
    default:
        return {};
    }
}

} // namespace tarvo::gui
