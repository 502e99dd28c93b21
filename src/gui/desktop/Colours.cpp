#include "gui/desktop/Colours.h"

#include <QEvent>
#include <QLabel>
#include <QList>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace tarvo::gui {

namespace {

// An sRGB channel as linear light, as WCAG reckons luminance.
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Styles draw tab pages and raised faces up to about a third lighter than the
// button colour (Fusion does); a text on them must read on that too.
constexpr int kLightestFace = 135;

bool readsOn(const QColor& text, const QPalette& palette)
{
    const QColor button = palette.color(QPalette::Button);
    return contrastRatio(text, palette.color(QPalette::Window)) >= kReadableContrast
        && contrastRatio(text, button) >= kReadableContrast
        && contrastRatio(text, button.lighter(kLightestFace)) >= kReadableContrast;
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
        float(a.greenF() + (b.greenF() - a.greenF()) * share), float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// Keeps one label in its colour through palette changes. Setting the colour
// sends another change, which then finds the colour already right.
class ColourKeeper : public QObject {
public:
    ColourKeeper(QLabel* label, const QColor& designed)
        : QObject(label)
        , m_label(label)
        , m_designed(designed)
    {
        label->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_label && event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        QPalette palette = m_label->palette();
        const QColor colour = readableColour(m_designed, palette);
        if (palette.color(QPalette::WindowText) == colour)
            return;
        palette.setColor(QPalette::WindowText, colour);
        m_label->setPalette(palette);
    }

    QLabel* m_label;
    QColor m_designed;
};

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor readableColour(const QColor& designed, const QPalette& palette)
{
    if (readsOn(designed, palette))
        return designed;
    const QColor link = palette.color(QPalette::Link);
    // The text colour of faces; a label's own WindowText is what is chosen here.
    const QColor text = palette.color(QPalette::ButtonText);
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const QColor candidate = mixed(link, text, double(step) / kSteps);
        if (readsOn(candidate, palette))
            return candidate;
    }
    return text;
}

QColor focusFrameColour(const QPalette& palette, const QColor& face)
{
    const QColor button = palette.color(QPalette::Button);
    const QList<QColor> faces = face.isValid()
        ? QList<QColor> { face }
        : QList<QColor> { palette.color(QPalette::Window), button, button.lighter(kLightestFace) };
    const auto standsOut = [&faces](const QColor& colour) {
        return std::all_of(faces.cbegin(), faces.cend(),
            [&colour](const QColor& behind) { return contrastRatio(colour, behind) >= kFocusFrameContrast; });
    };
    for (const QColor& candidate : { palette.color(QPalette::Highlight), palette.color(QPalette::WindowText) })
        if (standsOut(candidate))
            return candidate;
    const QColor black(Qt::black);
    return standsOut(black) ? black : QColor(Qt::white);
}

void showInColour(QLabel* label, const QColor& designed)
{
    new ColourKeeper(label, designed);
}

} // namespace tarvo::gui
