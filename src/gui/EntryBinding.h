#pragma once

#include "core/entry/RegistrationEntry.h"

#include <QObject>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarvo::gui {

class CommonPage;
class RadioGroup;
class SharewarePage;

// The registration entry as the window holds it. The controls are the only store
// of the entry: read() takes what they show at that moment (a hidden follow-up
// field keeps and gives its text), write() puts an entry back as a program step.
// It also keeps HandlingKind, which no control shows, and recomputes it on the
// author's changes of the Handling text. It is made with the first page, so it
// follows Handling from the start; the second page's fields join it once that
// page is built.
class EntryBinding : public QObject {
    Q_OBJECT

public:
    EntryBinding(const CommonPage& common, QObject* parent);

    // Once: the second page's fields become part of the entry.
    void attach(const SharewarePage& shareware);

    // Until the second page is attached, its fields read as that page starts: empty.
    RegistrationEntry read() const;

    // Sets every field, HandlingKind and the four follow-up visibilities. Runs
    // neither the Handling nor the Category change handler. A whole entry needs
    // the second page attached; the window builds it before any restore.
    void write(const RegistrationEntry& entry);

    // The preview command may have put "特になし" into Notes.
    void writeNotes(const LinesText& notes);

    const HandlingKind& handlingKind() const { return m_handlingKind; }

private slots:
    // The author changed the Handling text.
    void recomputeHandlingKind();

private:
    struct LineField {
        SingleLineText RegistrationEntry::*field;
        QLineEdit* edit;
    };
    struct ComboField {
        SingleLineText RegistrationEntry::*field;
        QComboBox* combo;
    };
    struct MemoField {
        LinesText RegistrationEntry::*field;
        QPlainTextEdit* memo;
    };
    struct ChoiceField {
        int RegistrationEntry::*field;
        RadioGroup* group;
    };
    struct FollowUp {
        bool FollowUpVisibility::*shown;
        QLabel* caption;
        QLineEdit* edit;
    };

    std::vector<LineField> m_lines;
    std::vector<ComboField> m_combos;
    std::vector<MemoField> m_memos;
    std::vector<ChoiceField> m_choices;
    std::array<QCheckBox*, 6> m_operatingSystems {};
    std::vector<FollowUp> m_followUps;
    QLineEdit* m_fee = nullptr;
    QComboBox* m_handling;
    QPlainTextEdit* m_notes;

    // What the form keeps in its hidden label: the Handling item last matched.
    HandlingKind m_handlingKind;
};

} // namespace tarvo::gui
