#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tarvo::gui {

// The fourth page, "プレビュー": the registration text for touching up, the save
// button, the wrap choice and the choice of the folder to save into.
class PreviewPage : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPage(QWidget* parent = nullptr);

private:
    QVBoxLayout* buildFolderColumn();
};

} // namespace tarvo::gui
