#include "gui/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarvo::gui {

UrlOpener::Handler& UrlOpener::replacement()
{
    static Handler handler;
    return handler;
}

void UrlOpener::open(const QString& address)
{
    if (const Handler& handler = replacement()) {
        handler(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(address));
}

void UrlOpener::setHandlerForTesting(Handler handler)
{
    replacement() = std::move(handler);
}

} // namespace tarvo::gui
