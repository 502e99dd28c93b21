#include "gui/pages/CommonPage.h"

#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Accessibility.h"
#include "gui/desktop/Colours.h"
#include "gui/desktop/Fonts.h"
#include "gui/pages/FormParts.h"
#include "gui/widgets/ClickablePanel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"
#include "gui/widgets/OsBoxStyle.h"
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

QVBoxLayout* newColumn()
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    return column;
}

QLabel* namedCaption(QWidget* parent, const QString& text, FormName objectName)
{
    QLabel* caption = makeCaption(parent, text);
    caption->setObjectName(objectName.qt());
    return caption;
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
    connect(m_ui.handling->lineEdit(), &QLineEdit::textEdited, this, &CommonPage::handlingEdited);
    connect(m_ui.handling, &QComboBox::textActivated, this, &CommonPage::handlingEdited);
    connect(m_ui.description, &QPlainTextEdit::textChanged, this, &CommonPage::memoTextChanged);
    connect(m_ui.notes, &QPlainTextEdit::textChanged, this, &CommonPage::memoTextChanged);

    nameForAssistiveTechnology();
    putPanelsAfterTheirFields();
}

ClickablePanel* CommonPage::helpPanel(HelpTopic topic)
{
    return makeHelpPanel(this, topic, m_ui.helpPanels, [this](HelpTopic asked) { emit fieldHelpRequested(asked); });
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
    m_ui.authorId = makeLineEdit(this, form::authorId, kLargerTextSize);
    addField(column, makeCaption(this, QStringLiteral("★作者名、或いはライブラリ作者番号（PA～）")), m_ui.authorId);

    m_ui.submissionKind = new RadioGroup(form::submissionKind, QStringLiteral("★新規ですか？それ以外ですか？"),
        qtItems(lists.submissionKinds), 1, this, pixelFont(kProportionalGothic, kLargerTextSize));
    connect(m_ui.submissionKind, &RadioGroup::itemSelected, this, &CommonPage::showOriginalLibraryNumber);
    column->addWidget(m_ui.submissionKind);

    m_ui.originalLibraryNumberCaption = namedCaption(
        this, QStringLiteral("●新規以外の場合は元のライブラリ番号（PS～）"), form::originalLibraryNumberCaption);
    m_ui.originalLibraryNumber = makeLineEdit(this, form::originalLibraryNumber, kLargerTextSize);
    addField(column, m_ui.originalLibraryNumberCaption, m_ui.originalLibraryNumber);

    m_ui.loadPanel = new ClickablePanel(form::loadPanel, QStringLiteral("load"), ClickablePanel::Style::Teal, this);
    m_ui.loadPanel->setToolTip(
        QStringLiteral("一度バックアップを取ったデータは「Data」ファイルに格納されます。それを呼び出します。"));
    m_ui.softwareName = makeLineEdit(this, form::softwareName, kLargerTextSize);
    addField(column, makeCaption(this, QStringLiteral("★ソフト名称")), m_ui.softwareName, m_ui.loadPanel);

    m_ui.headline = makeLineEdit(this, form::headline, kLargerTextSize);
    addField(column,
        makeCaption(this, QStringLiteral("●1行見出し(ソフトの簡単な説明1行だけ)"),
            QStringLiteral("ソフトの説明を一行で書いて下さい。")),
        m_ui.headline, helpPanel(HelpTopic::Headline));

    // The "size" panel sits at the right end of the caption line.
    QLabel* descriptionCaption = makeCaption(this, QStringLiteral("●内容説明(1KB[全角で500文字]程度)"));
    auto* descriptionRow = makeCaptionRow(descriptionCaption);
    m_ui.sizePanel = new ClickablePanel(form::sizePanel, QStringLiteral("size"), ClickablePanel::Style::Teal, this);
    m_ui.sizePanel->setToolTip(QString::fromUtf8(kDescriptionSizeHint));
    descriptionRow->addWidget(m_ui.sizePanel);
    column->addLayout(descriptionRow);
    m_ui.description = makeMemo(this, form::description);
    nameAfterCaption(descriptionCaption, m_ui.description);
    column->addWidget(m_ui.description, 1);
    column->addWidget(makeInstruction(this, form::descriptionNote,
        QStringLiteral("自動改行するので、行を変えたい時だけ改行して下さい。話題を変えたい時のみ改行して下さい。")));
    return column;
}

QVBoxLayout* CommonPage::buildMiddleColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();
    m_ui.archiveFileName = makeLineEdit(this, form::archiveFileName, kLargerTextSize);
    addField(column,
        makeCaption(this, QStringLiteral("★アーカイブファイルの名前"),
            QStringLiteral("ネット上でＤＬする時のファイル名を記入します。")),
        m_ui.archiveFileName, helpPanel(HelpTopic::ArchiveFileName));
    m_ui.publicationFileName = makeLineEdit(this, form::publicationFileName, kLargerTextSize);
    addField(column,
        makeCaption(this, QStringLiteral("●インターネット・書籍公開用ファイル名"),
            QStringLiteral("雑誌などから掲載依頼が来た時に載せてもら時のファイル名を記入します。")),
        m_ui.publicationFileName, helpPanel(HelpTopic::PublicationFileName));
    m_ui.version = makeLineEdit(this, form::version, kLargerTextSize);
    addField(column,
        makeCaption(this, QStringLiteral("●バージョン"),
            QStringLiteral("バージョンを添えておくと、後でバージョンアップした時に分かりやすくなります。")),
        m_ui.version);
    m_ui.machine = makeSuggestionCombo(this, form::machine, qtItems(lists.machines));
    addField(column,
        makeCaption(this, QStringLiteral("●動作可能機種"),
            QStringLiteral("動作可能な機種を記入します。通常は「汎用」と書きます。")),
        m_ui.machine, helpPanel(HelpTopic::Machine));
    addOperatingSystems(column);
    m_ui.otherOs = makeLineEdit(this, form::otherOs);
    addField(column, makeCaption(this, QStringLiteral("※その他（WindowsNT3.51以上なども）"), {}, kLargerTextSize),
        m_ui.otherOs);
    m_ui.requiredSoftware = makeLineEdit(this, form::requiredSoftware);
    addField(column,
        makeCaption(this, QStringLiteral("●OS、配布ファイル以外に必要なソフト"),
            QStringLiteral("Visual Basicのようにランタイムを必要としたりする場合に記入してください。")),
        m_ui.requiredSoftware);
    m_ui.handling = makeSuggestionCombo(this, form::handling, qtItems(lists.handlings));
    addField(column, makeCaption(this, QStringLiteral("★ソフトウェアの取り扱い")), m_ui.handling);
    m_ui.category = makeSuggestionCombo(this, form::category, {});
    addField(column,
        makeCaption(this, QStringLiteral("●希望掲載ディレクトリ"),
            QStringLiteral("上のボックスを選ぶと自動的に下のボックスにその中のジャンルが選べるようになります。")),
        m_ui.category);
    m_ui.subcategory = makeSuggestionCombo(this, form::subcategory, {});
    column->addWidget(m_ui.subcategory);
    column->addStretch(1);
    return column;
}

void CommonPage::addOperatingSystems(QBoxLayout* column)
{
    QLabel* caption = makeCaption(this, QStringLiteral("●動作可能OS (Windows95,98,NT など)"),
        QStringLiteral("Windows内で動作可能なOSにチェックを入れて下さい。"), kLargerTextSize);
    column->addWidget(caption);
    auto* group = new QWidget(this);
    nameAsGroup(group, QStringLiteral("●動作可能OS"));
    caption->setBuddy(group);
    const auto& captions = entryLists().operatingSystems;
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    // A caption ends as far from the next box as from its own box.
    grid->setHorizontalSpacing(OsBoxStyle::kCaptionSpacing);
    grid->setVerticalSpacing(0);
    // A child made after the group, so it outlives the boxes.
    auto* style = new OsBoxStyle;
    style->setParent(this);
    for (int i = 0; i < kOperatingSystemCount; ++i) {
        const auto at = static_cast<size_t>(i);
        auto* box = new QCheckBox(group);
        box->setStyle(style);
        box->setText(qtItem(captions[at]));
        box->setObjectName(form::operatingSystems[at].qt());
        m_ui.operatingSystems[at] = box;
        grid->addWidget(box, i / 3, i % 3);
    }
    column->addWidget(group);
}

QVBoxLayout* CommonPage::buildRightColumn()
{
    const auto& lists = entryLists();
    QVBoxLayout* column = newColumn();

    m_ui.fileLocation
        = new RadioGroup(form::fileLocation, QStringLiteral("★ファイルの所在"), qtItems(lists.fileLocations), 2, this);
    m_ui.fileLocation->setToolTip(
        QStringLiteral("必須項目です。大抵の場合はソフトをメールに添付する方が多いでしょう。"));
    connect(m_ui.fileLocation, &RadioGroup::itemSelected, this, &CommonPage::showFileLocationOther);
    column->addWidget(m_ui.fileLocation);
    m_ui.fileLocationOtherCaption = namedCaption(
        this, QStringLiteral("※その他（ファイルURLがあるならフルパスで）"), form::fileLocationOtherCaption);
    m_ui.fileLocationOther = makeLineEdit(this, form::fileLocationOther);
    addField(column, m_ui.fileLocationOtherCaption, m_ui.fileLocationOther);

    m_ui.printPermission = new RadioGroup(
        form::printPermission, QStringLiteral("●弊社出版物への掲載許諾"), qtItems(lists.permissions), 2, this);
    m_ui.printPermission->setToolTip(QStringLiteral(
        "β版などの場合で動作が完全でないならば「不許可」を選びます。明確な理由がなければ書かなくても可。"));
    connect(m_ui.printPermission, &RadioGroup::itemSelected, this, &CommonPage::showPrintRefusalReason);
    addPermission(column, m_ui.printPermission, m_ui.printRefusalCaption, m_ui.printRefusalReason,
        form::printRefusalCaption, form::printRefusalReason);

    m_ui.webPermission = new RadioGroup(form::webPermission, QStringLiteral("●弊社インターネットサイトでの公開許諾"),
        qtItems(lists.permissions), 2, this);
    m_ui.webPermission->setToolTip(QStringLiteral("「不許可」の場合は理由も書いて頂くと分かりやすいです。"));
    connect(m_ui.webPermission, &RadioGroup::itemSelected, this, &CommonPage::showWebRefusalReason);
    addPermission(column, m_ui.webPermission, m_ui.webRefusalCaption, m_ui.webRefusalReason, form::webRefusalCaption,
        form::webRefusalReason);

    m_ui.notes = makeMemo(this, form::notes);
    addField(column, makeCaption(this, QStringLiteral("●その他、弊社への連絡事項")), m_ui.notes,
        helpPanel(HelpTopic::Notes), 1);

    m_ui.previewButton = new QPushButton(this);
    m_ui.previewButton->setObjectName(form::previewButton.qt());
    QFont bold = m_ui.previewButton->font();
    bold.setBold(true);
    m_ui.previewButton->setFont(bold);
    m_ui.previewButton->setText(QStringLiteral("プレビューを作成"));
    m_ui.previewButton->setCursor(Qt::PointingHandCursor);
    column->addSpacing(3);
    column->addWidget(m_ui.previewButton);

    QLabel* instruction = makeInstruction(this, form::previewNote,
        QStringLiteral("▼シェアウェアの場合はシェアの設定もして下さい。また、バックアップはこれを押すと同時に自動で取り"
                       "ますので次から「load」できます。"));
    showInColour(instruction, kNavy);
    column->addWidget(instruction);
    return column;
}

void CommonPage::addPermission(QBoxLayout* column, RadioGroup* group, QLabel*& caption, QLineEdit*& reason,
    FormName captionName, FormName reasonName)
{
    column->addWidget(group);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    caption = namedCaption(this, QStringLiteral("理由："), captionName);
    row->addWidget(caption);
    reason = makeLineEdit(this, reasonName);
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
