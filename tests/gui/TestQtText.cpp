#include "gui/QtText.h"

#include <QTest>

using namespace tarvo::gui;

class TestQtText : public QObject {
    Q_OBJECT

private slots:
    void firstUnrepresentable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        const QString emoji = QStringLiteral("😀");
        QTest::newRow("plain Japanese") << QStringLiteral("山川 ｱｲｳ①～") << QString();
        QTest::newRow("emoji") << ("ab" + emoji) << emoji;
        QTest::newRow("the first of two") << QStringLiteral("한") + emoji << QStringLiteral("한");
        // A lone surrogate would reach CP932 as "?", which it can hold.
        QTest::newRow("lone high surrogate") << ("a" + emoji.left(1) + "b") << emoji.left(1);
        QTest::newRow("lone low surrogate") << emoji.right(1) << emoji.right(1);
        QTest::newRow("unrepresentable before a lone surrogate")
            << (QStringLiteral("한") + emoji.left(1)) << QStringLiteral("한");
    }

    void firstUnrepresentable()
    {
        QFETCH(QString, text);
        QTEST(tarvo::gui::firstUnrepresentable(text), "first");
    }

    void roundTrip()
    {
        const QString text = QStringLiteral("ソフト表\\～");
        QCOMPARE(fromCp932(toCp932(text)), text);
    }
};

QTEST_MAIN(TestQtText)
#include "TestQtText.moc"
