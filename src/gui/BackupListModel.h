#pragma once

#include "core/backup/BackupList.h"

#include <QAbstractListModel>
#include <QSize>

#include <vector>

namespace tarvo::gui {

// The backups the load dialog offers, one row each, shown by the software name
// its file name gives, in the order of the listing.
class BackupListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit BackupListModel(QObject* parent = nullptr);

    // Replaces every row; each row asks for `rowSize`.
    void reset(std::vector<ListedBackup> backups, const QSize& rowSize);
    const ListedBackup& backupAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<ListedBackup> m_backups;
    QSize m_rowSize;
};

} // namespace tarvo::gui
