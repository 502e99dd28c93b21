#include "GuiTestSupport.h"

#include "gui/desktop/Fonts.h"
#include <QFontInfo>

#include "TestSupport.h"
#include "gui/QtText.h"

#include "gui/widgets/RadioGroup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "core/files/NativePath.h"

#include <chrono>

#ifdef _WIN32
#include <share.h>
#include <windows.h>
// The window's MessageBox, not the system's.
#undef MessageBox
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvo::gui::test {

QByteArray sj(const char* utf8)
{
    return QByteArray::fromStdString(tarvo::test::sj(utf8));
}

std::filesystem::path native(const QString& path)
{
    return pathFromNativeBytes(path.toUtf8().toStdString());
}

QString failureOf(const std::function<void()>& action)
{
    return QString::fromStdString(tarvo::test::failureOf(action));
}

QString describe(const RegistrationEntry& entry)
{
    QStringList fields;
    for (const std::string& field : tarvo::test::describe(entry))
        fields.append(fromCp932(field));
    return fields.join(QLatin1Char('|'));
}

StartFolder::StartFolder()
    : m_previous(QDir::currentPath())
{
    if (!m_folder.isValid() || !QDir::setCurrent(m_folder.path()))
        qFatal("cannot make a temporary start folder");
}

StartFolder::~StartFolder()
{
    if constexpr (!kLinuxFileSystem)
        setReadOnly(false);
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir::setCurrent(m_previous);
}

void StartFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

QByteArray StartFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool StartFolder::exists(const QString& name) const
{
    return QFileInfo::exists(filePath(name));
}

void StartFolder::makeFolder(const QString& name) const
{
    if (!QDir(m_folder.path()).mkpath(name))
        qFatal("cannot make a test folder");
}

bool StartFolder::makeUnreadable(const QString& name)
{
#ifdef _WIN32
    write(name, "unreadable");
    m_unshared.emplace_back(
        ::_wfsopen(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(filePath(name)).utf16()), L"rb", _SH_DENYRW),
        &std::fclose);
    return m_unshared.back() != nullptr;
#else
    return QFileInfo(QStringLiteral("/proc/self/mem")).isFile()
        && QFile::link(QStringLiteral("/proc/self/mem"), filePath(name));
#endif
}

void StartFolder::setReadOnly(bool readOnly) const
{
    if constexpr (!kLinuxFileSystem) {
        const QDir folder(m_folder.path());
        for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden)) {
            QFile::setPermissions(folder.filePath(file),
                readOnly ? QFile::ReadOwner | QFile::ReadUser : QFile::ReadOwner | QFile::WriteOwner);
        }
        return;
    }
    QFile::Permissions permissions
        = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!readOnly)
        permissions |= QFile::WriteOwner;
    QFile::setPermissions(m_folder.path(), permissions);
}

HeldFile::HeldFile(const QString& path)
    : m_file(path)
{
    m_file.open(QIODevice::ReadOnly);
}

HeldFile::~HeldFile()
{
    if (m_releaser.joinable())
        m_releaser.join();
}

void HeldFile::releaseAfter(int delayMs)
{
    // The writer may ask again as it retries.
    if (m_releaser.joinable())
        return;
    m_releaser = std::thread([this, delayMs] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        m_file.close();
    });
}

#ifdef _WIN32

NamedPipe::NamedPipe(const QString&)
{
    qFatal("Windows has no named pipes in its folders");
}

NamedPipe::~NamedPipe() = default;

#else

NamedPipe::NamedPipe(const QString& path)
    : m_path(QFile::encodeName(path))
{
    if (::mkfifo(m_path.constData(), 0644) != 0)
        qFatal("cannot make a named pipe");
    m_releaser = std::thread([this] {
        constexpr auto kPatience = std::chrono::seconds(5);
        const auto started = std::chrono::steady_clock::now();
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (std::chrono::steady_clock::now() - started < kPatience)
                continue;
            // Succeeds only while a reader waits in open(), which it ends.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_waitedOn = true;
                ::close(fd);
            }
        }
    });
}

NamedPipe::~NamedPipe()
{
    m_done = true;
    m_releaser.join();
}

#endif

EnvironmentOverride::EnvironmentOverride(const char* name, const QString& value)
    : m_name(name)
    , m_wasSet(qEnvironmentVariableIsSet(name))
    , m_previous(qgetenv(name))
{
    qputenv(name, QFile::encodeName(value));
}

EnvironmentOverride::~EnvironmentOverride()
{
    if (m_wasSet)
        qputenv(m_name, m_previous);
    else
        qunsetenv(m_name);
}

#ifdef _WIN32
namespace {

// Qt asks the shell for the desktop, which reads it from the user's shell folders.
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// An empty folder removes the entry: the desktop is then where Windows puts it.
void setShellDesktop(const std::wstring& folder)
{
    if (folder.empty())
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop");
    else
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop", REG_EXPAND_SZ, folder.c_str(),
            static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

} // namespace
#endif

// Linux's variables are set on Windows too, where nothing reads them.
DesktopUnder::DesktopUnder(const QString& home)
    : m_desktop(home + QStringLiteral("/Desktop"))
    , m_home("HOME", home)
    , m_config("XDG_CONFIG_HOME", home + QStringLiteral("/config"))
{
#ifdef _WIN32
    wchar_t previous[MAX_PATH] {};
    DWORD size = sizeof previous;
    ::RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
        nullptr, previous, &size);
    m_previousShellDesktop = previous;
    setShellDesktop(QDir::toNativeSeparators(m_desktop).toStdWString());
#endif
}

DesktopUnder::~DesktopUnder()
{
#ifdef _WIN32
    setShellDesktop(m_previousShellDesktop);
#endif
}

WindowUnderTest::WindowUnderTest()
    : m_folder(std::make_unique<StartFolder>())
{
    m_folder->write(
        QStringLiteral("category.dat"), sj("#ユーティリティ\r\nファイル管理\r\n圧縮\r\n#ゲーム\r\nパズル\r\n"));
    m_folder->makeFolder(QStringLiteral("data"));
    answerEveryBox();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the main window did not come up");
    m_window->ensurePagesBuilt();
    MessageBox::clearShown();
}

WindowUnderTest::~WindowUnderTest()
{
    m_window.reset();
    m_folder.reset();
    MessageBox::clearNextAnswers();
    MessageBox::clearShown();
}

void WindowUnderTest::showPage(int page) const
{
    control<QTabWidget>(form::pages)->setCurrentIndex(page);
    QCoreApplication::processEvents();
}

void WindowUnderTest::click(const char* name) const
{
    QTest::mouseClick(control<QWidget>(name), Qt::LeftButton);
}

void WindowUnderTest::buildFreewarePreview(const QString& softwareName) const
{
    const int shown = control<QTabWidget>(form::pages)->currentIndex();
    showPage(0);
    auto* name = control<QLineEdit>(form::softwareName);
    name->clear();
    typeInto(control<QLineEdit>(form::authorId), QStringLiteral("山川 一郎"));
    typeInto(name, softwareName);
    typeInto(control<QLineEdit>(form::archiveFileName), QStringLiteral("test.lzh"));
    chooseItem(control<QComboBox>(form::handling), 0);
    click(form::previewButton);
    showPage(shown);
    MessageBox::clearShown();
}

void answerEveryBox()
{
    MessageBox::clearNextAnswers();
    answerEveryBoxAfterQueued();
}

void answerEveryBoxAfterQueued()
{
    MessageBox::setDefaultAnswer(MessageBox::Answer::Ok);
}

// QTest::keyClicks() takes Latin-1 only; Japanese arrives as key events that
// carry their character, as from an input method without composition.
void typeInto(QWidget* control, const QString& text)
{
    control->setFocus();
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c.unicode() < 0x7f && c.isPrint()) {
            QTest::keyClick(control, c.toLatin1());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        sendCharacter(control, text.mid(at, length));
        at += length - 1;
    }
    QCoreApplication::processEvents();
}

void sendCharacter(QWidget* control, const QString& character)
{
    control->setFocus();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
    QApplication::sendEvent(control, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
    QApplication::sendEvent(control, &release);
    QCoreApplication::processEvents();
}

void pasteInto(QWidget* control, const QString& clipboardText)
{
    QApplication::clipboard()->setText(clipboardText);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
}

bool dropFile(QWidget* window, const QString& file)
{
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(file) });
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &dropped);
    return enter.isAccepted() && dropped.isAccepted();
}

void chooseItem(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QModelIndex item = list->model()->index(index, combo->modelColumn());
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
}

void clickItem(RadioGroup* group, int index)
{
    QRadioButton* radio = group->button(index);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

QString drawnFamily(const char* designFamily)
{
    installFontSubstitutions();
#ifdef _WIN32
    // Windows is asked for the design family first and resolves it itself.
    return QString::fromUtf8(designFamily);
#endif
    return QFontInfo(QFont(QString::fromUtf8(designFamily))).family();
}

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

namespace {

// Polls for the box, hands it over once it is active and then watches that the
// inspector's answer closed it; deletes itself when done, or with the
// application when the answer ended the event loop first.
class BoxWatcher : public QObject {
public:
    BoxWatcher(const std::function<void(QMessageBox*)>& inspect, const BoxBounds& bounds)
        : QObject(qApp)
        , m_inspect(inspect)
        , m_bounds(bounds)
    {
        m_clock.start();
        connect(&m_poll, &QTimer::timeout, this, [this] { m_outcome->inspected ? watchClosing() : awaitActiveBox(); });
        m_poll.start(10);
    }

    std::shared_ptr<const BoxOutcome> outcome() const { return m_outcome; }

private:
    void awaitActiveBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box != m_seen) {
            // Activation comes from the platform and may lag under load.
            m_seen = box;
            box->activateWindow();
        }
        if (box && box->isActiveWindow()) {
            m_box = box;
            m_outcome->inspected = true;
            m_clock.restart();
            m_inspect(box);
        } else if (m_clock.elapsed() >= m_bounds.activeWithinMs) {
            if (box)
                box->reject();
            finish(box ? QStringLiteral("the message box never became the active window; closed it")
                       : QStringLiteral("no message box appeared"));
        }
    }

    void watchClosing()
    {
        if (!m_box || !m_box->isVisible())
            finish({});
        else if (m_clock.elapsed() >= m_bounds.closedWithinMs) {
            m_box->reject();
            finish(QStringLiteral("the message box was still open %1 ms after it was answered; closed it")
                       .arg(m_bounds.closedWithinMs));
        }
    }

    void finish(const QString& failure)
    {
        m_poll.stop();
        m_outcome->failure = failure;
        if (!failure.isEmpty() && m_bounds.failTest)
            QTest::qFail(qPrintable(failure), __FILE__, __LINE__);
        deleteLater();
    }

    std::function<void(QMessageBox*)> m_inspect;
    BoxBounds m_bounds;
    std::shared_ptr<BoxOutcome> m_outcome = std::make_shared<BoxOutcome>();
    QTimer m_poll;
    QElapsedTimer m_clock;
    QPointer<QMessageBox> m_seen;
    QPointer<QMessageBox> m_box;
};

// A modal dialog that no test closes would block its exec() for good: one that
// is still up well past every bound of a watched box is closed and fails the
// test. This also covers a box that comes up after its watcher gave up.
class StrayDialogGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
        if (dialog && dialog->isModal()) {
            QTimer::singleShot(kStrayDialogBoundSeconds * 1000, dialog, [dialog] {
                if (!dialog->isVisible())
                    return;
                dialog->reject();
                const QString failure = QStringLiteral("a modal dialog was left open for %1 s; closed it");
                QTest::qFail(qPrintable(failure.arg(kStrayDialogBoundSeconds)), __FILE__, __LINE__);
            });
        }
        return false;
    }

private:
    static constexpr int kStrayDialogBoundSeconds = 30;
};

// Every window test looks at the boxes that came up, so all of them record.
void prepareForWindowTests()
{
    QCoreApplication::instance()->installEventFilter(new StrayDialogGuard(QCoreApplication::instance()));
    MessageBox::setRecording(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(prepareForWindowTests)

std::shared_ptr<const BoxOutcome> whenMessageBoxShows(
    const std::function<void(QMessageBox*)>& inspect, const BoxBounds& bounds)
{
    return (new BoxWatcher(inspect, bounds))->outcome();
}

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Record& record : MessageBox::shown())
        texts.append(record.text);
    return texts;
}

} // namespace tarvo::gui::test
