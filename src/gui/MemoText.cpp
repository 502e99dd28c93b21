#include "MemoText.h"

#include "QtText.h"

#include <QPlainTextEdit>

namespace tarvo::gui {

std::string memoTextCp932(const QPlainTextEdit& memo)
{
    QString text = memo.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toCp932(text);
}

void setMemoTextCp932(QPlainTextEdit& memo, std::string_view cp932Text)
{
    memo.setPlainText(fromCp932(cp932Text));
}

} // namespace tarvo::gui
