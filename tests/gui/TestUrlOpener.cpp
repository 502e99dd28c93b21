#include "gui/UrlOpener.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

using tarvo::gui::UrlOpener;

// Stands in for the browser behind QDesktopServices.
class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

class TestUrlOpener : public QObject {
    Q_OBJECT

private slots:
    void replacementRecordsTheAddress()
    {
        QStringList recorded;
        UrlOpener::setHandlerForTesting([&](const QString& address) { recorded << address; });
        UrlOpener::open(QStringLiteral("http://www.velmo-studio.example/"));
        UrlOpener::open(QStringLiteral("https://secure.tarvo.example/swauth/auth.entry"));
        UrlOpener::setHandlerForTesting({});
        QCOMPARE(recorded,
            (QStringList { QStringLiteral("http://www.velmo-studio.example/"),
                QStringLiteral("https://secure.tarvo.example/swauth/auth.entry") }));
    }

    void withoutReplacementTheDesktopOpensTheAddress()
    {
        BrowserStandIn browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "openUrl");
        UrlOpener::open(QStringLiteral("http://www.tarvo.example/for_authors/pw/index.html"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(
            browser.opened, QList<QUrl> { QUrl(QStringLiteral("http://www.tarvo.example/for_authors/pw/index.html")) });
    }
};

QTEST_MAIN(TestUrlOpener)
#include "TestUrlOpener.moc"
