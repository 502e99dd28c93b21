#pragma once

#include "WidgetLookup.h"
#include "gui/FormNames.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

class QComboBox;
class QMessageBox;

namespace tarvo {
struct RegistrationEntry;
}

namespace tarvo::gui {
class RadioGroup;
}

namespace tarvo::gui::test {

// What only the Linux build's file system gives the tests: named pipes,
// symbolic links, mode bits, read-only folders, names in any bytes, /proc.
inline constexpr bool kLinuxFileSystem = std::is_same_v<std::filesystem::path::value_type, char>;
#define TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM()                                                                         \
    if (!tarvo::gui::test::kLinuxFileSystem)                                                                           \
    QSKIP("needs the Linux file system")
// What only the Linux build installs: its desktop entry, and the icon theme name it gives.
#define TARVO_QSKIP_UNLESS_LINUX_DESKTOP()                                                                             \
    if (!tarvo::gui::test::kLinuxFileSystem)                                                                           \
    QSKIP("needs Linux desktop integration")

// A path as the window shows it: the system's separators.
inline QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The core's test helpers of the same names, in Qt's types.
QByteArray sj(const char* utf8);

// The native bytes of a path that Qt holds as text.
std::filesystem::path native(const QString& path);

QString failureOf(const std::function<void()>& action);

QString describe(const RegistrationEntry& entry);

// A file that another handle holds open. Qt shares reading and writing on
// Windows but not deleting or renaming, as an editor or a virus scanner may.
class HeldFile {
public:
    explicit HeldFile(const QString& path);
    ~HeldFile();

    bool isHeld() const { return m_file.isOpen(); }
    // Lets the file go after `delayMs`, from another thread.
    void releaseAfter(int delayMs);

private:
    QFile m_file;
    std::thread m_releaser;
};

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
    // A regular file that exists but cannot be read, even by the superuser: on
    // Linux a link to the process's memory file, whose first page is never
    // mapped; on Windows a file another handle holds without sharing it.
    bool makeUnreadable(const QString& name);
    // Keeps the folder's files from being replaced: on Linux the folder loses
    // its write permission; Windows ignores that mark on folders, so there each
    // file of the folder gets the read-only attribute.
    void setReadOnly(bool readOnly) const;

private:
    QString m_previous;
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<FILE, int (*)(FILE*)>> m_unshared;
};

// A named pipe (Linux) put where the program expects a file. Should the program wait
// on it, a writer comes by after a few seconds and lets it go on, so that the
// test fails on what it then sees instead of hanging.
class NamedPipe {
public:
    explicit NamedPipe(const QString& path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    // True once a reader waited on the pipe long enough to be let go.
    bool wasWaitedOn() const { return m_waitedOn; }

private:
    QByteArray m_path;
    std::atomic<bool> m_done { false };
    std::atomic<bool> m_waitedOn { false };
    std::thread m_releaser;
};

// Sets an environment variable for the lifetime of the object.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const QString& value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// Makes `home` + "/Desktop" the user's desktop folder for the object's
// lifetime: through HOME and XDG_CONFIG_HOME on Linux, through the user's
// shell folders in the registry on Windows.
class DesktopUnder {
public:
    explicit DesktopUnder(const QString& home);
    ~DesktopUnder();

    QString desktop() const { return m_desktop; }

private:
    QString m_desktop;
    EnvironmentOverride m_home;
    EnvironmentOverride m_config;
    std::wstring m_previousShellDesktop;
};

// The main window started and shown in a fresh start folder that holds a small
// category file and an empty backup folder "data". Every box is answered with
// OK (No for questions) unless a test queues its own answers.
class WindowUnderTest {
public:
    WindowUnderTest();
    ~WindowUnderTest();

    MainWindow& window() const { return *m_window; }
    const StartFolder& folder() const { return *m_folder; }
    template <typename T> T* control(const char* name) const { return requireChild<T>(m_window.get(), name); }

    // Brings the page (0 to 3) forward, as a click on its tab does.
    void showPage(int page) const;
    // A left click in the middle of the control, as the author clicks it.
    void click(const char* name) const;
    // Fills the four required fields of a freeware entry named `softwareName`
    // and presses "プレビューを作成" on the first page, then returns to the page
    // that was shown; the boxes shown are forgotten.
    void buildFreewarePreview(const QString& softwareName = QStringLiteral("テストソフト")) const;

private:
    std::unique_ptr<StartFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

// Answers every box that comes up during a test with OK (No for questions), so
// that an unexpected box fails an expectation instead of blocking the test.
void answerEveryBox();
// The same for every box after the answers already queued.
void answerEveryBoxAfterQueued();

// The author's input: key by key, one key event carrying a whole character
// (as a keyboard delivers an emoji), and a paste by Ctrl+V.
void typeInto(QWidget* control, const QString& text);
void sendCharacter(QWidget* control, const QString& character);
void pasteInto(QWidget* control, const QString& clipboardText);

// Drags one local file onto the window and drops it; true when both the
// entering drag and the drop were accepted. What the drop queues is not yet run.
bool dropFile(QWidget* window, const QString& file);

// Picks an item from the drop-down list the way the author does: open the list
// and click the item.
void chooseItem(QComboBox* combo, int index);
// Clicks an item of the group on its indicator: a radio button reacts only to
// its indicator and caption, not to the empty rest of its cell.
void clickItem(RadioGroup* group, int index);

// The family Qt draws for a design family name (its first installed
// substitute): what the window's fonts must name to draw the same glyphs. On
// Windows the design family itself, which the fonts name first.
QString drawnFamily(const char* designFamily);

// The texts of the list's items, in order.
QStringList itemsOf(const QComboBox* combo);

// How long each step of a wait for a box may take. Running past a bound fails
// the test, unless the test checks the outcome itself.
struct BoxBounds {
    int activeWithinMs = 5000; // from the call until the box is up and active
    int closedWithinMs = 10000; // from the inspection until the box is gone
    bool failTest = true;
};

// What came of a wait for a box.
struct BoxOutcome {
    bool inspected = false;
    QString failure; // why the wait was given up or the box closed by force
};

// Runs `inspect` on the real message box once it is up and the active window
// (a shortcut such as Alt+N reaches only the active window); `inspect` must
// close it. A box that stays open past the bound is closed, so that exec()
// returns; a box that never comes up or never becomes active fails the test.
std::shared_ptr<const BoxOutcome> whenMessageBoxShows(
    const std::function<void(QMessageBox*)>& inspect, const BoxBounds& bounds = {});

// The texts of the boxes recorded since the last clear, oldest first.
QStringList shownTexts();

} // namespace tarvo::gui::test
