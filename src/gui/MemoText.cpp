#include "gui/MemoText.h"

#include "core/text/Cp932.h"
#include "gui/QtText.h"

#include <QPlainTextEdit>

namespace tarvo::gui {

std::string memoTextCp932(const QPlainTextEdit& memo)
{
    return cp932FromUtf16(utf16View(memo.toPlainText()), LineFeeds::AsCrLf);
}

void setMemoTextCp932(QPlainTextEdit& memo, std::string_view cp932Text)
{
    memo.setPlainText(fromCp932(cp932Text));
}

} // namespace tarvo::gui
