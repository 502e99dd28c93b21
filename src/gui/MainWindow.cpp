#include "MainWindow.h"

#include "ApplicationTitle.h"
#include "CommonPage.h"
#include "CurrentFolder.h"
#include "EntryBinding.h"
#include "Fonts.h"
#include "HandlerGuard.h"
#include "HelpPage.h"
#include "MemoText.h"
#include "MessageBox.h"
#include "PreviewPage.h"
#include "QtText.h"
#include "SharewarePage.h"
#include "WidgetLookup.h"

#include "backup/BackupStore.h"
#include "document/PreviewCommand.h"
#include "document/TextFileOutput.h"
#include "settings/Settings.h"
#include "settings/StartDirectory.h"
#include "text/FileIo.h"
#include "text/RuntimeError.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kClientWidth = 781;
constexpr int kClientHeight = 442;
const QPoint kOpeningPosition(190, 107);

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kOpeningPosition);
    buildPages();
    m_entry = new EntryBinding(this);
    m_category = requireChild<QComboBox>(this, "ComboBox2");
    m_subcategory = requireChild<QComboBox>(this, "ComboBox3");
    m_preview = requireChild<QPlainTextEdit>(this, "Memo1");
    m_softwareName = requireChild<QLineEdit>(this, "Edit21");

    connect(m_category->lineEdit(), &QLineEdit::textEdited, this, &MainWindow::comboBox2Change);
    connect(m_category, &QComboBox::textActivated, this, &MainWindow::comboBox2Change);
    connect(requireChild<QPushButton>(this, "Button2"), &QPushButton::clicked, this, &MainWindow::button2Click);
    connect(requireChild<QPushButton>(this, "Button1"), &QPushButton::clicked, this, &MainWindow::button1Click);

    formCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(new CommonPage, QStringLiteral("共通（フリー/シェア）"));
    m_pages->addTab(new SharewarePage, QStringLiteral("シェアウェアの場合"));
    m_pages->addTab(new HelpPage, QStringLiteral("書き方のヘルプ / インターネット"));
    m_pages->addTab(new PreviewPage, QStringLiteral("プレビュー"));
    m_pages->setCurrentIndex(0);
    layout->addWidget(m_pages);
}

// Each step may fail with its box; the steps after a failure do not run.
void MainWindow::formCreate()
{
    runGuarded(this, [this] {
        m_startDirectory = startDirectoryFrom(currentDirectoryCp932());
        m_catalog = CategoryCatalog::load(kCategoryFileName);
        for (const std::string& name : m_catalog.topLevelNames())
            m_category->addItem(fromCp932(name));
        m_category->setCurrentIndex(-1);
        m_category->clearEditText();
        if (const auto author = readAuthorSetting())
            m_entry->writeAuthorId(*author);
        requireChild<QLabel>(this, "Label8")->setText(currentFolderText());
        showHelpText();
    });
}

void MainWindow::showHelpText()
{
    if (!regularFileExists(kHelpFileName))
        return;
    const std::string text = readWholeFile(kHelpFileName);
    setMemoTextCp932(*requireChild<QPlainTextEdit>(this, "Memo9"), text);
}

// The settings file goes into the current directory of this moment. When it
// cannot be written the window stays open, and the next close tries again.
void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool written = runGuarded(this, [this] { writeAuthorSetting(m_entry->read().authorId.str()); });
    if (written)
        event->accept();
    else
        event->ignore();
}

// The author's changes of the Category text only; a restore sets the text and
// leaves the Subcategory list as it was.
void MainWindow::comboBox2Change()
{
    runGuarded(this, [this] {
        m_subcategory->clearEditText();
        m_subcategory->clear();
        for (const std::string& entry : m_catalog.subcategoriesFor(toCp932(m_category->currentText())))
            m_subcategory->addItem(fromCp932(entry));
        // Filling a list selects its first item; the text stays empty until the
        // author picks or types one.
        m_subcategory->setCurrentIndex(-1);
        m_subcategory->clearEditText();
    });
}

void MainWindow::button2Click()
{
    runGuarded(this, [this] { previewCommand(); });
}

void MainWindow::previewCommand()
{
    RegistrationEntry entry = m_entry->read();
    const PreviewOutcome outcome = runPreviewCommand(entry);
    m_entry->writeNotes(entry.notes);
    if (outcome.previewRebuilt)
        setMemoTextCp932(*m_preview, outcome.previewText);
    switch (outcome.status) {
    case PreviewStatus::Error:
        throw RuntimeError(outcome.message);
    case PreviewStatus::Refused:
        MessageBox::message(this, fromCp932(outcome.message));
        return;
    case PreviewStatus::Success:
        break;
    }
    // A backup that cannot be written ends the command before the success message.
    if (outcome.writeBackup)
        writeBackup(m_startDirectory, entry.softwareName.str(), outcome.backupText);
    MessageBox::message(this, fromCp932(outcome.message));
}

void MainWindow::button1Click()
{
    runGuarded(this, [this] { saveText(); });
}

// The memo's text exactly as it stands, every line break CR LF, under the
// software name as typed into the current directory.
void MainWindow::saveText()
{
    const std::string message = saveTextFile(
        memoTextCp932(*m_preview), toCp932(m_softwareName->text()), [this](const std::string& cp932Question) {
            return MessageBox::confirm(this, fromCp932(cp932Question)) == MessageBox::Answer::Yes;
        });
    MessageBox::message(this, fromCp932(message));
}

} // namespace tarvo::gui
