#pragma once

#include <QString>

#include <functional>

namespace tarvo::gui {

// Hands web addresses to the desktop's browser. Whether the browser came up is
// not examined: a failure is not reported, as the window has nothing to offer.
class UrlOpener {
public:
    using Handler = std::function<void(const QString& address)>;

    static void open(const QString& address);

    // Tests replace the browser by a recorder; an empty handler restores it.
    static void setHandlerForTesting(Handler handler);

private:
    static Handler& replacement();
};

} // namespace tarvo::gui
