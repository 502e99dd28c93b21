#pragma once

#include "core/format/DraftRecord.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <functional>

class QWidget;

namespace tarvo::gui {

// Keeps what the author typed as the start folder's draft: written a second
// after the last edit (a keystroke only notes the time), at close, and before
// the window replaces the form. The window tells it when the form is set by a
// program step, so that only the author's edits count.
class DraftKeeper : public QObject {
    Q_OBJECT

public:
    // `form` reads the form as it stands. The start directory is the window's,
    // which is set once start-up has run and outlives the keeper.
    DraftKeeper(const std::filesystem::path& startDirectory, std::function<Draft()> form, QObject* parent);

    // The author's edits of the page's one-line fields, lists, check boxes and
    // choices count. Memos are not watched so: a page may show memos that are
    // no part of the form, and tells of its form's memos itself (noteEdit).
    void watchPage(QWidget* page);

    // While one lives, changes of the form are program steps.
    class ProgramStep {
    public:
        explicit ProgramStep(DraftKeeper& keeper)
            : m_keeper(keeper)
        {
            ++m_keeper.m_programSteps;
        }
        ~ProgramStep() { --m_keeper.m_programSteps; }
        ProgramStep(const ProgramStep&) = delete;
        ProgramStep& operator=(const ProgramStep&) = delete;

    private:
        DraftKeeper& m_keeper;
    };

    // Before the form is replaced: edits not yet written are written now; a
    // failure goes unreported, as while typing.
    void keepUnwrittenEdits();
    // The form now holds a backup, or the draft when `byTheDraft`: it has no
    // edits of its own, and the draft on disk stays until the next edit.
    void formReplaced(bool byTheDraft = false);
    // The backup holds everything the form holds: the form's draft goes.
    void discard();
    // At close: raises "ファイル draft.dat を作成できません" when edits cannot be written.
    void writeUnwrittenEdits();

public slots:
    // A part of the form changed; a program step's change does not count.
    void noteEdit();

private slots:
    void writeOnceQuiet();

private:
    const std::filesystem::path& m_startDirectory;
    std::function<Draft()> m_form;
    QTimer m_timer;
    QElapsedTimer m_sinceEdit;
    bool m_unwritten = false;
    // Whether the draft on disk, if any, holds this form rather than an earlier one.
    bool m_draftIsThisForm = false;
    int m_programSteps = 0;
};

} // namespace tarvo::gui
