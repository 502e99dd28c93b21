#include "PreviewPage.h"

#include "ClickableLabel.h"
#include "Cp932PlainTextEdit.h"
#include "Fonts.h"
#include "FormParts.h"
#include "RadioGroup.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
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
    image->setPixmap(image->style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(kDesktopIconSize));
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
    columns->addWidget(makeMemo(QStringLiteral("Memo1")), 1);
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
    column->addWidget(wrap);

    QLabel* instruction = makeInstruction(QStringLiteral("Label9"),
        QStringLiteral("▼保存するディレクトリを選んで下さい。何もしないとカレントディレクトリに作成されます。"));
    instruction->setFixedWidth(kFolderColumnWidth);
    column->addWidget(instruction);

    auto* driveRow = new QHBoxLayout;
    driveRow->setSpacing(4);
    auto* drives = new QComboBox;
    drives->setObjectName(QStringLiteral("DriveComboBox1"));
    drives->setFont(pixelFont(kArial, 13));
    driveRow->addWidget(drives, 1);
    driveRow->addWidget(desktopButton());
    column->addLayout(driveRow);

    auto* folders = new QListWidget;
    folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    folders->setFixedWidth(kFolderColumnWidth);
    column->addWidget(folders, 1);

    // Two lines high; a long path wraps.
    QLabel* folder = makeInstruction(QStringLiteral("Label8"), {});
    folder->setFixedWidth(kFolderColumnWidth);
    folder->setFixedHeight(2 * QFontMetrics(windowFont()).lineSpacing() + 2);
    folder->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(folder);
    return column;
}

} // namespace tarvo::gui
