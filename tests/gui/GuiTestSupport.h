#pragma once

#include "MessageBox.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

class QComboBox;
class QMessageBox;

namespace tarvo::gui::test {

// CP932 bytes of a UTF-8 literal, so that expectations read as the texts they are.
QByteArray sj(const char* utf8);

// A fresh temporary folder made the process's current directory for the object's
// lifetime, as the folder the program is started in.
class StartFolder {
public:
    StartFolder();
    ~StartFolder();
    StartFolder(const StartFolder&) = delete;
    StartFolder& operator=(const StartFolder&) = delete;

    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    void makeFolder(const QString& name) const;
    // A regular file that exists but cannot be read, even by the superuser: a
    // link to the process's memory file, whose first page is never mapped.
    bool makeUnreadable(const QString& name) const;
    void setReadOnly(bool readOnly) const;

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

// Answers every box that comes up during a test with OK (No for questions), so
// that an unexpected box fails an expectation instead of blocking the test.
void answerEveryBox();

// The author's input: key by key, one key event carrying a whole character
// (as a keyboard delivers an emoji), and a paste by Ctrl+V.
void typeInto(QWidget* control, const QString& text);
void sendCharacter(QWidget* control, const QString& character);
void pasteInto(QWidget* control, const QString& clipboardText);

// Picks an item from the drop-down list the way the author does: open the list
// and click the item.
void chooseItem(QComboBox* combo, int index);

// Runs `inspect` on the real message box as soon as it is up; `inspect` must
// close it. Fails the test (after a while) when no box appears.
void whenMessageBoxShows(const std::function<void(QMessageBox*)>& inspect);

// The texts of the boxes recorded since the last clear, oldest first.
QStringList shownTexts();

} // namespace tarvo::gui::test
