#include "GuiTestSupport.h"

#include "gui/desktop/Fonts.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace tarvo::gui;

namespace {

const QString kDigitsOnly = QStringLiteral("記入欄には半角の数字しか使うことはできません！");
const QString kEmptyFee = QStringLiteral("「シェアウェア料金」が記入されていません！");
const QString kOutOfRange = QStringLiteral("「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。");
const QString kRule = QStringLiteral("--------------------------");

} // namespace

class TestFeeCalculator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;

    QLineEdit* fee() const { return m_ui->control<QLineEdit>(form::sharewareFee); }
    QString userBox() const { return m_ui->control<QPlainTextEdit>(form::userStatement)->toPlainText(); }
    QString authorBox() const { return m_ui->control<QPlainTextEdit>(form::authorStatement)->toPlainText(); }

    void calculateFor(const QString& text)
    {
        fee()->clear();
        test::typeInto(fee(), text);
        MessageBox::clearShown();
        m_ui->click(form::calculateButton);
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<test::WindowUnderTest>();
        m_ui->showPage(1);
    }
    void cleanup() { m_ui.reset(); }

    void boxesStartWithOneEmptyLineInTheFixedPitchFont()
    {
        for (const char* name : { form::userStatement, form::authorStatement }) {
            auto* box = m_ui->control<QPlainTextEdit>(name);
            QCOMPARE(box->toPlainText(), QString());
            QCOMPARE(box->blockCount(), 1);
            QCOMPARE(box->font().families().front(), test::drawnFamily(tarvo::gui::kFixedGothic));
            QCOMPARE(box->font().pixelSize(), 13);
        }
    }

    // Five full-width characters each: the amounts start in one column.
    void labelsLineUp()
    {
        const QFontMetrics metrics(m_ui->control<QPlainTextEdit>(form::userStatement)->font());
        const int width = metrics.horizontalAdvance(QStringLiteral("本体価格："));
        for (const char* label : { "　消費税：", "　手数料：", "請求金額：", "収益金額：" })
            QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8(label)), width);
    }

    void statements_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::addColumn<int>("price");
        QTest::addColumn<int>("tax");
        QTest::addColumn<int>("charged");
        QTest::addColumn<int>("commission");
        QTest::addColumn<int>("revenue");
        QTest::newRow("500") << "500" << 500 << 25 << 630 << 53 << 472;
        QTest::newRow("510, tax rounded up") << "510" << 510 << 26 << 641 << 54 << 482;
        QTest::newRow("1234") << "1234" << 1234 << 62 << 1401 << 130 << 1166;
        QTest::newRow("999") << "999" << 999 << 50 << 1154 << 105 << 944;
        QTest::newRow("15000") << "15000" << 15000 << 750 << 15855 << 1575 << 14175;
        QTest::newRow("leading zero") << "0500" << 500 << 25 << 630 << 53 << 472;
        QTest::newRow("full-width digits") << "１２3４" << 1234 << 62 << 1401 << 130 << 1166;
    }

    void statements()
    {
        QFETCH(QString, fee);
        QFETCH(int, price);
        QFETCH(int, tax);
        QFETCH(int, charged);
        QFETCH(int, commission);
        QFETCH(int, revenue);
        calculateFor(fee);
        QCOMPARE(test::shownTexts(), QStringList());
        const QStringList user { QStringLiteral("●利用者に請求される金額"), QStringLiteral("本体価格：%1円").arg(price),
            QStringLiteral("　消費税：%1円").arg(tax), QStringLiteral("　手数料：105円"), kRule,
            QStringLiteral("請求金額：%1円").arg(charged) };
        const QStringList author { QStringLiteral("●作者の方に支払われる金額"),
            QStringLiteral("本体価格：%1円").arg(price), QStringLiteral("　消費税：%1円").arg(tax),
            QStringLiteral("　手数料：%1円").arg(commission), kRule, QStringLiteral("収益金額：%1円").arg(revenue) };
        QCOMPARE(userBox().split('\n'), user);
        QCOMPARE(authorBox().split('\n'), author);
        // Each statement stands whole in its box, its last line included.
        for (const char* name : { form::userStatement, form::authorStatement }) {
            auto* box = m_ui->control<QPlainTextEdit>(name);
            QCOMPARE(box->verticalScrollBar()->maximum(), 0);
            QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
            QTextCursor end = box->textCursor();
            end.movePosition(QTextCursor::End);
            QVERIFY(box->viewport()->rect().contains(box->cursorRect(end)));
        }
        // The field keeps what the author typed, full-width digits as digits.
        QCOMPARE(this->fee()->text(), fee.normalized(QString::NormalizationForm_KC));

        // Pressing again replaces: still six lines each.
        m_ui->click(form::calculateButton);
        QCOMPARE(userBox().split('\n'), user);
        QCOMPARE(authorBox().split('\n'), author);
    }

    void refusalsKeepTheStatements_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageBox::Kind>("kind");
        QTest::newRow("empty") << QString() << kEmptyFee << MessageBox::Kind::Message;
        QTest::newRow("499") << "499" << kOutOfRange << MessageBox::Kind::Message;
        QTest::newRow("15001") << "15001" << kOutOfRange << MessageBox::Kind::Message;
        QTest::newRow("zero") << "0" << kOutOfRange << MessageBox::Kind::Message;
        QTest::newRow("eleven digits") << "12345678901" << QStringLiteral("'12345678901' は整数ではありません.")
                                       << MessageBox::Kind::Error;
    }

    void refusalsKeepTheStatements()
    {
        QFETCH(QString, fee);
        calculateFor(QStringLiteral("1234"));
        const QString user = userBox();
        const QString author = authorBox();
        calculateFor(fee);
        QFETCH(QString, message);
        QCOMPARE(test::shownTexts(), QStringList { message });
        QTEST(MessageBox::shown().front().kind, "kind");
        QCOMPARE(userBox(), user);
        QCOMPARE(authorBox(), author);
        QCOMPARE(this->fee()->text(), fee);
    }

    // One message per disallowed byte of the text at that change; the field
    // is emptied and the digits before the offending character go with it.
    void filter_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::newRow("letter typed after 12") << "type"
                                               << "12a" << 1;
        QTest::newRow("pasted 1a2b") << "paste"
                                     << "1a2b" << 2;
        QTest::newRow("full-width letter typed after a full-width digit") << "type"
                                                                          << "１Ａ" << 2;
        QTest::newRow("full-width digits typed") << "type"
                                                 << "１５００" << 0;
        QTest::newRow("full-width digits pasted") << "paste"
                                                  << "9０8" << 0;
        QTest::newRow("kana typed after 5") << "type"
                                            << "5あ" << 2;
        QTest::newRow("character outside CP932") << "type"
                                                 << "😀" << 1;
        QTest::newRow("pasted blank") << "paste"
                                      << " " << 1;
        QTest::newRow("digits only") << "paste"
                                     << "0123456789" << 0;
    }

    void filter()
    {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(int, messages);
        if (how == QLatin1String("paste"))
            test::pasteInto(fee(), text);
        else
            test::typeInto(fee(), text);
        QCoreApplication::processEvents();
        QCOMPARE(test::shownTexts(), QStringList(messages, kDigitsOnly));
        for (const MessageBox::Record& record : MessageBox::shown())
            QCOMPARE(record.kind, MessageBox::Kind::Message);
        QCOMPARE(fee()->text(), messages ? QString() : text.normalized(QString::NormalizationForm_KC));

        // The field takes digits again afterwards, where the cursor stands.
        MessageBox::clearShown();
        QTest::keyClick(fee(), Qt::Key_Home);
        test::typeInto(fee(), QStringLiteral("７"));
        QCOMPARE(test::shownTexts(), QStringList());
        QVERIFY(fee()->text().startsWith(QLatin1Char('7')));
        QCOMPARE(fee()->cursorPosition(), 1);
    }

    // The statements show the last calculation; the filter does not touch them.
    void filterLeavesTheStatements()
    {
        calculateFor(QStringLiteral("1000"));
        const QString user = userBox();
        test::typeInto(fee(), QStringLiteral("x"));
        QCOMPARE(fee()->text(), QString());
        QCOMPARE(userBox(), user);
    }
};

QTEST_MAIN(TestFeeCalculator)
#include "TestFeeCalculator.moc"
