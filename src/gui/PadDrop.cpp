// A PAD file dropped on the window, in a build with PAD import.

#include "gui/MainWindow.h"

#include "gui/EntryBinding.h"
#include "gui/HandlerGuard.h"
#include "gui/MessageBox.h"

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
        const std::string bytes = readPadFile(file);
        PadImportRequest request;
        request.fileBytes = bytes;
        request.dataFolder = backupFolder(m_startDirectory);
        addStartFolderDefaults(request.options, m_startDirectory);
        PadImportRun run = runPadImport(request);
        busy.reset();
        if (run.backupExists) {
            const QString question = QStringLiteral("バックアップ「%1」はもうあります。置き換えますか？")
                                         .arg(QString::fromStdString(displayText(run.target.filename())));
            // The backup may hold what the author added by hand since.
            if (MessageBox::question(this, question, MessageBox::Answer::No) == MessageBox::Answer::Yes) {
                const BusyCursor replacing;
                request.replace = true;
                run = runPadImport(request);
            } else
                run.diagnostics.pop_back();
        }
        QStringList findings;
        for (const PadDiagnostic& finding : run.diagnostics) {
            if (finding.level != PadDiagnostic::Level::Info)
                findings.append((finding.level == PadDiagnostic::Level::Error ? QStringLiteral("エラー：")
                                                                              : QStringLiteral("警告："))
                    + QString::fromStdString(finding.message));
        }
        if (!findings.isEmpty())
            MessageBox::message(this, findings.join(QLatin1Char('\n')));
        if (!run.written)
            return;
        showRestore(restoreListedBackup(listedBackupOf(run.target), m_entry->read()), this);
    });
}

} // namespace tarvo::gui
