#include "PreviewPage.h"

#include "ClickableLabel.h"
#include "Cp932PlainTextEdit.h"
#include "CurrentFolder.h"
#include "DriveList.h"
#include "FolderList.h"
#include "Fonts.h"
#include "FormParts.h"
#include "HandlerGuard.h"
#include "RadioGroup.h"
#include "WidgetImages.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kFolderColumnWidth = 200;
constexpr int kDesktopIconSize = 16;

ClickableLabel* desktopButton()
{
    auto* image = new ClickableLabel;
    image->setObjectName(QStringLiteral("Image2"));
    image->setFixedSize(kDesktopIconSize, kDesktopIconSize);
    image->setPixmap(widgetImage(QStringLiteral("desktop.png")));
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

} // namespace

PreviewPage::PreviewPage(QWidget* parent)
    : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(4);
    page->addWidget(makeInstruction(QStringLiteral("Label7"),
        QStringLiteral(
            "●一度、「プレビューの作成」パネルを押すと、ここにテキストのプレビューが出てきます。自分で納得が行か"
            "なければここで微調整できますが、バックアップは取れません。テキスト文書を保存すると「（ソフト名称）"
            ".txt」というファイルが生成されます。")));
    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    m_preview = makeMemo(QStringLiteral("Memo1"));
    columns->addWidget(m_preview, 1);
    columns->addLayout(buildFolderColumn());
    page->addLayout(columns, 1);
}

QVBoxLayout* PreviewPage::buildFolderColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    auto* save = new QPushButton(QStringLiteral("このテキスト文書を保存する"));
    save->setObjectName(QStringLiteral("Button1"));
    save->setFixedWidth(kFolderColumnWidth);
    column->addWidget(save);

    auto* wrap = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("この編集画面を右端で折り返す？"),
        { QStringLiteral("はい"), QStringLiteral("いいえ") }, 2);
    wrap->setFixedWidth(kFolderColumnWidth);
    connect(wrap, &RadioGroup::itemSelected, this, &PreviewPage::radioGroup1Click);
    column->addWidget(wrap);

    QLabel* instruction = makeInstruction(QStringLiteral("Label9"),
        QStringLiteral("▼保存するディレクトリを選んで下さい。何もしないとカレントディレクトリに作成されます。"));
    instruction->setFixedWidth(kFolderColumnWidth);
    column->addWidget(instruction);

    auto* driveRow = new QHBoxLayout;
    driveRow->setSpacing(4);
    m_drives = new DriveList;
    driveRow->addWidget(m_drives, 1);
    ClickableLabel* desktop = desktopButton();
    driveRow->addWidget(desktop);
    column->addLayout(driveRow);
    connect(m_drives, &DriveList::directoryChanged, this, &PreviewPage::driveComboBox1Change);
    connect(m_drives, &DriveList::failed, this, &PreviewPage::showFailure);
    connect(desktop, &ClickableLabel::clicked, this, &PreviewPage::image2Click);

    m_folders = new FolderList;
    m_folders->setFixedWidth(kFolderColumnWidth);
    column->addWidget(m_folders, 1);
    connect(m_folders, &FolderList::directoryChanged, this, &PreviewPage::directoryListBox1Change);
    connect(m_folders, &FolderList::failed, this, &PreviewPage::showFailure);

    // Two lines high; a long path wraps.
    m_folderLabel = makeInstruction(QStringLiteral("Label8"), {});
    m_folderLabel->setFixedWidth(kFolderColumnWidth);
    m_folderLabel->setFixedHeight(2 * QFontMetrics(windowFont()).lineSpacing() + 2);
    m_folderLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_folderLabel);
    return column;
}

// The view only: the text and its line breaks stay as they are.
void PreviewPage::radioGroup1Click(int index)
{
    m_preview->setLineWrapMode(index == 0 ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void PreviewPage::driveComboBox1Change()
{
    m_folders->refresh();
    showCurrentFolder();
}

void PreviewPage::directoryListBox1Change()
{
    m_drives->followCurrentDirectory();
    showCurrentFolder();
}

// The user's desktop stands in for the fixed desktop folder of the old system.
// A missing one leaves the current directory where it was.
void PreviewPage::image2Click()
{
    runGuarded(window(), [this] { m_folders->openFolder(desktopFolderPath()); });
}

void PreviewPage::showFailure(const RuntimeError& failure)
{
    showRuntimeError(window(), failure);
}

void PreviewPage::showCurrentFolder()
{
    runGuarded(window(), [this] { m_folderLabel->setText(currentFolderText()); });
}

} // namespace tarvo::gui
