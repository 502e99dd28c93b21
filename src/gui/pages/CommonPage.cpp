#include "gui/pages/CommonPage.h"

#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Accessibility.h"
#include "gui/desktop/Colours.h"
#include "gui/desktop/Fonts.h"
#include "gui/pages/FormParts.h"
#include "gui/widgets/ClickablePanel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"
#include "gui/widgets/RadioGroup.h"

#include "core/entry/EntryLists.h"
#include "core/entry/FollowUpRules.h"
#include "core/guidance/DescriptionSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvo::gui {

namespace {

// Between an OS check box and its caption.
constexpr int kCheckBoxSpacing = 2;

QVBoxLayout* newColumn()
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    return column;
}

QLabel* namedCaption(const QString& text, const char* objectName)
{
    QLabel* caption = makeCaption(text);
    caption->setObjectName(QString::fromLatin1(objectName));
    return caption;
}

} // namespace

void showFollowUp(QLabel* caption, QWidget* field, bool shown)
{
    caption->setVisible(shown);
    field->setVisible(shown);
}

CommonPage::CommonPage(QWidget* parent)
    : QWidget(parent)
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(6);
    columns->addLayout(buildLeftColumn(), 1);
    columns->addLayout(buildMiddleColumn(), 1);
    columns->addLayout(buildRightColumn(), 1);

    for (QWidget* widget : std::initializer_list<QWidget*> { m_ui.originalLibraryNumberCaption,
             m_ui.originalLibraryNumber, m_ui.fileLocationOtherCaption, m_ui.fileLocationOther,
             m_ui.printRefusalCaption, m_ui.printRefusalReason, m_ui.webRefusalCaption, m_ui.webRefusalReason })
        keepPlaceWhenHidden(widget);
    // Every follow-up pair starts hidden, matching the first items chosen.
    showOriginalLibraryNumber(m_ui.submissionKind->index());
    showFileLocationOther(m_ui.fileLocation->index());
    showPrintRefusalReason(m_ui.printPermission->index());
    showWebRefusalReason(m_ui.webPermission->index());

    connect(m_ui.previewButton, &QPushButton::clicked, this, &CommonPage::previewRequested);
    connect(m_ui.loadPanel, &ClickablePanel::clicked, this, &CommonPage::loadRequested);
    connect(m_ui.sizePanel, &ClickablePanel::clicked, this, &CommonPage::descriptionSizeRequested);
    // Only the author's changes: every edit of the typed text, and a choice from
    // the list (which first puts the item's text into the field).
    connect(m_ui.category->lineEdit(), &QLineEdit::textEdited, this, &CommonPage::categoryEdited);
    connect(m_ui.category, &QComboBox::textActivated, this, &CommonPage::categoryEdited);

    nameForAssistiveTechnology();
    putPanelsAfterTheirFields();
}

ClickablePanel* CommonPage::helpPanel(HelpTopic topic)
{
    return makeHelpPanel(topic, m_ui.helpPanels, this, [this](HelpTopic asked) { emit fieldHelpRequested(asked); });
}

// The fields whose caption does not name them by itself.
void CommonPage::nameForAssistiveTechnology()
{
    m_ui.loadPanel->setAccessibleName(QStringLiteral("バックアップを読み込む"));
    m_ui.sizePanel->setAccessibleName(QStringLiteral("内容説明のバイト数を数える"));
    m_ui.subcategory->setAccessibleName(QStringLiteral("●希望掲載ディレクトリ（第2階層）"));
    m_ui.subcategory->lineEdit()->setAccessibleName(m_ui.subcategory->accessibleName());
    // Both reasons are captioned "理由："; the group each belongs to tells them apart.
    m_ui.printRefusalReason->setAccessibleDescription(m_ui.printPermission->title());
    m_ui.webRefusalReason->setAccessibleDescription(m_ui.webPermission->title());
}

void CommonPage::putPanelsAfterTheirFields()
{
    gui::putPanelsAfterTheirFields({
        { m_ui.softwareName, m_ui.loadPanel },
        { m_ui.headline, m_ui.helpPanels.at(HelpTopic::Headline) },
        { m_ui.description, m_ui.sizePanel },
        { m_ui.archiveFileName, m_ui.helpPanels.at(HelpTopic::ArchiveFileName) },
        { m_ui.publicationFileName, m_ui.helpPanels.at(HelpTopic::PublicationFileName) },
        { m_ui.machine, m_ui.helpPanels.at(HelpTopic::Machine) },
        { m_ui.notes, m_ui.helpPanels.at(HelpTopic::Notes) },
    });
}

QVBoxLayout* CommonPage::buildLeftColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();
    m_ui.authorId = makeLineEdit(QString::fromLatin1(form::authorId), kLargerTextSize);
    addField(column, makeCaption(QStringLiteral("★作者名、或いはライブラリ作者番号（PA～）")), m_ui.authorId);

    m_ui.submissionKind = new RadioGroup(QString::fromLatin1(form::submissionKind),
        QStringLiteral("★新規ですか？それ以外ですか？"), qtItems(lists.submissionKinds), 1);
    m_ui.submissionKind->setFont(pixelFont(kProportionalGothic, kLargerTextSize));
    connect(m_ui.submissionKind, &RadioGroup::itemSelected, this, &CommonPage::showOriginalLibraryNumber);
    column->addWidget(m_ui.submissionKind);

    m_ui.originalLibraryNumberCaption = namedCaption(
        QStringLiteral("●新規以外の場合は元のライブラリ番号（PS～）"), form::originalLibraryNumberCaption);
    m_ui.originalLibraryNumber = makeLineEdit(QString::fromLatin1(form::originalLibraryNumber), kLargerTextSize);
    addField(column, m_ui.originalLibraryNumberCaption, m_ui.originalLibraryNumber);

    m_ui.loadPanel
        = new ClickablePanel(QString::fromLatin1(form::loadPanel), QStringLiteral("load"), ClickablePanel::Style::Teal);
    m_ui.loadPanel->setToolTip(
        QStringLiteral("一度バックアップを取ったデータは「Data」ファイルに格納されます。それを呼び出します。"));
    m_ui.softwareName = makeLineEdit(QString::fromLatin1(form::softwareName), kLargerTextSize);
    addField(column, makeCaption(QStringLiteral("★ソフト名称")), m_ui.softwareName, m_ui.loadPanel);

    m_ui.headline = makeLineEdit(QString::fromLatin1(form::headline), kLargerTextSize);
    addField(column,
        makeCaption(QStringLiteral("●1行見出し(ソフトの簡単な説明1行だけ)"),
            QStringLiteral("ソフトの説明を一行で書いて下さい。")),
        m_ui.headline, helpPanel(HelpTopic::Headline));

    // The "size" panel sits at the right end of the caption line.
    QLabel* descriptionCaption = makeCaption(QStringLiteral("●内容説明(1KB[全角で500文字]程度)"));
    auto* descriptionRow = makeCaptionRow(descriptionCaption);
    m_ui.sizePanel
        = new ClickablePanel(QString::fromLatin1(form::sizePanel), QStringLiteral("size"), ClickablePanel::Style::Teal);
    m_ui.sizePanel->setToolTip(QString::fromUtf8(kDescriptionSizeHint));
    descriptionRow->addWidget(m_ui.sizePanel);
    column->addLayout(descriptionRow);
    m_ui.description = makeMemo(QString::fromLatin1(form::description));
    nameAfterCaption(descriptionCaption, m_ui.description);
    column->addWidget(m_ui.description, 1);
    column->addWidget(makeInstruction(QString::fromLatin1(form::descriptionNote),
        QStringLiteral("自動改行するので、行を変えたい時だけ改行して下さい。話題を変えたい時のみ改行して下さい。")));
    return column;
}

QVBoxLayout* CommonPage::buildMiddleColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();
    m_ui.archiveFileName = makeLineEdit(QString::fromLatin1(form::archiveFileName), kLargerTextSize);
    addField(column,
        makeCaption(QStringLiteral("★アーカイブファイルの名前"),
            QStringLiteral("ネット上でＤＬする時のファイル名を記入します。")),
        m_ui.archiveFileName, helpPanel(HelpTopic::ArchiveFileName));
    m_ui.publicationFileName = makeLineEdit(QString::fromLatin1(form::publicationFileName), kLargerTextSize);
    addField(column,
        makeCaption(QStringLiteral("●インターネット・書籍公開用ファイル名"),
            QStringLiteral("雑誌などから掲載依頼が来た時に載せてもら時のファイル名を記入します。")),
        m_ui.publicationFileName, helpPanel(HelpTopic::PublicationFileName));
    m_ui.version = makeLineEdit(QString::fromLatin1(form::version), kLargerTextSize);
    addField(column,
        makeCaption(QStringLiteral("●バージョン"),
            QStringLiteral("バージョンを添えておくと、後でバージョンアップした時に分かりやすくなります。")),
        m_ui.version);
    m_ui.machine = makeSuggestionCombo(QString::fromLatin1(form::machine), qtItems(lists.machines));
    addField(column,
        makeCaption(
            QStringLiteral("●動作可能機種"), QStringLiteral("動作可能な機種を記入します。通常は「汎用」と書きます。")),
        m_ui.machine, helpPanel(HelpTopic::Machine));
    addOperatingSystems(column);
    m_ui.otherOs = makeLineEdit(QString::fromLatin1(form::otherOs));
    addField(
        column, makeCaption(QStringLiteral("※その他（WindowsNT3.51以上なども）"), {}, kLargerTextSize), m_ui.otherOs);
    m_ui.requiredSoftware = makeLineEdit(QString::fromLatin1(form::requiredSoftware));
    addField(column,
        makeCaption(QStringLiteral("●OS、配布ファイル以外に必要なソフト"),
            QStringLiteral("Visual Basicのようにランタイムを必要としたりする場合に記入してください。")),
        m_ui.requiredSoftware);
    m_ui.handling = makeSuggestionCombo(QString::fromLatin1(form::handling), qtItems(lists.handlings));
    addField(column, makeCaption(QStringLiteral("★ソフトウェアの取り扱い")), m_ui.handling);
    m_ui.category = makeSuggestionCombo(QString::fromLatin1(form::category), {});
    addField(column,
        makeCaption(QStringLiteral("●希望掲載ディレクトリ"),
            QStringLiteral("上のボックスを選ぶと自動的に下のボックスにその中のジャンルが選べるようになります。")),
        m_ui.category);
    m_ui.subcategory = makeSuggestionCombo(QString::fromLatin1(form::subcategory), {});
    column->addWidget(m_ui.subcategory);
    column->addStretch(1);
    return column;
}

void CommonPage::addOperatingSystems(QBoxLayout* column)
{
    QLabel* caption = makeCaption(QStringLiteral("●動作可能OS (Windows95,98,NT など)"),
        QStringLiteral("Windows内で動作可能なOSにチェックを入れて下さい。"), kLargerTextSize);
    column->addWidget(caption);
    auto* group = new QWidget;
    nameAsGroup(group, QStringLiteral("●動作可能OS"));
    caption->setBuddy(group);
    const auto& captions = entryLists().operatingSystems;
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    // A caption ends as far from the next box as from its own box.
    grid->setHorizontalSpacing(kCheckBoxSpacing);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < kOperatingSystemCount; ++i) {
        const auto at = static_cast<size_t>(i);
        auto* box = new QCheckBox(qtItem(captions[at]));
        box->setStyleSheet(QStringLiteral("QCheckBox { spacing: %1px; }").arg(kCheckBoxSpacing));
        // A style sheet fixes the font the box has now, the application's; it
        // would not follow the window's.
        box->setFont(windowFont());
        box->setObjectName(QString::fromLatin1(form::operatingSystems[at]));
        m_ui.operatingSystems[at] = box;
        grid->addWidget(box, i / 3, i % 3);
    }
    column->addWidget(group);
}

QVBoxLayout* CommonPage::buildRightColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();

    m_ui.fileLocation = new RadioGroup(
        QString::fromLatin1(form::fileLocation), QStringLiteral("★ファイルの所在"), qtItems(lists.fileLocations), 2);
    m_ui.fileLocation->setToolTip(
        QStringLiteral("必須項目です。大抵の場合はソフトをメールに添付する方が多いでしょう。"));
    connect(m_ui.fileLocation, &RadioGroup::itemSelected, this, &CommonPage::showFileLocationOther);
    column->addWidget(m_ui.fileLocation);
    m_ui.fileLocationOtherCaption
        = namedCaption(QStringLiteral("※その他（ファイルURLがあるならフルパスで）"), form::fileLocationOtherCaption);
    m_ui.fileLocationOther = makeLineEdit(QString::fromLatin1(form::fileLocationOther));
    addField(column, m_ui.fileLocationOtherCaption, m_ui.fileLocationOther);

    m_ui.printPermission = new RadioGroup(QString::fromLatin1(form::printPermission),
        QStringLiteral("●弊社出版物への掲載許諾"), qtItems(lists.permissions), 2);
    m_ui.printPermission->setToolTip(QStringLiteral(
        "β版などの場合で動作が完全でないならば「不許可」を選びます。明確な理由がなければ書かなくても可。"));
    connect(m_ui.printPermission, &RadioGroup::itemSelected, this, &CommonPage::showPrintRefusalReason);
    addPermission(column, m_ui.printPermission, m_ui.printRefusalCaption, m_ui.printRefusalReason,
        form::printRefusalCaption, form::printRefusalReason);

    m_ui.webPermission = new RadioGroup(QString::fromLatin1(form::webPermission),
        QStringLiteral("●弊社インターネットサイトでの公開許諾"), qtItems(lists.permissions), 2);
    m_ui.webPermission->setToolTip(QStringLiteral("「不許可」の場合は理由も書いて頂くと分かりやすいです。"));
    connect(m_ui.webPermission, &RadioGroup::itemSelected, this, &CommonPage::showWebRefusalReason);
    addPermission(column, m_ui.webPermission, m_ui.webRefusalCaption, m_ui.webRefusalReason, form::webRefusalCaption,
        form::webRefusalReason);

    m_ui.notes = makeMemo(QString::fromLatin1(form::notes));
    addField(
        column, makeCaption(QStringLiteral("●その他、弊社への連絡事項")), m_ui.notes, helpPanel(HelpTopic::Notes), 1);

    m_ui.previewButton = new QPushButton(QStringLiteral("プレビューを作成"));
    m_ui.previewButton->setObjectName(QString::fromLatin1(form::previewButton));
    QFont bold = m_ui.previewButton->font();
    bold.setBold(true);
    m_ui.previewButton->setFont(bold);
    m_ui.previewButton->setCursor(Qt::PointingHandCursor);
    column->addSpacing(3);
    column->addWidget(m_ui.previewButton);

    QLabel* instruction = makeInstruction(QString::fromLatin1(form::previewNote),
        QStringLiteral("▼シェアウェアの場合はシェアの設定もして下さい。また、バックアップはこれを押すと同時に自動で取り"
                       "ますので次から「load」できます。"));
    showInColour(instruction, kNavy);
    column->addWidget(instruction);
    return column;
}

void CommonPage::addPermission(QBoxLayout* column, RadioGroup* group, QLabel*& caption, QLineEdit*& reason,
    const char* captionName, const char* reasonName)
{
    column->addWidget(group);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    caption = namedCaption(QStringLiteral("理由："), captionName);
    row->addWidget(caption);
    reason = makeLineEdit(QString::fromLatin1(reasonName));
    nameAfterCaption(caption, reason);
    row->addWidget(reason, 1);
    column->addLayout(row);
}

void CommonPage::showOriginalLibraryNumber(int submissionKind)
{
    showFollowUp(
        m_ui.originalLibraryNumberCaption, m_ui.originalLibraryNumber, asksForOriginalLibraryNumber(submissionKind));
}

void CommonPage::showFileLocationOther(int fileLocation)
{
    showFollowUp(m_ui.fileLocationOtherCaption, m_ui.fileLocationOther, asksForFileLocationOther(fileLocation));
}

void CommonPage::showPrintRefusalReason(int permission)
{
    showFollowUp(m_ui.printRefusalCaption, m_ui.printRefusalReason, asksForRefusalReason(permission));
}

void CommonPage::showWebRefusalReason(int permission)
{
    showFollowUp(m_ui.webRefusalCaption, m_ui.webRefusalReason, asksForRefusalReason(permission));
}

void CommonPage::focusFirstField()
{
    m_ui.authorId->setFocus(Qt::OtherFocusReason);
}

void CommonPage::setCategories(const std::vector<std::string>& cp932Names)
{
    for (const std::string& name : cp932Names)
        m_ui.category->addItem(fromCp932(name));
    m_ui.category->setCurrentIndex(-1);
    m_ui.category->clearEditText();
}

void CommonPage::showAuthorId(const SingleLineText& authorId)
{
    const QSignalBlocker quiet(m_ui.authorId);
    m_ui.authorId->setText(fromCp932(authorId.str()));
    m_ui.authorId->setCursorPosition(0);
}

void CommonPage::setSubcategories(const std::vector<std::string>& cp932Entries)
{
    m_ui.subcategory->clearEditText();
    m_ui.subcategory->clear();
    for (const std::string& entry : cp932Entries)
        m_ui.subcategory->addItem(fromCp932(entry));
    // Filling a list selects its first item; the text stays empty until the
    // author picks or types one.
    m_ui.subcategory->setCurrentIndex(-1);
    m_ui.subcategory->clearEditText();
}

} // namespace tarvo::gui
