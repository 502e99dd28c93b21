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

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

// Picks an item from the drop-down list the way the author does: open the list
// and click the item.
void chooseItem(QComboBox* combo, int index);

// Runs `inspect` on the real message box as soon as it is up; `inspect` must
// close it. Fails the test (after a while) when no box appears.
void whenMessageBoxShows(const std::function<void(QMessageBox*)>& inspect);

// The texts of the boxes recorded since the last clear, oldest first.
QStringList shownTexts();

} // namespace tarvo::gui::test
