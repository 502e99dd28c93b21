#include "SharewarePage.h"

#include "ClickablePanel.h"
#include "Cp932PlainTextEdit.h"
#include "Fonts.h"
#include "FormParts.h"
#include "HandlerGuard.h"
#include "MessageBox.h"
#include "QtText.h"

#include "fees/FeeQuote.h"
#include "text/Cp932.h"
#include "errors/RuntimeError.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace tarvo::gui {

namespace {

constexpr int kLargerText = 13;
constexpr int kFeeEditWidth = 80;
constexpr int kStatementLines = 6;
// The widest statement line: 26 half-width hyphens, or 13 full-width characters.
constexpr int kStatementColumns = 26;

ClickablePanel* helpPanel(const char* name)
{
    return new ClickablePanel(QString::fromLatin1(name), QStringLiteral("?"), ClickablePanel::Style::Help);
}

// The calculator's statements line up their five-character labels, so they
// are shown in the fixed-pitch font. Each box is as large as a statement, so
// that the six lines stand whole, with no scroll bar to take their room.
Cp932PlainTextEdit* statementMemo(const char* name)
{
    Cp932PlainTextEdit* memo = makeMemo(QString::fromLatin1(name));
    memo->setFont(pixelFont(kFixedGothic, 13));
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
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QHBoxLayout* SharewarePage::buildFeeRow()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    auto* yen = new QLabel(QStringLiteral("￥"));
    yen->setFont(pixelFont(kProportionalGothic, 16, true));
    row->addWidget(yen);
    // The fee field keeps Qt's plain edit: its own digit filter decides what may
    // stand in it, so the general input rules do not apply.
    m_fee = new QLineEdit;
    m_fee->setObjectName(QStringLiteral("Edit30"));
    m_fee->setFixedWidth(kFeeEditWidth);
    removeLengthLimit(m_fee);
    // Every change, whatever its source: typing, pasting, or a restored fee.
    connect(m_fee, &QLineEdit::textChanged, this, &SharewarePage::edit30Change);
    row->addWidget(m_fee);
    // The backslash is the byte that Japanese fonts draw as the yen sign.
    row->addWidget(new QLabel(QStringLiteral("（\\500～\\15000）")));
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
}

QVBoxLayout* SharewarePage::buildFieldColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->addLayout(
        makeCaptionRow(makeCaption(QStringLiteral("★シェアウェア料金"), {}, kLargerText), helpPanel("Panel3")));
    column->addLayout(buildFeeRow());
    addField(column, makeCaption(QStringLiteral("★シェアウェア利用条件/制限"), {}, kLargerText),
        makeMemo(QStringLiteral("Memo8")), helpPanel("Panel4"), 1);
    addField(column, makeCaption(QStringLiteral("●銀行送金方法（空欄でも可）")), makeLineEdit(QStringLiteral("Edit32")),
        helpPanel("Panel5"));
    addField(column, makeCaption(QStringLiteral("●郵便振替送金方法（空欄でも可）")),
        makeLineEdit(QStringLiteral("Edit33")), helpPanel("Panel8"));
    addField(column, makeCaption(QStringLiteral("★レジ作品番号（SR～）"), {}, kLargerText),
        makeLineEdit(QStringLiteral("Edit34")), helpPanel("Panel7"));
    addField(column, makeCaption(QStringLiteral("●Nifty送金方法（シェアウェア番号：空欄可）")),
        makeLineEdit(QStringLiteral("Edit35")), helpPanel("Panel6"));
    addField(column, makeCaption(QStringLiteral("●その他の送金方法(現金書留など、空欄可)")),
        makeLineEdit(QStringLiteral("Edit36")), helpPanel("Panel9"));
    return column;
}

QVBoxLayout* SharewarePage::buildCalculatorColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(makeInstruction(QStringLiteral("FeeNote1"),
        QStringLiteral("※実際に作者に入ってくる料金は、ルミペイ手数料（利用者）手数料100円＋5円（消費税）")));
    column->addWidget(makeInstruction(QStringLiteral("FeeNote2"),
        QStringLiteral("同時にルミペイ（作者）手数料10%を引いて支払われます。計算はこちらから。")));

    auto* calculator = new QHBoxLayout;
    calculator->setSpacing(6);
    auto* calculate = new QPushButton(QStringLiteral("計算"));
    calculate->setObjectName(QStringLiteral("Button3"));
    calculate->setCursor(Qt::PointingHandCursor);
    calculator->addWidget(calculate, 0, Qt::AlignTop);
    connect(calculate, &QPushButton::clicked, this, &SharewarePage::button3Click);
    m_userStatement = statementMemo("Memo6");
    m_authorStatement = statementMemo("Memo7");
    calculator->addWidget(m_userStatement);
    calculator->addWidget(m_authorStatement);
    calculator->addStretch(1);
    column->addLayout(calculator);

    column->addSpacing(8);
    column->addWidget(makeInstruction(QStringLiteral("HelpNote1"),
        QStringLiteral("○どのように書いていいか分からない人は「？」パネルを押して下さい。")));
    column->addWidget(makeInstruction(QStringLiteral("HelpNote2"),
        QStringLiteral(
            "○更に書き方についての詳しいヘルプを見たい場合は「書き方のヘルプ」のタブをクリックして下さい。")));
    column->addWidget(makeInstruction(QStringLiteral("HelpNote3"),
        QStringLiteral(
            "※始めてシェアウェアをおやりになる方はいろいろと手続きが必要ですので、「インターネット」タブをクリッ"
            "クして「タルヴォリンクス」からそのホームページへジャンプできますので御利用下さい。")));
    column->addStretch(1);
    return column;
}

void SharewarePage::button3Click()
{
    runGuarded(window(), [this] { calculateFees(); });
}

// A refused fee leaves both statements as they were.
void SharewarePage::calculateFees()
{
    const FeeOutcome outcome = evaluateFeeText(toCp932(m_fee->text()));
    switch (outcome.kind) {
    case FeeOutcome::Kind::Empty:
    case FeeOutcome::Kind::OutOfRange:
        MessageBox::message(window(), fromCp932(outcome.message));
        return;
    case FeeOutcome::Kind::NotANumber:
        throw RuntimeError(utf8FromCp932(outcome.message));
    case FeeOutcome::Kind::Quote:
        break;
    }
    m_userStatement->clear();
    m_authorStatement->clear();
    m_userStatement->setPlainText(statementText(userStatement(*outcome.quote)));
    m_authorStatement->setPlainText(statementText(authorStatement(*outcome.quote)));
}

// The field is emptied at the first disallowed byte; every further one still
// shows the message, as the walk goes on over the text taken at the start.
void SharewarePage::edit30Change(const QString& text)
{
    const FeeFilterResult filtered = filterFeeText(toCp932(text));
    for (int shown = 0; shown < filtered.messageCount; ++shown) {
        MessageBox::message(window(), fromCp932(feeFilterMessage()));
        if (shown == 0)
            m_fee->clear();
    }
}

} // namespace tarvo::gui
