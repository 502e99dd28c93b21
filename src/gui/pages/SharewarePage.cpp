#include "gui/pages/SharewarePage.h"

#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Fonts.h"
#include "gui/pages/FormParts.h"
#include "gui/widgets/ClickablePanel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"

#include "core/fees/FeeFilter.h"
#include "core/fees/FeeQuote.h"
#include "core/fees/FeeRange.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace tarvo::gui {

namespace {

constexpr int kFeeEditWidth = 80;
constexpr int kStatementLines = 6;
// The widest statement line: 26 half-width hyphens, or 13 full-width characters.
constexpr int kStatementColumns = 26;

// The calculator's statements line up their five-character labels, so they
// are shown in the fixed-pitch font. Each box is as large as a statement, so
// that the six lines stand whole, with no scroll bar to take their room.
Cp932PlainTextEdit* statementMemo(QWidget* parent, FormName objectName)
{
    Cp932PlainTextEdit* memo = makeMemo(parent, objectName);
    memo->setFont(pixelFont(kFixedGothic, kLargerTextSize));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(memo->font());
    const int margins = 2 * (memo->frameWidth() + qCeil(memo->document()->documentMargin()));
    // A little room for the cursor at the end of the longest line.
    const int widest = std::max(metrics.horizontalAdvance(QString(kStatementColumns, QLatin1Char('-'))),
        metrics.horizontalAdvance(QString(kStatementColumns / 2, QChar(0x3000))));
    const int width = widest + margins + 4;
    const int height = kStatementLines * metrics.lineSpacing() + margins + 2;
    memo->setFixedSize(width, height);
    return memo;
}

QString statementText(const std::vector<std::string>& cp932Lines)
{
    QStringList lines;
    for (const std::string& line : cp932Lines)
        lines.append(fromCp932(line));
    return withYenSigns(lines.join(QLatin1Char('\n')));
}

} // namespace

QHBoxLayout* SharewarePage::buildFeeRow()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    auto* yen = new QLabel(this);
    yen->setFont(pixelFont(kProportionalGothic, 16, true));
    yen->setText(QStringLiteral("￥"));
    row->addWidget(yen);
    // The fee field keeps Qt's plain edit: its own digit filter decides what may
    // stand in it, so the general input rules do not apply.
    m_ui.sharewareFee = new QLineEdit(this);
    m_ui.sharewareFee->setObjectName(form::sharewareFee.qt());
    m_ui.sharewareFee->setFixedWidth(kFeeEditWidth);
    removeLengthLimit(m_ui.sharewareFee);
    // Every change the author makes, typed or pasted. A restored fee comes
    // filtered by the restore, which counts the messages for the window.
    connect(m_ui.sharewareFee, &QLineEdit::textChanged, this, &SharewarePage::filterFee);
    row->addWidget(m_ui.sharewareFee);
    // Written with the byte that Japanese fonts draw as the yen sign; a screen
    // reader hears the full-width sign.
    auto* range = new QLabel(withYenSigns(QStringLiteral("（\\%1～\\%2）").arg(kLowestFee).arg(kHighestFee)), this);
    range->setAccessibleName(QStringLiteral("（￥%1～￥%2）").arg(kLowestFee).arg(kHighestFee));
    row->addWidget(range);
    row->addStretch(1);
    return row;
}

SharewarePage::SharewarePage(QWidget* parent)
    : QWidget(parent)
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(12);
    columns->addLayout(buildFieldColumn(), 38);
    columns->addLayout(buildCalculatorColumn(), 62);
    putPanelsAfterTheirFields();
}

ClickablePanel* SharewarePage::helpPanel(HelpTopic topic)
{
    return makeHelpPanel(this, topic, m_ui.helpPanels, [this](HelpTopic asked) { emit fieldHelpRequested(asked); });
}

void SharewarePage::putPanelsAfterTheirFields()
{
    const auto& panels = m_ui.helpPanels;
    gui::putPanelsAfterTheirFields({
        { m_ui.sharewareFee, panels.at(HelpTopic::SharewareFee) },
        { m_ui.sharewareConditions, panels.at(HelpTopic::SharewareConditions) },
        { m_ui.bankRemittance, panels.at(HelpTopic::BankRemittance) },
        { m_ui.postalRemittance, panels.at(HelpTopic::PostalRemittance) },
        { m_ui.registeredProductNumber, panels.at(HelpTopic::RegisteredProductNumber) },
        { m_ui.niftyRemittance, panels.at(HelpTopic::NiftyRemittance) },
        { m_ui.otherRemittance, panels.at(HelpTopic::OtherRemittance) },
    });
}

QVBoxLayout* SharewarePage::buildFieldColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    QLabel* feeCaption = makeCaption(this, QStringLiteral("★シェアウェア料金"), {}, kLargerTextSize);
    column->addLayout(makeCaptionRow(feeCaption, helpPanel(HelpTopic::SharewareFee)));
    column->addLayout(buildFeeRow());
    nameAfterCaption(feeCaption, m_ui.sharewareFee);
    m_ui.sharewareConditions = makeMemo(this, form::sharewareConditions);
    addField(column, makeCaption(this, QStringLiteral("★シェアウェア利用条件/制限"), {}, kLargerTextSize),
        m_ui.sharewareConditions, helpPanel(HelpTopic::SharewareConditions), 1);
    m_ui.bankRemittance = makeLineEdit(this, form::bankRemittance);
    addField(column, makeCaption(this, QStringLiteral("●銀行送金方法（空欄でも可）")), m_ui.bankRemittance,
        helpPanel(HelpTopic::BankRemittance));
    m_ui.postalRemittance = makeLineEdit(this, form::postalRemittance);
    addField(column, makeCaption(this, QStringLiteral("●郵便振替送金方法（空欄でも可）")), m_ui.postalRemittance,
        helpPanel(HelpTopic::PostalRemittance));
    m_ui.registeredProductNumber = makeLineEdit(this, form::registeredProductNumber);
    addField(column, makeCaption(this, QStringLiteral("★レジ作品番号（SR～）"), {}, kLargerTextSize),
        m_ui.registeredProductNumber, helpPanel(HelpTopic::RegisteredProductNumber));
    m_ui.niftyRemittance = makeLineEdit(this, form::niftyRemittance);
    addField(column, makeCaption(this, QStringLiteral("●Nifty送金方法（シェアウェア番号：空欄可）")),
        m_ui.niftyRemittance, helpPanel(HelpTopic::NiftyRemittance));
    m_ui.otherRemittance = makeLineEdit(this, form::otherRemittance);
    addField(column, makeCaption(this, QStringLiteral("●その他の送金方法(現金書留など、空欄可)")), m_ui.otherRemittance,
        helpPanel(HelpTopic::OtherRemittance));
    return column;
}

QVBoxLayout* SharewarePage::buildCalculatorColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(makeInstruction(this, form::feeNotes[0],
        QStringLiteral("※実際に作者に入ってくる料金は、ルミペイ手数料（利用者）手数料%1円＋%2円（消費税）")
            .arg(kHandlingFeeBeforeTax)
            .arg(kHandlingFeeTax)));
    column->addWidget(makeInstruction(this, form::feeNotes[1],
        QStringLiteral("同時にルミペイ（作者）手数料10%を引いて支払われます。計算はこちらから。")));

    auto* calculator = new QHBoxLayout;
    calculator->setSpacing(6);
    m_ui.calculateButton = new QPushButton(QStringLiteral("計算"), this);
    m_ui.calculateButton->setObjectName(form::calculateButton.qt());
    m_ui.calculateButton->setCursor(Qt::PointingHandCursor);
    calculator->addWidget(m_ui.calculateButton, 0, Qt::AlignTop);
    connect(m_ui.calculateButton, &QPushButton::clicked, this, &SharewarePage::feesRequested);
    connect(m_ui.sharewareConditions, &QPlainTextEdit::textChanged, this, &SharewarePage::memoTextChanged);
    m_ui.userStatement = statementMemo(this, form::userStatement);
    m_ui.userStatement->setAccessibleName(QStringLiteral("利用者に請求される金額"));
    m_ui.authorStatement = statementMemo(this, form::authorStatement);
    m_ui.authorStatement->setAccessibleName(QStringLiteral("作者の方に支払われる金額"));
    calculator->addWidget(m_ui.userStatement);
    calculator->addWidget(m_ui.authorStatement);
    calculator->addStretch(1);
    column->addLayout(calculator);

    column->addSpacing(8);
    column->addWidget(makeInstruction(
        this, form::helpNotes[0], QStringLiteral("○どのように書いていいか分からない人は「？」パネルを押して下さい。")));
    column->addWidget(makeInstruction(this, form::helpNotes[1],
        QStringLiteral(
            "○更に書き方についての詳しいヘルプを見たい場合は「書き方のヘルプ」のタブをクリックして下さい。")));
    column->addWidget(makeInstruction(this, form::helpNotes[2],
        QStringLiteral(
            "※始めてシェアウェアをおやりになる方はいろいろと手続きが必要ですので、「インターネット」タブをクリッ"
            "クして「タルヴォリンクス」からそのホームページへジャンプできますので御利用下さい。")));
    column->addStretch(1);
    return column;
}

void SharewarePage::showStatements(
    const std::vector<std::string>& userLines, const std::vector<std::string>& authorLines)
{
    m_ui.userStatement->clear();
    m_ui.authorStatement->clear();
    m_ui.userStatement->setPlainText(statementText(userLines));
    m_ui.authorStatement->setPlainText(statementText(authorLines));
}

// The field is emptied at the first disallowed byte; every further one still
// shows the message, as the walk goes on over the text taken at the start. Text
// the filter takes but writes otherwise (full-width digits) is put back at once,
// the cursor where it stood.
void SharewarePage::filterFee(const QString& text)
{
    const std::string typed = toCp932(text);
    const FeeFilterResult filtered = filterFeeText(typed);
    if (filtered.messageCount == 0 && filtered.text != typed) {
        const int cursor = m_ui.sharewareFee->cursorPosition();
        m_ui.sharewareFee->setText(fromCp932(filtered.text));
        m_ui.sharewareFee->setCursorPosition(cursor);
        return;
    }
    for (int shown = 0; shown < filtered.messageCount; ++shown) {
        emit digitsOnlyRefused();
        if (shown == 0)
            m_ui.sharewareFee->clear();
    }
}

} // namespace tarvo::gui
