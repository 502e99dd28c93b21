#include "CommonPage.h"

#include "ClickablePanel.h"
#include "Cp932PlainTextEdit.h"
#include "Fonts.h"
#include "FormParts.h"
#include "QtText.h"
#include "RadioGroup.h"

#include "entry/EntryLists.h"
#include "guidance/Guidance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvo::gui {

namespace {

constexpr int kLargerText = 13;

ClickablePanel* helpPanel(const char* name)
{
    return new ClickablePanel(QString::fromLatin1(name), QStringLiteral("?"), ClickablePanel::Style::Help);
}

QVBoxLayout* newColumn()
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    return column;
}

} // namespace

CommonPage::CommonPage(QWidget* parent)
    : QWidget(parent)
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(6);
    columns->addLayout(buildLeftColumn(), 1);
    columns->addLayout(buildMiddleColumn(), 1);
    columns->addLayout(buildRightColumn(), 1);

    for (const char* name : { "Label39", "Edit20", "Label52", "Edit29", "Label2", "Edit1", "Label3", "Edit2" })
        keepPlaceWhenHidden(findChild<QWidget*>(QString::fromLatin1(name)));
    // Every follow-up pair starts hidden, matching the first items chosen.
    showFollowUp("Label39", "Edit20", false);
    showFollowUp("Label52", "Edit29", false);
    showFollowUp("Label2", "Edit1", false);
    showFollowUp("Label3", "Edit2", false);
}

QVBoxLayout* CommonPage::buildLeftColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();
    addField(column, makeCaption(QStringLiteral("★作者名、或いはライブラリ作者番号（PA～）")),
        makeLineEdit(QStringLiteral("Edit19"), kLargerText));

    auto* submission = new RadioGroup(QStringLiteral("RadioGroup6"), QStringLiteral("★新規ですか？それ以外ですか？"),
        qtItems(lists.submissionKinds), 1);
    submission->setFont(pixelFont(kProportionalGothic, kLargerText));
    connect(submission, &RadioGroup::itemSelected, this, &CommonPage::radioGroup6Click);
    column->addWidget(submission);

    QLabel* libraryCaption = makeCaption(QStringLiteral("●新規以外の場合は元のライブラリ番号（PS～）"));
    libraryCaption->setObjectName(QStringLiteral("Label39"));
    addField(column, libraryCaption, makeLineEdit(QStringLiteral("Edit20"), kLargerText));

    auto* load = new ClickablePanel(QStringLiteral("Panel1"), QStringLiteral("load"), ClickablePanel::Style::Teal);
    load->setToolTip(
        QStringLiteral("一度バックアップを取ったデータは「Data」ファイルに格納されます。それを呼び出します。"));
    addField(
        column, makeCaption(QStringLiteral("★ソフト名称")), makeLineEdit(QStringLiteral("Edit21"), kLargerText), load);

    addField(column,
        makeCaption(QStringLiteral("●1行見出し(ソフトの簡単な説明1行だけ)"),
            QStringLiteral("ソフトの説明を一行で書いて下さい。")),
        makeLineEdit(QStringLiteral("Edit22"), kLargerText), helpPanel("Panel11"));

    // The "size" panel sits at the right end of the caption line.
    auto* descriptionRow = makeCaptionRow(makeCaption(QStringLiteral("●内容説明(1KB[全角で500文字]程度)")));
    auto* size = new ClickablePanel(QStringLiteral("Panel10"), QStringLiteral("size"), ClickablePanel::Style::Teal);
    size->setToolTip(fromCp932(descriptionSizeHint()));
    descriptionRow->addWidget(size);
    column->addLayout(descriptionRow);
    column->addWidget(makeMemo(QStringLiteral("Memo3")), 1);
    column->addWidget(makeInstruction(QStringLiteral("Label5"),
        QStringLiteral("自動改行するので、行を変えたい時だけ改行して下さい。話題を変えたい時のみ改行して下さい。")));
    return column;
}

QVBoxLayout* CommonPage::buildMiddleColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();
    addField(column,
        makeCaption(QStringLiteral("★アーカイブファイルの名前"),
            QStringLiteral("ネット上でＤＬする時のファイル名を記入します。")),
        makeLineEdit(QStringLiteral("Edit23"), kLargerText), helpPanel("Panel12"));
    addField(column,
        makeCaption(QStringLiteral("●インターネット・書籍公開用ファイル名"),
            QStringLiteral("雑誌などから掲載依頼が来た時に載せてもら時のファイル名を記入します。")),
        makeLineEdit(QStringLiteral("Edit24"), kLargerText), helpPanel("Panel13"));
    addField(column,
        makeCaption(QStringLiteral("●バージョン"),
            QStringLiteral("バージョンを添えておくと、後でバージョンアップした時に分かりやすくなります。")),
        makeLineEdit(QStringLiteral("Edit25"), kLargerText));
    addField(column,
        makeCaption(
            QStringLiteral("●動作可能機種"), QStringLiteral("動作可能な機種を記入します。通常は「汎用」と書きます。")),
        makeSuggestionCombo(QStringLiteral("ComboBox1"), qtItems(lists.machines)), helpPanel("Panel14"));
    addOperatingSystems(column);
    addField(column, makeCaption(QStringLiteral("※その他（WindowsNT3.51以上なども）"), {}, kLargerText),
        makeLineEdit(QStringLiteral("Edit27")));
    addField(column,
        makeCaption(QStringLiteral("●OS、配布ファイル以外に必要なソフト"),
            QStringLiteral("Visual Basicのようにランタイムを必要としたりする場合に記入してください。")),
        makeLineEdit(QStringLiteral("Edit28")));
    addField(column, makeCaption(QStringLiteral("★ソフトウェアの取り扱い")),
        makeSuggestionCombo(QStringLiteral("ComboBox4"), qtItems(lists.handlings)));
    addField(column,
        makeCaption(QStringLiteral("●希望掲載ディレクトリ"),
            QStringLiteral("上のボックスを選ぶと自動的に下のボックスにその中のジャンルが選べるようになります。")),
        makeSuggestionCombo(QStringLiteral("ComboBox2"), {}));
    column->addWidget(makeSuggestionCombo(QStringLiteral("ComboBox3"), {}));
    column->addStretch(1);
    return column;
}

void CommonPage::addOperatingSystems(QBoxLayout* column)
{
    column->addWidget(makeCaption(QStringLiteral("●動作可能OS (Windows95,98,NT など)"),
        QStringLiteral("Windows内で動作可能なOSにチェックを入れて下さい。"), kLargerText));
    // The order of the operating-system line; the names are the form's own.
    static const char* const kBoxes[kOperatingSystemCount]
        = { "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox1", "CheckBox9", "CheckBox2" };
    const auto& captions = entryLists().operatingSystems;
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < kOperatingSystemCount; ++i) {
        auto* box = new QCheckBox(qtItem(captions[static_cast<size_t>(i)]));
        box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
        box->setObjectName(QString::fromLatin1(kBoxes[i]));
        grid->addWidget(box, i / 3, i % 3);
    }
    column->addLayout(grid);
}

QVBoxLayout* CommonPage::buildRightColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();

    auto* location = new RadioGroup(
        QStringLiteral("RadioGroup8"), QStringLiteral("★ファイルの所在"), qtItems(lists.fileLocations), 2);
    location->setToolTip(QStringLiteral("必須項目です。大抵の場合はソフトをメールに添付する方が多いでしょう。"));
    connect(location, &RadioGroup::itemSelected, this, &CommonPage::radioGroup8Click);
    column->addWidget(location);
    QLabel* otherCaption = makeCaption(QStringLiteral("※その他（ファイルURLがあるならフルパスで）"));
    otherCaption->setObjectName(QStringLiteral("Label52"));
    addField(column, otherCaption, makeLineEdit(QStringLiteral("Edit29")));

    auto* print = new RadioGroup(
        QStringLiteral("RadioGroup9"), QStringLiteral("●弊社出版物への掲載許諾"), qtItems(lists.permissions), 2);
    print->setToolTip(QStringLiteral(
        "β版などの場合で動作が完全でないならば「不許可」を選びます。明確な理由がなければ書かなくても可。"));
    connect(print, &RadioGroup::itemSelected, this, &CommonPage::radioGroup9Click);
    addPermission(column, print, QStringLiteral("Label2"), QStringLiteral("Edit1"));

    auto* web = new RadioGroup(QStringLiteral("RadioGroup10"), QStringLiteral("●弊社インターネットサイトでの公開許諾"),
        qtItems(lists.permissions), 2);
    web->setToolTip(QStringLiteral("「不許可」の場合は理由も書いて頂くと分かりやすいです。"));
    connect(web, &RadioGroup::itemSelected, this, &CommonPage::radioGroup10Click);
    addPermission(column, web, QStringLiteral("Label3"), QStringLiteral("Edit2"));

    addField(column, makeCaption(QStringLiteral("●その他、弊社への連絡事項")), makeMemo(QStringLiteral("Memo4")),
        helpPanel("Panel15"), 1);

    auto* preview = new QPushButton(QStringLiteral("プレビューを作成"));
    preview->setObjectName(QStringLiteral("Button2"));
    QFont bold = preview->font();
    bold.setBold(true);
    preview->setFont(bold);
    preview->setCursor(Qt::PointingHandCursor);
    column->addSpacing(3);
    column->addWidget(preview);

    QLabel* instruction = makeInstruction(QStringLiteral("Label6"),
        QStringLiteral("▼シェアウェアの場合はシェアの設定もして下さい。また、バックアップはこれを押すと同時に自動で取り"
                       "ますので次から「load」できます。"));
    QPalette navy = instruction->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    instruction->setPalette(navy);
    column->addWidget(instruction);
    return column;
}

void CommonPage::addPermission(QBoxLayout* column, RadioGroup* group, const QString& labelName, const QString& editName)
{
    column->addWidget(group);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    QLabel* reason = makeCaption(QStringLiteral("理由："));
    reason->setObjectName(labelName);
    row->addWidget(reason);
    row->addWidget(makeLineEdit(editName), 1);
    column->addLayout(row);
}

void CommonPage::showFollowUp(const char* labelName, const char* editName, bool shown)
{
    for (const char* name : { labelName, editName })
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(shown);
}

void CommonPage::radioGroup6Click(int index)
{
    showFollowUp("Label39", "Edit20", index != 0);
}

void CommonPage::radioGroup8Click(int index)
{
    showFollowUp("Label52", "Edit29", index == 3);
}

void CommonPage::radioGroup9Click(int index)
{
    showFollowUp("Label2", "Edit1", index == 1);
}

void CommonPage::radioGroup10Click(int index)
{
    showFollowUp("Label3", "Edit2", index == 1);
}

} // namespace tarvo::gui
