#include "gui/desktop/WidgetImages.h"

#include <QGuiApplication>
#include <QTest>

using tarvo::gui::widgetImage;

namespace {

const std::pair<QString, QSize> kPictures[] = {
    { QStringLiteral("banner.png"), { 88, 31 } },
    { QStringLiteral("desktop.png"), { 16, 16 } },
    { QStringLiteral("folder-open.png"), { 16, 16 } },
    { QStringLiteral("folder-current.png"), { 16, 16 } },
    { QStringLiteral("folder-closed.png"), { 16, 16 } },
};

} // namespace

class TestWidgetImages : public QObject {
    Q_OBJECT

private slots:
    // Any ratio above 1 gets the double-size drawing; the logical size, which
    // the layouts are made for, never changes.
    void picturesAtEachRatio()
    {
        for (const qreal ratio : { 1.0, 1.5, 2.0 }) {
            const int scale = ratio > 1 ? 2 : 1;
            for (const auto& [name, size] : kPictures) {
                const QPixmap image = widgetImage(name, ratio);
                QCOMPARE(image.size(), size * scale);
                QCOMPARE(image.devicePixelRatio(), qreal(scale));
            }
        }
        QVERIFY(widgetImage(QStringLiteral("no-such.png"), 2).isNull());
    }

    // CTest runs this once more with QT_SCALE_FACTOR=2.
    void picturesFollowTheApplicationsRatio()
    {
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(qGuiApp->devicePixelRatio(), ratio);
        for (const auto& [name, size] : kPictures)
            QCOMPARE(widgetImage(name).devicePixelRatio(), ratio);
    }
};

QTEST_MAIN(TestWidgetImages)
#include "TestWidgetImages.moc"
