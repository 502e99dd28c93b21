// A PAD file dropped on the window, in a build with PAD import.

#include "gui/MainWindow.h"

#include "gui/EntryBinding.h"
#include "gui/HandlerGuard.h"
#include "gui/MessageBox.h"
#include "gui/PadFindingText.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/files/NativePath.h"
#include "core/pad/PadImportRun.h"

#include <QGuiApplication>
#include <QStringList>

#include <optional>

namespace tarvo::gui {

namespace {

// The wait cursor while a long step runs without a box of its own.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

bool MainWindow::importsDroppedPads()
{
    return true;
}

// Imported with the defaults into this window's backup folder, then loaded as
// "load" loads that backup. Warnings and refusals go into one box, one a line.
void MainWindow::importDroppedPad(const std::filesystem::path& file)
{
    ensurePagesBuilt();
    runGuarded(this, [this, &file] {
        std::optional<BusyCursor> busy(std::in_place);
        // A file that cannot be read gets the application error box.
        const std::string bytes = readPadFile(file);
        PadImportRequest request;
        request.fileBytes = bytes;
        request.dataFolder = backupFolder(m_startDirectory);
        addStartFolderDefaults(request.options, m_startDirectory);
        // The wait cursor is gone while a box asks.
        const auto askReplace = [this, &busy](const std::filesystem::path& backup) {
            busy.reset();
            const QString question = QStringLiteral("バックアップ「%1」はもうあります。置き換えますか？")
                                         .arg(QString::fromStdString(displayText(backup.filename())));
            // The backup may hold what the author added by hand since.
            const bool replace
                = MessageBox::question(this, question, MessageBox::Answer::No) == MessageBox::Answer::Yes;
            if (replace)
                busy.emplace();
            return replace;
        };
        PadImportRun run = importPad(request, askReplace);
        busy.reset();
        // Refused only for characters the table replaces: asked once, no by default.
        if (const QString question = transliterationQuestion(run.diagnostics); !question.isEmpty()
            && MessageBox::question(this, question, MessageBox::Answer::No) == MessageBox::Answer::Yes) {
            request.options.transliterate = true;
            busy.emplace();
            run = importPad(request, askReplace);
            busy.reset();
        }
        QStringList findings;
        for (const PadDiagnostic& finding : run.diagnostics) {
            if (finding.level != PadDiagnostic::Level::Info && finding.kind != PadDiagnostic::Kind::BackupExists)
                findings.append((finding.level == PadDiagnostic::Level::Error ? QStringLiteral("エラー：")
                                                                              : QStringLiteral("警告："))
                    + windowText(finding));
        }
        if (!findings.isEmpty())
            MessageBox::message(this, findings.join(QLatin1Char('\n')));
        if (!run.written)
            return;
        showRestore(restoreListedBackup(listedBackupOf(run.target), m_entry->read()), this);
    });
}

} // namespace tarvo::gui
