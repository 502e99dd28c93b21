#include "WidgetImages.h"

#include <QTest>

class TestWidgetImages : public QObject {
    Q_OBJECT

private slots:
    void picturesAreBuiltInAtTheirSizes()
    {
        const std::pair<const char*, QSize> pictures[] = {
            { "banner.png", { 88, 31 } },
            { "desktop.png", { 16, 16 } },
            { "folder-open.png", { 16, 16 } },
            { "folder-current.png", { 16, 16 } },
            { "folder-closed.png", { 16, 16 } },
        };
        for (const auto& [name, size] : pictures)
            QCOMPARE(tarvo::gui::widgetImage(QString::fromLatin1(name)).size(), size);
        QVERIFY(tarvo::gui::widgetImage(QStringLiteral("no-such.png")).isNull());
    }
};

QTEST_MAIN(TestWidgetImages)
#include "TestWidgetImages.moc"
