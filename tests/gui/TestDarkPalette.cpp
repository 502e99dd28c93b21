#include "GuiTestSupport.h"

#include "gui/FormNames.h"
#include "gui/desktop/Colours.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

using namespace tarvo;
using namespace tarvo::gui;

namespace {

struct Shown {
    const char* name;
    int page;
};

// The navy texts: the instruction under the preview button, the six site
// links and the home-page link inside the about panel.
const Shown kNavyTexts[] = { { form::previewNote, 0 }, { form::link(LinkId::OfficialSite), 2 },
    { form::link(LinkId::ReplaceSubmission), 2 }, { form::link(LinkId::AuthorRegistration), 2 },
    { form::link(LinkId::AuthorPassword), 2 }, { form::link(LinkId::SharewareRegistration), 2 },
    { form::link(LinkId::SharewareAuthorInfo), 2 }, { form::link(LinkId::HomePageInAbout), 2 } };

const QColor kButtonFace(0xD4, 0xD0, 0xC8);

QPalette darkPalette(const QColor& window, const QColor& link)
{
    QPalette palette(window);
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, QColor(0xEE, 0xEE, 0xEC));
    palette.setColor(QPalette::Base, window.darker(120));
    palette.setColor(QPalette::Link, link);
    return palette;
}

// The colour that fills most of a rectangle of the picture: what lies behind
// a text drawn there.
QColor mostCommonColour(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb common = 0;
    for (auto at = counts.cbegin(); at != counts.cend(); ++at)
        if (at.value() > counts.value(common))
            common = at.key();
    return QColor(common);
}

// Each navy text's colour and the colour behind it, as the window draws them.
QList<std::pair<QColor, QColor>> textsAndBackgrounds(const test::WindowUnderTest& under)
{
    QList<std::pair<QColor, QColor>> seen;
    for (const Shown& shown : kNavyTexts) {
        under.showPage(shown.page);
        const QImage image = under.window().grab().toImage();
        const auto* label = under.control<QLabel>(shown.name);
        const QRect area(label->mapTo(&under.window(), QPoint()), label->size());
        seen.append({ label->palette().color(QPalette::WindowText), mostCommonColour(image, area) });
    }
    return seen;
}

// Along its top edge, where it runs over the face of a panel or of the page
// around a link, the focus frame stands out from that face at least 3:1.
void checkFocusFrames(const test::WindowUnderTest& under)
{
    for (const Shown shown : { Shown { form::loadPanel, 0 }, Shown { form::helpPanel(HelpTopic::Notes), 0 },
             Shown { form::link(LinkId::OfficialSite), 2 } }) {
        under.showPage(shown.page);
        auto* widget = under.control<QWidget>(shown.name);
        const QRect edge(widget->mapTo(&under.window(), QPoint(1, 1)), QSize(widget->width() - 2, 1));
        const QImage before = under.window().grab().toImage().copy(edge);
        widget->setFocus(Qt::TabFocusReason);
        const QImage after = under.window().grab().toImage().copy(edge);
        const QColor face = mostCommonColour(before, before.rect());
        for (int x = 0; x < edge.width(); ++x)
            QVERIFY2(QColor(before.pixel(x, 0)) != face || contrastRatio(after.pixel(x, 0), face) >= 3.0, shown.name);
    }
}

} // namespace

class TestDarkPalette : public QObject {
    Q_OBJECT

    const QPalette m_light = QApplication::style()->standardPalette();

private slots:
    void cleanup() { QApplication::setPalette(m_light); }

    void contrastRatios()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(contrastRatio(kNavy, kNavy), 1.0);
        // Mid grey on white sits just below the readable contrast.
        QVERIFY(qAbs(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
        QVERIFY(!isDark(m_light));
        QVERIFY(isDark(darkPalette(QColor(0x31, 0x36, 0x3B), QColor(0x29, 0x80, 0xB9))));
    }

    void lightPaletteKeepsTheDesignedColours()
    {
        QApplication::setPalette(m_light);
        test::WindowUnderTest under;
        for (const auto& [text, background] : textsAndBackgrounds(under))
            QCOMPARE(text, kNavy);
        checkFocusFrames(under);
        // The about panel lies open on the page.
        const QImage image = under.window().grab().toImage();
        const QWidget* panel = under.control<QWidget>(form::aboutPanel);
        QCOMPARE(mostCommonColour(image, QRect(panel->mapTo(&under.window(), QPoint(2, 2)), QSize(60, 60))),
            mostCommonColour(
                image, QRect(panel->mapTo(&under.window(), QPoint(0, panel->height() + 2)), QSize(60, 4))));
    }

    void darkPalettesKeepTheTextsReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("fromTheStart");
        // One whose link colour reads on its window, one whose link colour does not.
        const QPalette readableLink = darkPalette(QColor(0x24, 0x24, 0x24), QColor(0x8A, 0xB4, 0xF8));
        const QPalette darkLink = darkPalette(QColor(0x31, 0x36, 0x3B), QColor(0x29, 0x80, 0xB9));
        QTest::newRow("readable link colour") << readableLink << true;
        QTest::newRow("dark link colour") << darkLink << true;
        QTest::newRow("dark link colour, switched to while open") << darkLink << false;
    }

    void darkPalettesKeepTheTextsReadable()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, fromTheStart);
        if (fromTheStart)
            QApplication::setPalette(palette);
        test::WindowUnderTest under;
        if (!fromTheStart)
            QApplication::setPalette(palette);
        int index = 0;
        for (const auto& [text, background] : textsAndBackgrounds(under)) {
            const char* name = kNavyTexts[index++].name;
            QVERIFY2(contrastRatio(text, background) >= kReadableContrast,
                qPrintable(
                    QString::asprintf("%s: %s on %s", name, qPrintable(text.name()), qPrintable(background.name()))));
        }
        checkFocusFrames(under);
        // The about panel brings the face its coloured texts were drawn on.
        const QImage image = under.window().grab().toImage();
        const QWidget* panel = under.control<QWidget>(form::aboutPanel);
        QCOMPARE(mostCommonColour(image, QRect(panel->mapTo(&under.window(), QPoint()), panel->size())), kButtonFace);
        QCOMPARE(
            under.control<QLabel>(form::link(LinkId::HomePageInAbout))->palette().color(QPalette::WindowText), kNavy);

        // And back to the designed colours on a light palette.
        QApplication::setPalette(m_light);
        for (const auto& [text, background] : textsAndBackgrounds(under))
            QCOMPARE(text, kNavy);
    }
};

QTEST_MAIN(TestDarkPalette)
#include "TestDarkPalette.moc"
