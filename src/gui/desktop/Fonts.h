#pragma once

#include <QFont>

namespace tarvo::gui {

// The families the window was drawn for. Where they are missing (Linux, a
// Windows that is not Japanese), Qt takes the substitutes registered by
// installFontSubstitutions().
inline constexpr char kProportionalGothic[] = "ＭＳ Ｐゴシック";
inline constexpr char kFixedGothic[] = "ＭＳ ゴシック";
inline constexpr char kCentury[] = "Century";
inline constexpr char kArial[] = "Arial";

// Idempotent; call before the first font of these families is used.
void installFontSubstitutions();

// The installed family that is drawn for one of the families above (Linux).
QString installedFamily(const char* family);
// The text sizes of the form, in pixels: most text, and the captions and
// fields that stand out.
inline constexpr int kTextSize = 12;
inline constexpr int kLargerTextSize = 13;

// On Linux in the installed family drawn for `family`; on Windows asking for
// `family` first, then its substitutes.
QFont pixelFont(const char* family, int pixelSize, bool bold = false);
// The window's own font: "ＭＳ Ｐゴシック", 12 pixels.
QFont windowFont();

} // namespace tarvo::gui
