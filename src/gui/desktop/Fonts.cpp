#include "gui/desktop/Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <array>

namespace tarvo::gui {

namespace {

struct Substitution {
    const char* family;
    // Tried in this order; the list ends at the first null.
    std::array<const char*, 6> substitutes;
};

#ifdef _WIN32
// Japanese Windows has the design's Gothics (by their English names where
// the system is not Japanese); every Windows 10 and 11 has Yu Gothic UI
// and Meiryo, Times New Roman and Arial. Last what a system without
// Windows' fonts (wine on Linux) draws as Linux does: the IPA Gothics,
// made to the design's widths, and DejaVu.
constexpr Substitution kSubstitutions[] {
    { kProportionalGothic, { "MS PGothic", "Yu Gothic UI", "Meiryo", "IPAPGothic" } },
    { kFixedGothic, { "MS Gothic", "Yu Gothic UI", "Meiryo", "IPAGothic" } },
    { kCentury, { "Century Schoolbook", "Times New Roman", "DejaVu Serif" } },
    { kArial, { "DejaVu Sans" } },
};
// Windows finds a family by its localized or its English name and falls back
// in the order asked for.
constexpr bool kSystemFallsBackInOrder = true;
#else
constexpr Substitution kSubstitutions[] {
    { kProportionalGothic, { "IPAPGothic", "VL PGothic", "Noto Sans CJK JP", "Droid Sans Fallback" } },
    { kFixedGothic, { "IPAGothic", "VL Gothic", "Noto Sans Mono CJK JP", "Droid Sans Fallback" } },
    { kCentury, { "C059", "Century Schoolbook L", "TeX Gyre Schola", "DejaVu Serif", "Liberation Serif" } },
    { kArial, { "Liberation Sans", "Nimbus Sans", "DejaVu Sans" } },
};
constexpr bool kSystemFallsBackInOrder = false;
#endif

// The design family first, as it is, then its substitutes.
QFont fontFallingBackInOrder(const char* family)
{
    installFontSubstitutions();
    QFont font;
    const QString design = QString::fromUtf8(family);
    font.setFamilies(QStringList { design } + QFont::substitutes(design));
    return font;
}

} // namespace

void installFontSubstitutions()
{
    static const bool installed = [] {
        for (const Substitution& substitution : kSubstitutions) {
            QStringList substitutes;
            for (const char* substitute : substitution.substitutes) {
                if (!substitute)
                    break;
                substitutes.append(QString::fromUtf8(substitute));
            }
            QFont::insertSubstitutions(QString::fromUtf8(substitution.family), substitutes);
        }
        return true;
    }();
    (void)installed;
}

// Qt looks a family that is not installed up again, through its substitutes
// and the system's fallbacks, for every font made from it. It draws the first
// installed substitute, so that family is asked for directly: the same glyphs,
// without the search. Where the design family is installed, it is used.
QString installedFamily(const char* family)
{
    static QHash<const char*, QString> installed;
    const auto known = installed.constFind(family);
    if (known != installed.cend())
        return *known;
    installFontSubstitutions();
    const QString design = QString::fromUtf8(family);
    // As the database spells it ("C059 [UKWN]" where two foundries have it),
    // so that the name is found at once.
    const QStringList families = QFontDatabase::families();
    const auto spelled = [&families](const QString& name) {
        for (const QString& each : families) {
            if (each.compare(name, Qt::CaseInsensitive) == 0
                || each.section(QStringLiteral(" ["), 0, 0).compare(name, Qt::CaseInsensitive) == 0)
                return each;
        }
        return QString();
    };
    QString chosen = spelled(design);
    for (const QString& substitute : QFont::substitutes(design)) {
        if (!chosen.isEmpty())
            break;
        chosen = spelled(substitute);
    }
    if (chosen.isEmpty())
        chosen = design;
    installed.insert(family, chosen);
    return chosen;
}

QFont pixelFont(const char* family, int pixelSize, bool bold)
{
    QFont font = kSystemFallsBackInOrder ? fontFallingBackInOrder(family) : QFont(installedFamily(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return pixelFont(kProportionalGothic, kTextSize);
}

} // namespace tarvo::gui
