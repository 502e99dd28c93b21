#include "gui/DraftKeeper.h"

#include "gui/widgets/RadioGroup.h"

#include "core/errors/RuntimeError.h"
#include "core/settings/DraftFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

namespace tarvo::gui {

namespace {

constexpr int kQuietMs = 1000;

} // namespace

DraftKeeper::DraftKeeper(const std::filesystem::path& startDirectory, std::function<Draft()> form, QObject* parent)
    : QObject(parent)
    , m_startDirectory(startDirectory)
    , m_form(std::move(form))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::writeOnceQuiet);
#ifndef QT_NO_SESSIONMANAGER
    // A log-off or shutdown may end the run without closing the window.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &DraftKeeper::keepUnwrittenEdits);
#endif
}

void DraftKeeper::watchPage(QWidget* page)
{
    for (QLineEdit* edit : page->findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &DraftKeeper::noteEdit);
    for (QComboBox* combo : page->findChildren<QComboBox*>())
        connect(combo, &QComboBox::textActivated, this, &DraftKeeper::noteEdit);
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, &DraftKeeper::noteEdit);
    for (RadioGroup* group : page->findChildren<RadioGroup*>())
        connect(group, &RadioGroup::itemSelected, this, &DraftKeeper::noteEdit);
}

// On the keystroke path: the time is noted, and the timer started only when it
// does not run already.
void DraftKeeper::noteEdit()
{
    if (m_programSteps > 0)
        return;
    m_unwritten = true;
    m_draftIsThisForm = true;
    m_sinceEdit.start();
    if (!m_timer.isActive())
        m_timer.start(kQuietMs);
}

void DraftKeeper::writeOnceQuiet()
{
    const qint64 waited = m_sinceEdit.elapsed();
    if (waited < kQuietMs) {
        m_timer.start(int(kQuietMs - waited));
        return;
    }
    keepUnwrittenEdits();
}

void DraftKeeper::keepUnwrittenEdits()
{
    try {
        writeUnwrittenEdits();
    } catch (const RuntimeError&) {
        // Tried again after the next edit and at close, where it is reported.
    }
}

// A form emptied again needs no draft, and no question at the next start.
void DraftKeeper::writeUnwrittenEdits()
{
    if (!m_unwritten)
        return;
    m_timer.stop();
    const Draft form = m_form();
    if (holdsOnlyTheAuthor(form))
        removeDraft(m_startDirectory);
    else
        writeDraft(m_startDirectory, form);
    m_unwritten = false;
}

void DraftKeeper::formReplaced(bool byTheDraft)
{
    m_timer.stop();
    m_unwritten = false;
    m_draftIsThisForm = byTheDraft;
}

// A draft that holds a form replaced since (by a Load, or one the author chose
// not to restore) is no part of the backup just written, and stays.
void DraftKeeper::discard()
{
    if (m_draftIsThisForm)
        removeDraft(m_startDirectory);
    formReplaced();
}

} // namespace tarvo::gui
