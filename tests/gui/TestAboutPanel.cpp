#include "GuiTestSupport.h"
#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Fonts.h"
#include "gui/pages/AboutPanel.h"

#include "core/guidance/AboutTexts.h"
#include "core/guidance/WebLinks.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using tarvo::LinkId;
using tarvo::gui::AboutPanel;
namespace form = tarvo::gui::form;

namespace {

// The extent of the pixels that match within a part of the picture. Text is
// drawn smoothed, so colours are told apart by their character, not exactly.
using PixelTest = bool (*)(const QColor&);

QRect extentOf(const QImage& image, PixelTest matches, const QRect& area)
{
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (matches(image.pixelColor(x, y)))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

bool yellowish(const QColor& c)
{
    return c.red() > 230 && c.green() > 230 && c.blue() < 60;
}
bool greenish(const QColor& c)
{
    return c.green() > 100 && c.red() < 60 && c.blue() < 60;
}
bool maroonish(const QColor& c)
{
    return c.red() > 100 && c.green() < 60 && c.blue() < 60;
}
bool navyish(const QColor& c)
{
    return c.blue() > 100 && c.red() < 60 && c.green() < 60;
}
bool whitish(const QColor& c)
{
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}
bool blackish(const QColor& c)
{
    return c.red() < 50 && c.green() < 50 && c.blue() < 50;
}

int pixelCount(const QImage& image, const QRect& area, PixelTest matches)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// Pixels of `first` with a pixel of `second` right beside them, `step` away.
int adjacentPairs(const QImage& image, const QRect& area, PixelTest first, PixelTest second, QPoint step)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (first(image.pixelColor(x, y)) && second(image.pixelColor(QPoint(x, y) + step)))
                ++count;
    return count;
}

const QColor yellow(0xFF, 0xFF, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor maroon(0x80, 0x00, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor black(0x00, 0x00, 0x00);

} // namespace

class TestAboutPanel : public QObject {
    Q_OBJECT

private:
    QImage rendered(AboutPanel& panel)
    {
        QImage image(panel.size(), QImage::Format_RGB32);
        image.fill(QColor(0xD4, 0xD0, 0xC8));
        panel.render(&image, {}, {}, QWidget::DrawChildren);
        return image;
    }

private slots:
    void layoutTableIsTheDesign()
    {
        const tarvo::AboutTexts& texts = tarvo::aboutTexts();
        const QList<AboutPanel::DrawnText> drawn = AboutPanel::drawnTexts();
        QCOMPARE(drawn.size(), 6);
        struct Row {
            std::string text;
            QPoint front;
            QColor frontColour;
            std::optional<QColor> shadowColour;
            QPoint shadow;
            int pixels;
            bool italic;
            bool bold;
        };
        const Row rows[] = {
            { texts.title, { 5, 5 }, yellow, black, { 5, 8 }, 32, true, false },
            { texts.subtitle, { 65, 48 }, green, black, { 64, 48 }, 15, false, false },
            { texts.mailLine, { 104, 78 }, maroon, std::nullopt, {}, 13, false, true },
            { texts.newestVersion, { 128, 110 }, navy, std::nullopt, {}, 13, false, false },
            { texts.studio, { 142, 128 }, navy, white, { 144, 128 }, 19, true, false },
            { texts.presentedBy, { 231, 152 }, green, black, { 232, 152 }, 12, false, false },
        };
        for (int i = 0; i < drawn.size(); ++i) {
            const Row& row = rows[i];
            QCOMPARE(drawn[i].text, QString::fromStdString(row.text));
            QCOMPARE(drawn[i].frontAt, row.front);
            QCOMPARE(drawn[i].front, row.frontColour);
            QCOMPARE(drawn[i].shadow, row.shadowColour);
            if (row.shadowColour)
                QCOMPARE(drawn[i].shadowAt, row.shadow);
            QCOMPARE(drawn[i].font.pixelSize(), row.pixels);
            QCOMPARE(drawn[i].font.italic(), row.italic);
            QCOMPARE(drawn[i].font.bold(), row.bold);
            QCOMPARE(drawn[i].font.families().front(),
                tarvo::gui::test::drawnFamily(row.italic ? tarvo::gui::kCentury : tarvo::gui::kProportionalGothic));
        }
        QCOMPARE(drawn[0].text, QStringLiteral("Tarvo Registration System"));
        QCOMPARE(drawn[4].text, QStringLiteral("Velmo Studio "));
    }

    void panelAndHomePageLink()
    {
        AboutPanel panel;
        QCOMPARE(panel.objectName(), QString::fromLatin1(form::aboutPanel));
        QCOMPARE(panel.size(), QSize(417, 169));
        auto* link = panel.findChild<QLabel*>(QString::fromLatin1(form::link(LinkId::HomePageInAbout)));
        QVERIFY(link);
        QCOMPARE(link->text(), QString::fromStdString(tarvo::homePageCaption()));
        QVERIFY(!link->text().contains(QStringLiteral("://")));
        QCOMPARE(link->pos(), QPoint(128, 94));
        QVERIFY(link->font().bold());
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pixelSize(), 13);
        QCOMPARE(link->palette().color(QPalette::WindowText), navy);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->width() <= AboutPanel::kFrame.right() - 128);
    }

    void onlyTheLinkReactsToClicks()
    {
        AboutPanel panel;
        QSignalSpy clicked(&panel, &AboutPanel::homePageClicked);
        for (const QPoint at : { QPoint(20, 20), QPoint(100, 55), QPoint(120, 82), QPoint(150, 115), QPoint(250, 158) })
            QTest::mouseClick(&panel, Qt::LeftButton, {}, at);
        QCOMPARE(clicked.count(), 0);
        auto* link = panel.findChild<QLabel*>(QString::fromLatin1(form::link(LinkId::HomePageInAbout)));
        QTest::mouseClick(link, Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void shadowsLieBehindTheirFrontCopies()
    {
        AboutPanel panel;
        const QImage image = rendered(panel);
        struct Case {
            const char* text;
            QRect area;
            PixelTest front;
            PixelTest shadow;
            QPoint towardsShadow;
        };
        const Case cases[] = {
            { "title", { 2, 2, 413, 44 }, yellowish, blackish, { 0, 1 } },
            { "subtitle", { 60, 47, 350, 18 }, greenish, blackish, { -1, 0 } },
            { "studio", { 138, 127, 150, 22 }, navyish, whitish, { 1, 0 } },
            { "presented by", { 228, 150, 185, 16 }, greenish, blackish, { 1, 0 } },
        };
        // Where the shadow peeks out, it does so on its own side of the strokes.
        for (const Case& c : cases) {
            const int onShadowSide = adjacentPairs(image, c.area, c.front, c.shadow, c.towardsShadow);
            const int opposite = adjacentPairs(image, c.area, c.front, c.shadow, -c.towardsShadow);
            QVERIFY2(onShadowSide > 5 && onShadowSide > 4 * opposite, c.text);
            // The front copy goes down last, so it covers most of the shadow.
            QVERIFY2(pixelCount(image, c.area, c.front) > pixelCount(image, c.area, c.shadow), c.text);
        }

        // The mail line in maroon and the newest-version line in navy, within the frame.
        const QRect mail = extentOf(image, maroonish, AboutPanel::kFrame);
        QVERIFY(mail.isValid() && mail.top() >= 78 && mail.bottom() < 94);
        QVERIFY(mail.left() >= 104 && mail.left() < 110);
        const QRect newest = extentOf(image, navyish, QRect(70, 110, 270, 16));
        QVERIFY(newest.isValid() && newest.left() >= 128 && newest.left() < 134);
    }

    void bevelIsDarkAboveAndLightBelow()
    {
        AboutPanel panel;
        const QImage image = rendered(panel);
        const QRect frame = AboutPanel::kFrame;
        QCOMPARE(frame, QRect(69, 75, 272, 52));
        const QColor dark(0x80, 0x80, 0x80);
        QCOMPARE(image.pixelColor(frame.left(), frame.top() + 20), dark);
        QCOMPARE(image.pixelColor(frame.left() + 20, frame.top()), dark);
        QCOMPARE(image.pixelColor(frame.right(), frame.top() + 20), white);
        QCOMPARE(image.pixelColor(frame.left() + 20, frame.bottom()), white);
        QVERIFY(image.pixelColor(frame.right() + 1, frame.top() + 20) != white);
    }
};

QTEST_MAIN(TestAboutPanel)
#include "TestAboutPanel.moc"
