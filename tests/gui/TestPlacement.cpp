#include "GuiTestSupport.h"
#include "WindowPlacement.h"

#include <QScreen>
#include <QTest>

using tarvo::gui::placedWithin;

namespace {

const QPoint kDesigned(190, 107);
// The window's 781 x 442 inside a frame of a few pixels and a title bar.
const QSize kFrame(785, 470);

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void placementRule()
    {
        struct Case {
            const char* screen;
            QRect area;
            QSize frame;
            QPoint placed;
        };
        const Case cases[] = {
            { "large", { 0, 0, 1920, 1040 }, kFrame, kDesigned },
            { "just large enough", { 0, 0, 975, 577 }, kFrame, kDesigned },
            { "one pixel short each way", { 0, 0, 974, 576 }, kFrame, { 189, 106 } },
            { "800 x 600", { 0, 0, 800, 600 }, kFrame, { 15, 107 } },
            { "bottom panel", { 0, 0, 1024, 560 }, kFrame, { 190, 90 } },
            { "top panel", { 0, 32, 1280, 700 }, kFrame, kDesigned },
            { "tall top panel", { 0, 120, 1280, 900 }, kFrame, { 190, 120 } },
            { "left dock on 800 x 600", { 48, 0, 752, 600 }, kFrame, { 48, 107 } },
            { "smaller than the frame", { 0, 0, 640, 480 }, kFrame, { 0, 10 } },
            { "much smaller", { 0, 0, 320, 240 }, kFrame, { 0, 0 } },
            { "right of the primary", { 1920, 0, 800, 600 }, kFrame, { 1920, 107 } },
            { "left of the primary", { -1024, 0, 1024, 768 }, kFrame, { -785, 107 } },
            { "window grown for larger fonts", { 0, 0, 800, 600 }, { 822, 524 }, { 0, 76 } },
        };
        for (const Case& c : cases)
            QVERIFY2(placedWithin(c.area, c.frame, kDesigned) == c.placed, c.screen);
    }

    // CTest runs this on screens of several sizes; TARVO_TEST_PLACEMENT says
    // whether the window fits at its designed position there.
    void windowOnThisScreen()
    {
        const QByteArray expected = qgetenv("TARVO_TEST_PLACEMENT");
        QVERIFY2(expected == "designed" || expected == "moved", "TARVO_TEST_PLACEMENT is designed or moved");
        tarvo::gui::test::WindowUnderTest under;
        QWidget& window = under.window();
        const QRect area = window.screen()->availableGeometry();
        QTRY_VERIFY2_WITH_TIMEOUT(
            area.contains(window.frameGeometry()), "the frame lies inside the available area", 5000);
        const QRect frame = window.frameGeometry();
        if (expected == "designed") {
            QCOMPARE(frame.topLeft(), kDesigned);
            return;
        }
        QVERIFY(frame.topLeft() != kDesigned);
        // Moved left or up only as far as the frame needs.
        QVERIFY(frame.x() == kDesigned.x() || (frame.x() < kDesigned.x() && frame.right() == area.right()));
        QVERIFY(frame.y() == kDesigned.y() || (frame.y() < kDesigned.y() && frame.bottom() == area.bottom()));
    }
};

QTEST_MAIN(TestPlacement)
#include "TestPlacement.moc"
