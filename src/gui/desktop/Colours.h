#pragma once

#include <QColor>

class QLabel;
class QPalette;

namespace tarvo::gui {

// The navy of the design's sixteen-colour palette, for instructions and links.
inline const QColor kNavy(0x00, 0x00, 0x80);

// The contrast a text needs against what lies behind it to be read easily
// (WCAG's "AA" level for body text).
inline constexpr double kReadableContrast = 4.5;

// WCAG's contrast ratio of two opaque colours: 1 for the same luminance, 21
// for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// What shows the focus must stand out from what surrounds it this much (WCAG's
// non-text contrast).
inline constexpr double kFocusFrameContrast = 3.0;

// A palette whose window is darker than its text, as desktops' dark themes are.
bool isDark(const QPalette& palette);

// `designed` where it reads on the palette's faces (its window and its button
// colour, from which styles draw tab pages a shade lighter); otherwise the
// palette's link colour, moved towards its button text colour just as far as
// it needs to read.
QColor readableColour(const QColor& designed, const QPalette& palette);

// The colour of a focus frame drawn on `face`, or, for an invalid `face`, on
// the palette's faces where a widget lies open: the highlight colour where it
// stands out enough, else the text colour, else black or white.
QColor focusFrameColour(const QPalette& palette, const QColor& face = {});

// Shows the label's text in `designed` or, where that does not read on the
// label's palette, in its readable substitute; follows later palette changes.
void showInColour(QLabel* label, const QColor& designed);

} // namespace tarvo::gui
