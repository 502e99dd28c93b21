#include "WidgetFonts.h"

#include <QStringList>

namespace tarvo::gui {

namespace {

QFont fontOf(const QStringList& families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont pGothicFont(int pixelSize)
{
    return fontOf({ QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif") },
        pixelSize);
}

QFont centuryFont(int pixelSize)
{
    return fontOf({ QStringLiteral("Century"), QStringLiteral("C059"), QStringLiteral("Century Schoolbook L"),
                      QStringLiteral("TeX Gyre Schola"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif") },
        pixelSize);
}

QFont arialFont(int pixelSize)
{
    return fontOf({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif") },
        pixelSize);
}

} // namespace tarvo::gui
