#include "GuiTestSupport.h"

#include "gui/desktop/DesktopIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The desktop entry the build made for installing, and the icons packaged beside it.
static const QDir kEntryFolder(QStringLiteral(TARVO_TEST_DESKTOP_ENTRY_DIR));
static const QDir kIcons(QStringLiteral(TARVO_TEST_ICON_DIR));

class TestDesktopIdentity : public QObject {
    Q_OBJECT

private slots:
    // With no theme at hand the window still gets the packaged pictures, every size of them.
    void builtInIconWhereNoThemeHasIt()
    {
        QTemporaryDir noThemes;
        QIcon::setThemeSearchPaths({ noThemes.path() });
        tarvo::gui::applyDesktopIdentity(*qApp);

        // Both lists are in the order of the file names, which the built-in copies keep.
        QList<QSize> packaged;
        for (const QString& name : kIcons.entryList({ QStringLiteral("*.png") }))
            packaged.append(QImageReader(kIcons.filePath(name)).size());
        QVERIFY(!packaged.isEmpty());
        QCOMPARE(qApp->windowIcon().availableSizes(), packaged);
    }

    // An installed theme icon, under the name the desktop entry gives, comes first.
    void themeIconNamedByTheDesktopEntry()
    {
        TARVO_QSKIP_UNLESS_LINUX_DESKTOP();
        tarvo::gui::applyDesktopFileName();
        QCOMPARE(kEntryFolder.entryList({ QStringLiteral("*.desktop") }),
            QStringList { QGuiApplication::desktopFileName() + QStringLiteral(".desktop") });
        QFile entry(kEntryFolder.filePath(QGuiApplication::desktopFileName() + QStringLiteral(".desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString name = QRegularExpression(QStringLiteral("^Icon=(.+)$"), QRegularExpression::MultilineOption)
                                 .match(QString::fromUtf8(entry.readAll()))
                                 .captured(1);
        QVERIFY(!name.isEmpty());

        QTemporaryDir themes;
        const QDir hicolor(themes.filePath(QStringLiteral("hicolor")));
        QVERIFY(hicolor.mkpath(QStringLiteral("48x48/apps")));
        QFile index(hicolor.filePath(QStringLiteral("index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\n");
        index.close();
        QVERIFY(QFile::copy(kIcons.filePath(QStringLiteral("48x48.png")),
            hicolor.filePath(QStringLiteral("48x48/apps/%1.png").arg(name))));
        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
        tarvo::gui::applyDesktopIdentity(*qApp);
        QCOMPARE(qApp->windowIcon().name(), name);
    }
};

QTEST_MAIN(TestDesktopIdentity)
#include "TestDesktopIdentity.moc"
