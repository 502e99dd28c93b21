#include "GuiTestSupport.h"

#include "Fonts.h"
#include "FormNames.h"
#include "LoadDialog.h"
#include "widgets/ClickablePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QMap>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <QtMath>

using namespace tarvo;
using namespace tarvo::gui;

namespace {

// A widget's place in the tree under `root`, the same in two windows built alike.
QString pathOf(const QWidget* widget, const QWidget* root)
{
    QStringList steps;
    for (const QWidget* at = widget; at && at != root; at = at->parentWidget()) {
        const QObjectList siblings = at->parent()->children();
        steps.prepend(QStringLiteral("%1#%2").arg(QString::fromLatin1(at->metaObject()->className()),
            QString::number(siblings.indexOf(const_cast<QWidget*>(at)))));
    }
    return steps.join(QLatin1Char('/'));
}

QString fontOf(const QWidget* widget)
{
    const QFont font = widget->font();
    return QStringLiteral("%1 %2px%3")
        .arg(font.family(), QString::number(font.pixelSize()), font.bold() ? QStringLiteral(" bold") : QString());
}

// The font of every widget of the main window and of the load dialog.
QMap<QString, QString> fontsOfWindow()
{
    test::WindowUnderTest under;
    QMap<QString, QString> fonts;
    for (const QWidget* root :
        { static_cast<QWidget*>(&under.window()), static_cast<QWidget*>(&under.window().loadDialog()) })
        for (const QWidget* widget : root->findChildren<QWidget*>())
            fonts.insert(root->objectName() + QLatin1Char('/') + pathOf(widget, root), fontOf(widget));
    return fonts;
}

bool designedFontsPresent()
{
    return QFontInfo(windowFont()).family() == QStringLiteral("IPAPGothic");
}

} // namespace

class TestDesktopFonts : public QObject {
    Q_OBJECT

    const QFont m_desktopFont = QApplication::font();

private slots:
    void cleanup() { QApplication::setFont(m_desktopFont); }

    // A desktop's own font (GNOME's is larger) reaches no control of the window.
    void controlsKeepTheirFontsUnderALargeDesktopFont()
    {
        const QMap<QString, QString> designed = fontsOfWindow();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
        const QMap<QString, QString> underLargeFont = fontsOfWindow();
        QCOMPARE(underLargeFont.keys(), designed.keys());
        for (auto at = designed.cbegin(); at != designed.cend(); ++at)
            QVERIFY2(underLargeFont.value(at.key()) == at.value(),
                qPrintable(at.key() + QStringLiteral(": ") + underLargeFont.value(at.key())));
    }

    void controlsHaveTheirDesignedSizes()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
        test::WindowUnderTest under;
        const std::pair<const char*, const char*> cases[] = {
            { form::operatingSystems[0], "ＭＳ Ｐゴシック 12px" },
            { form::operatingSystems[5], "ＭＳ Ｐゴシック 12px" },
            { form::previewButton, "ＭＳ Ｐゴシック 12px bold" },
            { form::link(LinkId::OfficialSite), "ＭＳ Ｐゴシック 12px bold" },
            { form::softwareName, "ＭＳ Ｐゴシック 13px" },
            { form::otherOs, "ＭＳ Ｐゴシック 12px" },
            { form::userStatement, "ＭＳ ゴシック 13px" },
            { form::drives, "Arial 13px" },
            { form::pages, "ＭＳ Ｐゴシック 12px" },
        };
        for (const auto& [name, font] : cases)
            QCOMPARE(fontOf(under.control<QWidget>(name)), QString::fromUtf8(font));
        if (designedFontsPresent())
            QCOMPARE(under.window().size(), QSize(781, 442));
    }

    // The "?", "load" and "size" panels and the OS check boxes hold their
    // captions whole in the font they are drawn with; CTest runs this once more
    // under Noto Sans CJK, whose lines are taller. Captions in a row of boxes
    // stand apart from the next box.
    void captionsFitTheirPanelsAndBoxes()
    {
        test::WindowUnderTest under;
        for (int page = 0; page < 2; ++page) {
            under.showPage(page);
            const QList<ClickablePanel*> panels
                = under.control<QTabWidget>(form::pages)->widget(page)->findChildren<ClickablePanel*>();
            QVERIFY(panels.size() >= 7);
            for (const ClickablePanel* panel : panels) {
                const QSizeF text = QFontMetricsF(panel->font()).boundingRect(panel->text()).size();
                const QSize room = panel->contentsRect().size();
                QVERIFY2(room.width() >= text.width() && room.height() >= text.height(),
                    qPrintable(QStringLiteral("%1: %2 x %3 for %4 x %5")
                                   .arg(panel->objectName())
                                   .arg(room.width())
                                   .arg(room.height())
                                   .arg(text.width())
                                   .arg(text.height())));
            }
        }
        under.showPage(0);
        for (size_t i = 0; i < form::operatingSystems.size(); ++i) {
            const auto* box = under.control<QCheckBox>(form::operatingSystems[i]);
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            const QRectF text = QFontMetricsF(box->font()).boundingRect(box->text());
            QVERIFY2(contents.width() >= text.width() && box->height() >= text.height(), form::operatingSystems[i]);
            if (i % 3 == 2)
                continue;
            const auto* next = under.control<QCheckBox>(form::operatingSystems[i + 1]);
            const int gap = next->x() - (box->x() + contents.x() + qCeil(text.width()));
            QVERIFY2(gap >= contents.x() - box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box),
                form::operatingSystems[i]);
        }
    }

    // CTest runs this once more where Noto Sans CJK is the only font: its
    // lines are taller than the designed fonts'.
    void controlsDoNotOverlap()
    {
        test::WindowUnderTest under;
        MainWindow& window = under.window();
        QCOMPARE(window.minimumSize(), window.maximumSize());
        if (designedFontsPresent())
            QCOMPARE(window.size(), QSize(781, 442));
        else
            QVERIFY(window.width() >= 781 && window.height() >= 442);
        if (qEnvironmentVariableIsSet("TARVO_TEST_NOTO_ONLY"))
            QVERIFY(QFontInfo(windowFont()).family().startsWith(QStringLiteral("Noto Sans CJK")));
        auto* pages = under.control<QTabWidget>(form::pages);
        for (int page = 0; page < pages->count(); ++page) {
            under.showPage(page);
            QList<QWidget*> shown;
            for (QWidget* widget : pages->widget(page)->findChildren<QWidget*>())
                if (widget->isVisible() && !widget->isWindow())
                    shown.append(widget);
            for (int i = 0; i < shown.size(); ++i)
                for (int j = i + 1; j < shown.size(); ++j) {
                    const QWidget* a = shown[i];
                    const QWidget* b = shown[j];
                    if (a->isAncestorOf(b) || b->isAncestorOf(a))
                        continue;
                    const QRect overlap = QRect(a->mapTo(&window, QPoint()), a->size())
                                              .intersected(QRect(b->mapTo(&window, QPoint()), b->size()));
                    QVERIFY2(overlap.isEmpty(),
                        qPrintable(QStringLiteral("page %1: %2 and %3")
                                       .arg(page)
                                       .arg(pathOf(a, &window), pathOf(b, &window))));
                }
        }
    }
};

QTEST_MAIN(TestDesktopFonts)
#include "TestDesktopFonts.moc"
