#include "gui/LoadDialog.h"

#include "gui/BackupListModel.h"
#include "gui/FormNames.h"
#include "gui/desktop/Fonts.h"
#include "gui/widgets/PlainListBox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace tarvo::gui {

namespace {

constexpr QSize kClientSize(233, 168);
constexpr int kRowHeight = 12;

QPushButton* plainButton(FormName name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name.qt());
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

LoadDialog::LoadDialog(QWidget* parent)
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_loadButton(plainButton(form::loadButton, this))
    , m_cancelButton(plainButton(form::cancelButton, this))
    , m_backups(new BackupListModel(this))
    , m_list(new PlainListBox(this))
{
    setObjectName(form::loadDialog.qt());
    setWindowTitle(QStringLiteral("バックアップファイルロード"));
    setModal(false);
    setFont(windowFont());
    // Captioned once they have the dialog's font.
    m_loadButton->setText(QStringLiteral("Load"));
    m_cancelButton->setText(QStringLiteral("Cancel"));
    setFixedSize(kClientSize);
    setSizeGripEnabled(false);
    placeControls();
    connect(m_loadButton, &QPushButton::clicked, this, &LoadDialog::requestLoad);
    connect(m_cancelButton, &QPushButton::clicked, this, &LoadDialog::reject);
}

void LoadDialog::placeControls()
{
    m_loadButton->setGeometry(32, 144, 75, 17);
    m_cancelButton->setGeometry(120, 144, 75, 17);
    m_list->setObjectName(form::backupList.qt());
    m_list->setAccessibleName(QStringLiteral("バックアップ一覧"));
    m_list->setGeometry(8, 8, 217, 129);
    m_list->setModel(m_backups);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    setTabOrder(m_loadButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_list);
}

void LoadDialog::openWith(std::vector<ListedBackup> backups)
{
    // Shown first, so that the frame around the client area is known.
    show();
    centreOnScreen();
    raise();
    activateWindow();
    // The list holds the focus from the start, so that the arrow keys choose at
    // once, and shows it as after a keyboard focus change: styles draw the
    // frame only then.
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_backups->reset(std::move(backups), QSize(m_list->viewport()->width(), kRowHeight));
    m_list->setFocus(Qt::TabFocusReason);
}

// A box shown by the owner (nothing chosen, a failed restore) hands the
// activation to the main window as it closes; the keyboard user is brought
// back to where they were here instead.
void LoadDialog::requestLoad()
{
    const QPointer<QWidget> focused = focusWidget();
    emit loadRequested(selectedBackup());
    if (!isVisible())
        return;
    raise();
    activateWindow();
    if (focused)
        focused->setFocus(Qt::ActiveWindowFocusReason);
}

std::optional<ListedBackup> LoadDialog::selectedBackup() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return m_backups->backupAt(selected.front().row());
}

QPoint LoadDialog::centredPosition(const QSize& outerSize, const QRect& screen)
{
    // C++ division truncates toward zero, also for a window larger than the screen.
    return screen.topLeft()
        + QPoint((screen.width() - outerSize.width()) / 2, (screen.height() - outerSize.height()) / 2);
}

void LoadDialog::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(centredPosition(frameGeometry().size(), screen->geometry()));
}

void LoadDialog::reject()
{
    hide();
}

void LoadDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The list ignores the key, so that it comes here and loads.
        if (focusWidget() == m_list)
            m_loadButton->click();
        else if (focusWidget() == m_loadButton || focusWidget() == m_cancelButton)
            static_cast<QPushButton*>(focusWidget())->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace tarvo::gui
