#include "GuiTestSupport.h"

#include "gui/HandlerGuard.h"
#include "gui/MessageBox.h"
#include "gui/QtText.h"

#include "core/Outcome.h"
#include "core/errors/RuntimeError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>

using namespace tarvo::gui;
using tarvo::gui::test::whenMessageBoxShows;
using Kind = MessageBox::Kind;
using Answer = MessageBox::Answer;

Q_DECLARE_METATYPE(MessageBox::Kind)
Q_DECLARE_METATYPE(MessageBox::Answer)
Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace {

const QString kAppTitle = QStringLiteral("Tarvo Registration System");
const QString kOk = QStringLiteral("OK");
const QString kYes = QStringLiteral("はい(&Y)");
const QString kNo = QStringLiteral("いいえ(&N)");

Answer askOfKind(Kind kind, const QString& text, Answer onEnter = Answer::Yes)
{
    switch (kind) {
    case Kind::Message:
        MessageBox::message(nullptr, text);
        return Answer::Ok;
    case Kind::Question:
        return MessageBox::question(nullptr, text, onEnter);
    case Kind::Confirmation:
        return MessageBox::confirm(nullptr, text);
    case Kind::Error:
        break;
    }
    MessageBox::error(nullptr, text);
    return Answer::Ok;
}

// What a real box showed, taken while it was up.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
    Qt::WindowModality modality = Qt::NonModal;
    QPoint centre;
};

SeenBox look(QMessageBox* box)
{
    SeenBox seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    // In the order they stand, left to right.
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    for (QAbstractButton* button : buttons)
        seen.buttons.append(button->text());
    seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
    seen.escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
    seen.modality = box->windowModality();
    seen.centre = box->frameGeometry().center();
    return seen;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::clearShown();
        MessageBox::clearNextAnswers();
    }

    void realBoxLooksAsSpecified_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<QString>("escapeButton");
        QTest::newRow("plain message") << Kind::Message << kAppTitle << QMessageBox::NoIcon << QStringList { kOk }
                                       << kOk << kOk;
        QTest::newRow("plain question") << Kind::Question << kAppTitle << QMessageBox::NoIcon
                                        << QStringList { kYes, kNo } << kYes << kNo;
        // Where "はい" would lose what the author has, Enter keeps it.
        QTest::newRow("question keeping on Enter")
            << Kind::Question << kAppTitle << QMessageBox::NoIcon << QStringList { kYes, kNo } << kNo << kNo;
        QTest::newRow("confirmation") << Kind::Confirmation << QStringLiteral("確認") << QMessageBox::Question
                                      << QStringList { kYes, kNo } << kYes << kNo;
        QTest::newRow("application error")
            << Kind::Error << kAppTitle << QMessageBox::Critical << QStringList { kOk } << kOk << kOk;
    }

    // No hook: the real QMessageBox comes up, is inspected and answered by Enter,
    // which presses the default button.
    void realBoxLooksAsSpecified()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, title);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(QString, escapeButton);

        SeenBox seen;
        whenMessageBoxShows([&seen](QMessageBox* box) {
            seen = look(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        // Shown as plain text: a file name may hold what looks like markup.
        const QString text = QStringLiteral("ファイル <b>x</b> は開けません.");
        const Answer answer = askOfKind(kind, text, defaultButton == kNo ? Answer::No : Answer::Yes);

        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, icon);
        QCOMPARE(seen.buttons, buttons);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(seen.escapeButton, escapeButton);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((seen.centre - screenCentre).manhattanLength() <= 2, "the box is not centred on the screen");
        QCOMPARE(answer, buttons.size() == 2 ? (defaultButton == kYes ? Answer::Yes : Answer::No) : Answer::Ok);
        // The record says what the box showed; a hooked box is recorded alike.
        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBox::Record& record = MessageBox::shown().front();
        QCOMPARE(record.kind, kind);
        QCOMPARE(record.title, title);
        QCOMPARE(record.icon, icon);
        QCOMPARE(record.buttons, buttons);
    }

    void questionAnswers_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Answer>("answer");
        for (Kind kind : { Kind::Question, Kind::Confirmation }) {
            const char* name = kind == Kind::Question ? "question" : "confirmation";
            QTest::addRow("%s, Esc", name) << kind << "escape" << Answer::No;
            QTest::addRow("%s, close box", name) << kind << "close" << Answer::No;
            QTest::addRow("%s, click No", name) << kind << "no" << Answer::No;
            QTest::addRow("%s, click Yes", name) << kind << "yes" << Answer::Yes;
            QTest::addRow("%s, Alt+N", name) << kind << "alt-n" << Answer::No;
        }
    }

    // Any answer but Yes counts as No.
    void questionAnswers()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, how);
        whenMessageBoxShows([how](QMessageBox* box) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (how == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (how == QLatin1String("close"))
                box->close();
            else if (how == QLatin1String("alt-n"))
                QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
            else
                QTest::mouseClick(buttons.at(how == QLatin1String("yes") ? 0 : 1), Qt::LeftButton);
        });
        QFETCH(Answer, answer);
        QCOMPARE(askOfKind(kind, QStringLiteral("上書きしますか？")), answer);
    }

    // An answer the box ignores leaves it open: the helper closes it within its
    // bound and says so, so that exec() returns and the test fails, not hangs.
    void boxLeftOpenIsClosedAndReported()
    {
        QElapsedTimer waited;
        waited.start();
        const auto outcome = whenMessageBoxShows(
            [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Z); }, { .closedWithinMs = 300, .failTest = false });
        QCOMPARE(askOfKind(Kind::Question, QStringLiteral("上書きしますか？")), Answer::No);
        QCOMPARE_LT(waited.elapsed(), 5000);
        QVERIFY(outcome->inspected);
        QVERIFY(outcome->failure.startsWith(QStringLiteral("the message box was still open 300 ms")));
    }

    // The test hook answers without showing, one box per call, and every box is
    // recorded with what it would have shown.
    void hookAnswersAndRecords()
    {
        MessageBox::setNextAnswer(Answer::Ok);
        MessageBox::setNextAnswer(Answer::Yes);
        MessageBox::setNextAnswer(Answer::No);
        MessageBox::setNextAnswer(Answer::Ok);
        MessageBox::message(nullptr, QStringLiteral("一"));
        QCOMPARE(MessageBox::question(nullptr, QStringLiteral("二")), Answer::Yes);
        QCOMPARE(MessageBox::confirm(nullptr, QStringLiteral("三")), Answer::No);
        MessageBox::error(nullptr, QStringLiteral("四"));

        QList<Kind> kinds;
        for (const MessageBox::Record& record : MessageBox::shown())
            kinds.append(record.kind);
        QCOMPARE(kinds, (QList<Kind> { Kind::Message, Kind::Question, Kind::Confirmation, Kind::Error }));
        QCOMPARE(test::shownTexts(), (QStringList { "一", "二", "三", "四" }));
    }

    void guardShowsTheErrorBoxWithTheFullStopRule_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("open error gets a full stop") << 0 << QStringLiteral("ファイル category.dat は開けません.");
        QTest::newRow("conversion error gets a full stop") << 1 << QStringLiteral("'' は整数ではありません.");
        QTest::newRow("index error ends in a parenthesis")
            << 2 << QStringLiteral("リストのインデックスが範囲を超えています (-1)");
    }

    // A run-time failure ends the handler at that point; what it changed before
    // stays changed, and the guard reports the failure.
    void guardShowsTheErrorBoxWithTheFullStopRule()
    {
        QFETCH(int, failure);
        MessageBox::setNextAnswer(Answer::Ok);
        int steps = 0;
        const bool completed = runGuarded(nullptr, [&steps, failure] {
            ++steps;
            switch (failure) {
            case 0:
                throw tarvo::RuntimeError::cannotOpen("category.dat");
            case 1:
                throw tarvo::RuntimeError::notAnInteger("");
            default:
                throw tarvo::RuntimeError::indexOutOfRange(-1);
            }
        });
        QVERIFY(!completed);
        QCOMPARE(steps, 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().front().kind, Kind::Error);
        QFETCH(QString, boxText);
        QCOMPARE(MessageBox::shown().front().text, boxText);
    }

    void outcomeGetsItsBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("boxKind");
        const QString success = QStringLiteral("テキスト文書の作成に成功しました！");
        const QString refused = QStringLiteral("処理は中断されました！");
        QTest::newRow("success says its message")
            << int(tarvo::Outcome::Kind::Success) << success << QStringList { success } << int(Kind::Message);
        QTest::newRow("success with nothing to say shows no box")
            << int(tarvo::Outcome::Kind::Success) << QString() << QStringList {} << int(Kind::Message);
        QTest::newRow("refusal is a plain message")
            << int(tarvo::Outcome::Kind::Refused) << refused << QStringList { refused } << int(Kind::Message);
        QTest::newRow("failure is the error box with its full stop")
            << int(tarvo::Outcome::Kind::Failed) << QStringLiteral("'' は整数ではありません")
            << QStringList { QStringLiteral("'' は整数ではありません.") } << int(Kind::Error);
    }

    void outcomeGetsItsBox()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QStringList, boxes);
        QFETCH(int, boxKind);
        MessageBox::setDefaultAnswer(Answer::Ok);
        showOutcome(nullptr, { tarvo::Outcome::Kind(kind), message.toStdString() });
        QCOMPARE(test::shownTexts(), boxes);
        if (!boxes.isEmpty())
            QCOMPARE(int(MessageBox::shown().front().kind), boxKind);
    }

    void guardIsSilentWhenTheHandlerSucceeds()
    {
        bool ran = false;
        QVERIFY(runGuarded(nullptr, [&ran] { ran = true; }));
        QVERIFY(ran);
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(TestMessageBox)
#include "TestMessageBox.moc"
