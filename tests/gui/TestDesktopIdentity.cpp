#include "DesktopIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// The one desktop entry the build made for installing.
QString desktopEntry()
{
    const QDir folder(QStringLiteral(TARVO_TEST_DESKTOP_ENTRY_DIR));
    const QStringList entries = folder.entryList({ QStringLiteral("*.desktop") }, QDir::Files);
    return entries.size() == 1 ? folder.filePath(entries.first()) : QString();
}

QString iconOfEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("Icon="))
            return QString::fromUtf8(line.mid(5));
    }
    return {};
}

QList<QSize> byWidth(QList<QSize> sizes)
{
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    return sizes;
}

} // namespace

class TestDesktopIdentity : public QObject {
    Q_OBJECT

private slots:
    // With no theme at hand the window still gets the packaged pictures, every size of them.
    void builtInIconWhereNoThemeHasIt()
    {
        QTemporaryDir noThemes;
        QIcon::setThemeSearchPaths({ noThemes.path() });
        tarvo::gui::applyDesktopIdentity(*qApp);

        const QString entry = desktopEntry();
        QVERIFY2(!entry.isEmpty(), TARVO_TEST_DESKTOP_ENTRY_DIR " holds one desktop entry");
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), QFileInfo(entry).fileName());

        const QDir packaged(QStringLiteral(TARVO_TEST_ICON_DIR));
        QList<QSize> packagedSizes;
        for (const QString& name : packaged.entryList({ QStringLiteral("*.png") }, QDir::Files))
            packagedSizes.append(QImageReader(packaged.filePath(name)).size());
        QVERIFY(!packagedSizes.isEmpty());
        QVERIFY(!qApp->windowIcon().isNull());
        QCOMPARE(byWidth(qApp->windowIcon().availableSizes()), byWidth(packagedSizes));
    }

    // An installed theme icon, under the name the desktop entry gives, comes first.
    void themeIconNamedByTheDesktopEntry()
    {
        const QString name = iconOfEntry(desktopEntry());
        QVERIFY(!name.isEmpty());
        QTemporaryDir themes;
        const QDir hicolor(themes.filePath(QStringLiteral("hicolor")));
        QVERIFY(hicolor.mkpath(QStringLiteral("48x48/apps")));
        QFile index(hicolor.filePath(QStringLiteral("index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\n");
        index.close();
        QVERIFY(QFile::copy(QStringLiteral(TARVO_TEST_ICON_DIR "/48x48.png"),
            hicolor.filePath(QStringLiteral("48x48/apps/") + name + QStringLiteral(".png"))));

        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
        tarvo::gui::applyDesktopIdentity(*qApp);
        QCOMPARE(qApp->windowIcon().name(), name);
        QCOMPARE(qApp->windowIcon().availableSizes(), QList<QSize> { QSize(48, 48) });
    }
};

QTEST_MAIN(TestDesktopIdentity)
#include "TestDesktopIdentity.moc"
