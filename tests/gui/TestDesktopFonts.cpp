#include "GuiTestSupport.h"

#include "gui/FormNames.h"
#include "gui/LoadDialog.h"
#include "gui/desktop/Fonts.h"
#include "gui/widgets/CaptionLabel.h"
#include "gui/widgets/ClickablePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QTabWidget>
#include <QTest>

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

// The texts whose font changed after they were set: each was laid out in a
// font it is not shown in.
class FontAfterText : public QObject {
public:
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FontChange)
            return false;
        QString text;
        if (const auto* label = qobject_cast<QLabel*>(watched))
            text = label->text();
        else if (const auto* button = qobject_cast<QAbstractButton*>(watched))
            text = button->text();
        else if (const auto* group = qobject_cast<QGroupBox*>(watched))
            text = group->title();
        if (!text.isEmpty())
            texts.append(text);
        return false;
    }
};

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

    // Every control is made in its page and takes its own font before its text.
    void noTextIsLaidOutBeforeItsFont()
    {
        FontAfterText watch;
        qApp->installEventFilter(&watch);
        const test::WindowUnderTest under;
        qApp->removeEventFilter(&watch);
        QVERIFY2(watch.texts.isEmpty(), qPrintable(watch.texts.join(QStringLiteral(" | "))));
    }

    void controlsHaveTheirDesignedSizes()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
        test::WindowUnderTest under;
        // The design's family by the name of what is drawn for it.
        const std::tuple<const char*, const char*, const char*> cases[] = {
            { form::operatingSystems[0], kProportionalGothic, " 12px" },
            { form::operatingSystems[5], kProportionalGothic, " 12px" },
            { form::previewButton, kProportionalGothic, " 12px bold" },
            { form::link(LinkId::OfficialSite), kProportionalGothic, " 12px bold" },
            { form::softwareName, kProportionalGothic, " 13px" },
            { form::otherOs, kProportionalGothic, " 12px" },
            { form::userStatement, kFixedGothic, " 13px" },
            { form::drives, kArial, " 13px" },
            { form::pages, kProportionalGothic, " 12px" },
        };
        for (const auto& [name, family, size] : cases)
            QCOMPARE(fontOf(under.control<QWidget>(name)), test::drawnFamily(family) + QString::fromUtf8(size));
        if (designedFontsPresent())
            QCOMPARE(under.window().size(), QSize(781, 442));
    }

    // The "?", "load" and "size" panels hold their captions' bounding
    // rectangles in the font they are drawn with, and "Windows3.1" and
    // "Windows2000" end before the next box; CTest runs this once more under
    // Noto Sans CJK, whose lines are taller.
    void captionsFitTheirPanelsAndBoxes()
    {
        test::WindowUnderTest under;
        under.showPage(1);
        under.showPage(0);
        for (const ClickablePanel* panel : under.window().findChildren<ClickablePanel*>()) {
            const QSizeF text = QFontMetricsF(panel->font()).boundingRect(panel->text()).size();
            const QRect room = panel->contentsRect();
            QVERIFY2(room.width() >= text.width() && room.height() >= text.height(), qPrintable(panel->objectName()));
        }
        for (const size_t box : { 0, 4 }) {
            const auto* shown = under.control<QCheckBox>(form::operatingSystems[box]);
            QVERIFY(
                under.control<QWidget>(form::operatingSystems[box + 1])->x() > shown->x() + shown->sizeHint().width());
        }
    }

    // Every measure a layout asks of a caption is QLabel's own, in each
    // shape (plain, wrapped, aligned, with margins, a minimum width, a frame,
    // rich text) and after each change of the text, the font or the wrapping.
    void captionsMeasureAsQLabel()
    {
        using Step = void (*)(QLabel&);
        const Step shapes[] = { [](QLabel&) {}, [](QLabel& label) { label.setWordWrap(true); },
            [](QLabel& label) { label.setAlignment(Qt::AlignRight | Qt::AlignBottom); },
            [](QLabel& label) { label.setContentsMargins(3, 1, 5, 2); },
            [](QLabel& label) { label.setMinimumWidth(300); }, [](QLabel& label) { label.setMargin(4); },
            [](QLabel& label) { label.setFrameStyle(QFrame::Box); },
            [](QLabel& label) { label.setTextFormat(Qt::RichText); } };
        const Step changes[]
            = { [](QLabel& label) { label.setText(QStringLiteral("●1行見出し(ソフトの簡単な説明1行だけ)")); },
                  [](QLabel& label) {
                      label.setText(QStringLiteral("自動改行するので、行を変えたい時だけ改行して下さい。\tTab."));
                  },
                  [](QLabel& label) { label.setFont(pixelFont(kProportionalGothic, kLargerTextSize)); },
                  [](QLabel& label) { label.setWordWrap(!label.wordWrap()); },
                  [](QLabel& label) { label.setText(QStringLiteral("A\nB")); } };
        for (const Step shape : shapes) {
            QLabel plain;
            CaptionLabel caption;
            shape(plain);
            shape(caption);
            for (const Step change : changes) {
                change(plain);
                change(caption);
                QCOMPARE(caption.sizeHint(), plain.sizeHint());
                QCOMPARE(caption.minimumSizeHint(), plain.minimumSizeHint());
                for (const int width : { 0, 27, 256, 256, 2000 })
                    QCOMPARE(caption.heightForWidth(width), plain.heightForWidth(width));
            }
        }
    }

    // The OS boxes have the narrow geometry of their designed style sheet:
    // the same size, and the same pixels checked and unchecked.
    void osBoxesLookAsDesigned()
    {
        test::WindowUnderTest under;
        under.window().show();
        QWidget holder;
        for (const char* name : form::operatingSystems) {
            auto* box = under.control<QCheckBox>(name);
            QCheckBox designed(box->text(), &holder);
            designed.setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
            designed.setFont(windowFont());
            QCOMPARE(box->sizeHint(), designed.sizeHint());
            designed.resize(box->size());
            for (const bool checked : { false, true }) {
                box->setChecked(checked);
                designed.setChecked(checked);
                QVERIFY2(box->grab().toImage() == designed.grab().toImage(), name);
            }
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
