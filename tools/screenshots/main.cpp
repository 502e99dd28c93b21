// Fills the window with an example shareware entry, builds its preview and fee
// statements, and saves a picture of every page, of the load dialog and of the
// help page under a dark desktop palette; or, given a file name, of the first
// page alone. Runs on a real display (xvfb-run will
// do), in a scratch copy of the start folder.

#include "WidgetLookup.h"
#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/LoadDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

#include "core/text/Cp932.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tarvo;
using namespace tarvo::gui;

namespace {

std::string cp(const char* utf8)
{
    return cp932FromUtf8(utf8);
}

RegistrationEntry exampleEntry()
{
    RegistrationEntry entry;
    entry.authorId = cp("山川 一郎");
    entry.submissionKind = 1;
    entry.visibility.originalLibraryNumber = true;
    entry.originalLibraryNumber = "PS012345";
    entry.softwareName = cp("かんたん日記帳");
    entry.headline = cp("毎日の出来事を手軽に書き留める日記ソフト");
    entry.description = cp("カレンダーから日付を選んで書くだけの、軽くて手軽な日記帳です。\r\n"
                           "検索、印刷、テキストへの書き出しができます。\r\n");
    entry.archiveFileName = "nikki102.lzh";
    entry.publicationFileName = "nikki102.lzh";
    entry.version = "1.02";
    entry.machine = cp("汎用");
    entry.supportedOs = { false, true, true, true, false, false };
    entry.requiredSoftware = cp("VB5ランタイム");
    entry.changeHandling(cp("シェアウェア"));
    entry.category = cp("ユーティリティ");
    entry.notes = cp("正式版完成のときには書籍へも入れていいです。\r\n");
    entry.sharewareFee = "1200";
    entry.sharewareConditions = cp("試用期限は2週間までです。\r\n");
    entry.bankRemittance = cp("ABC銀行 練馬支店 普通 1234567 山川 一郎");
    entry.registeredProductNumber = "SR012345";
    return entry;
}

bool copyDataFile(const QString& from, const QString& to, const char* name)
{
    return QFile::copy(QDir(from).filePath(QString::fromLatin1(name)), QDir(to).filePath(QString::fromLatin1(name)));
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

// KDE's Breeze Dark colours, whose link colour is too dark to read on its window.
QPalette darkDesktopPalette()
{
    const QColor face(0x31, 0x36, 0x3B);
    const QColor text(0xEF, 0xF0, 0xF1);
    QPalette palette(face, face);
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText })
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x1D, 0x99, 0xF3));
    return palette;
}

bool save(QWidget& widget, const QString& folder, const char* name)
{
    settle();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tarvo-screenshots <start folder> <output folder> [<first page only>]\n");
        return 2;
    }
    const QString startFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QTemporaryDir scratch;
    if (!scratch.isValid() || !copyDataFile(startFolder, scratch.path(), "category.dat")
        || !copyDataFile(startFolder, scratch.path(), "tarvo.dat") || !QDir(scratch.path()).mkdir("data")
        || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "cannot prepare a scratch start folder from %s\n", argv[1]);
        return 1;
    }

    // The success box of the preview is answered without being shown.
    for (int i = 0; i < 10; ++i)
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);

    MainWindow window;
    window.show();
    window.entry().write(exampleEntry());
    requireChild<QPushButton>(&window, form::previewButton)->click();
    requireChild<QPushButton>(&window, form::calculateButton)->click();

    auto* pages = requireChild<QTabWidget>(&window, form::pages);
    // The first page alone, as the fonts of the environment draw it.
    if (argc == 4) {
        std::printf("drawn in %s\n", qPrintable(QFontInfo(window.font()).family()));
        return save(window, output, argv[3]) ? 0 : 1;
    }
    const char* const names[]
        = { "screenshot-common.png", "screenshot-shareware.png", "screenshot-help.png", "screenshot-preview.png" };
    bool saved = true;
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        saved = save(window, output, names[page]) && saved;
    }

    // Two more backups, so that the list shows its order.
    const QString backup = QStringLiteral("data/かんたん日記帳.bak");
    QFile::copy(backup, QStringLiteral("data/ClockSync.bak"));
    QFile::copy(backup, QStringLiteral("data/さくさくメモ.bak"));
    pages->setCurrentIndex(0);
    QTest::mouseClick(requireChild<QWidget>(&window, form::loadPanel), Qt::LeftButton);
    LoadDialog& dialog = window.loadDialog();
    auto* list = requireChild<QListView>(&dialog, form::backupList);
    if (list->model()->rowCount() > 0)
        list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    saved = save(dialog, output, "screenshot-load-dialog.png") && saved;
    dialog.hide();

    QApplication::setPalette(darkDesktopPalette());
    pages->setCurrentIndex(2);
    saved = save(window, output, "screenshot-dark.png") && saved;
    return saved ? 0 : 1;
}
