#include "gui/pages/PreviewPage.h"

#include "gui/CurrentFolder.h"
#include "gui/FormNames.h"
#include "gui/MemoText.h"
#include "gui/desktop/Fonts.h"
#include "gui/desktop/WidgetImages.h"
#include "gui/pages/FormParts.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"
#include "gui/widgets/DriveList.h"
#include "gui/widgets/FolderList.h"
#include "gui/widgets/RadioGroup.h"

#include "core/errors/RuntimeError.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kFolderColumnWidth = 200;
constexpr int kDesktopIconSize = 16;

ClickableLabel* desktopButton(QWidget* parent)
{
    auto* image = new ClickableLabel(parent);
    image->setObjectName(form::desktopButton.qt());
    image->setFixedSize(kDesktopIconSize, kDesktopIconSize);
    image->setPixmap(widgetImage(QStringLiteral("desktop.png")));
    image->setCursor(Qt::PointingHandCursor);
    image->setAccessibleName(QStringLiteral("デスクトップ"));
    return image;
}

} // namespace

PreviewPage::PreviewPage(QWidget* parent)
    : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(4);
    page->addWidget(makeInstruction(this, form::previewInstruction,
        QStringLiteral(
            "●一度、「プレビューの作成」パネルを押すと、ここにテキストのプレビューが出てきます。自分で納得が行か"
            "なければここで微調整できますが、バックアップは取れません。テキスト文書を保存すると「（ソフト名称）"
            ".txt」というファイルが生成されます。")));
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    m_ui.preview = makeMemo(this, form::preview);
    m_ui.preview->setAccessibleName(QStringLiteral("プレビュー"));
    connect(m_ui.preview, &QPlainTextEdit::textChanged, this, &PreviewPage::previewTextChanged);
    columns->addWidget(m_ui.preview, 1);
    columns->addLayout(buildFolderColumn());
    page->addLayout(columns, 1);
}

QVBoxLayout* PreviewPage::buildFolderColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    m_ui.saveButton = new QPushButton(QStringLiteral("このテキスト文書を保存する"), this);
    m_ui.saveButton->setObjectName(form::saveButton.qt());
    m_ui.saveButton->setFixedWidth(kFolderColumnWidth);
    connect(m_ui.saveButton, &QPushButton::clicked, this, &PreviewPage::saveRequested);
    column->addWidget(m_ui.saveButton);

    m_ui.wrapChoice = new RadioGroup(form::wrapChoice, QStringLiteral("この編集画面を右端で折り返す？"),
        { QStringLiteral("はい"), QStringLiteral("いいえ") }, 2, this);
    m_ui.wrapChoice->setFixedWidth(kFolderColumnWidth);
    connect(m_ui.wrapChoice, &RadioGroup::itemSelected, this, &PreviewPage::setWrap);
    column->addWidget(m_ui.wrapChoice);

    QLabel* instruction = makeInstruction(this, form::folderNote,
        QStringLiteral("▼保存するディレクトリを選んで下さい。何もしないとカレントディレクトリに作成されます。"));
    instruction->setFixedWidth(kFolderColumnWidth);
    column->addWidget(instruction);

    auto* driveRow = new QHBoxLayout;
    driveRow->setSpacing(4);
    m_ui.drives = new DriveList(this);
    m_ui.drives->setObjectName(form::drives.qt());
    m_ui.drives->setAccessibleName(QStringLiteral("保存するドライブ"));
    // A list that cannot be typed into is read by its value; its label is the
    // instruction above it.
    instruction->setBuddy(m_ui.drives);
    driveRow->addWidget(m_ui.drives, 1);
    m_ui.desktopButton = desktopButton(this);
    driveRow->addWidget(m_ui.desktopButton);
    column->addLayout(driveRow);
    connect(m_ui.drives, &DriveList::directoryChanged, this, &PreviewPage::followChosenDrive);
    connect(m_ui.drives, &DriveList::failed, this, &PreviewPage::failed);
    connect(m_ui.desktopButton, &ClickableLabel::clicked, this, &PreviewPage::goToDesktop);

    m_ui.folders = new FolderList(this);
    m_ui.folders->setObjectName(form::folders.qt());
    m_ui.folders->setAccessibleName(QStringLiteral("保存するディレクトリ"));
    m_ui.folders->setFixedWidth(kFolderColumnWidth);
    column->addWidget(m_ui.folders, 1);
    connect(m_ui.folders, &FolderList::directoryChanged, this, &PreviewPage::followChosenFolder);
    connect(m_ui.folders, &FolderList::failed, this, &PreviewPage::failed);

    // Two lines high; a long path wraps.
    m_ui.folderLabel = makeInstruction(this, form::folderLabel, {});
    m_ui.folderLabel->setFixedWidth(kFolderColumnWidth);
    m_ui.folderLabel->setFixedHeight(2 * QFontMetrics(windowFont()).lineSpacing() + 2);
    m_ui.folderLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_ui.folderLabel);
    return column;
}

// The view only: the text and its line breaks stay as they are.
void PreviewPage::setWrap(int choice)
{
    m_ui.preview->setLineWrapMode(choice == 0 ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void PreviewPage::followChosenDrive()
{
    m_ui.folders->refresh();
    showCurrentFolder();
}

void PreviewPage::followChosenFolder()
{
    m_ui.drives->followCurrentDirectory();
    showCurrentFolder();
}

// The user's desktop stands in for the fixed desktop folder of the old system.
// A missing one leaves the current directory where it was.
void PreviewPage::goToDesktop()
{
    try {
        m_ui.folders->openFolder(desktopFolderPath());
    } catch (const RuntimeError& failure) {
        emit failed(failure);
    }
}

void PreviewPage::showCurrentFolder()
{
    try {
        showFolder(currentFolderText());
    } catch (const RuntimeError& failure) {
        emit failed(failure);
    }
}

void PreviewPage::showPreview(std::string_view cp932Text)
{
    setMemoTextCp932(*m_ui.preview, cp932Text);
}

std::string PreviewPage::previewText() const
{
    return memoTextCp932(*m_ui.preview);
}

void PreviewPage::clearPreview()
{
    m_ui.preview->clear();
}

void PreviewPage::showFolder(const QString& folder)
{
    m_ui.folderLabel->setText(folder);
}

} // namespace tarvo::gui
