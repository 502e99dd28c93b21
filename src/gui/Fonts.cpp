#include "Fonts.h"

#include <QStringList>

namespace tarvo::gui {

void installFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(QString::fromUtf8(kProportionalGothic),
            { "IPAPGothic", "VL PGothic", "Noto Sans CJK JP", "Droid Sans Fallback" });
        QFont::insertSubstitutions(QString::fromUtf8(kFixedGothic),
            { "IPAGothic", "VL Gothic", "Noto Sans Mono CJK JP", "Droid Sans Fallback" });
        QFont::insertSubstitutions(QString::fromUtf8(kCentury),
            { "C059", "Century Schoolbook L", "TeX Gyre Schola", "DejaVu Serif", "Liberation Serif" });
        QFont::insertSubstitutions(QString::fromUtf8(kArial), { "Liberation Sans", "Nimbus Sans", "DejaVu Sans" });
        return true;
    }();
    (void)installed;
}

QFont pixelFont(const char* family, int pixelSize, bool bold)
{
    installFontSubstitutions();
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return pixelFont(kProportionalGothic, kTextSize);
}

} // namespace tarvo::gui
