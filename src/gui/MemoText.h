#pragma once

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace tarvo::gui {

// A memo's text as the system holds it: CP932, every hard line break CR LF.
// Lines that the memo only shows wrapped are not broken.
std::string memoTextCp932(const QPlainTextEdit& memo);
// Replaces the memo's text; CR LF, a lone CR and a lone LF each end a line.
void setMemoTextCp932(QPlainTextEdit& memo, std::string_view cp932Text);

} // namespace tarvo::gui
