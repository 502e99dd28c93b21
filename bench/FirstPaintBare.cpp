// The floor for the start-up benchmarks: a bare Qt window, a QMainWindow holding
// a QTabWidget of four empty pages captioned as the real ones, in the window's
// font, so that both load the same Japanese font. Ends at its first paint.

#include "FirstPaint.h"
#include "gui/ApplicationTitle.h"
#include "gui/desktop/Fonts.h"

#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    QMainWindow window;
    window.setFont(tarvo::gui::windowFont());
    auto* pages = new QTabWidget(&window);
    for (const char* title :
        { "共通（フリー/シェア）", "シェアウェアの場合", "書き方のヘルプ / インターネット", "プレビュー" })
        pages->addTab(new QWidget, QString::fromUtf8(title));
    window.setCentralWidget(pages);
    tarvo::bench::showUntilFirstPaint(application, window);
}
