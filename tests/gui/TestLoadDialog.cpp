#include "GuiTestSupport.h"

#include "WidgetLookup.h"
#include "gui/FormNames.h"
#include "gui/LoadDialog.h"
#include "gui/QtText.h"
#include "gui/desktop/Fonts.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using tarvo::gui::LoadDialog;
using tarvo::gui::requireChild;
namespace form = tarvo::gui::form;

class TestLoadDialog : public QObject {
    Q_OBJECT

private:
    LoadDialog* dialog = nullptr;
    QPushButton* load() { return requireChild<QPushButton>(dialog, form::loadButton); }
    QPushButton* cancel() { return requireChild<QPushButton>(dialog, form::cancelButton); }
    QListView* list() { return requireChild<QListView>(dialog, form::backupList); }
    QModelIndex entry(int row) { return list()->model()->index(row, 0); }
    void select(int row) { list()->selectionModel()->select(entry(row), QItemSelectionModel::Select); }
    bool noneSelected() { return list()->selectionModel()->selectedIndexes().isEmpty(); }
    // The dialog lists backups by their software names.
    static std::vector<tarvo::ListedBackup> backups(const QStringList& names)
    {
        std::vector<tarvo::ListedBackup> listed;
        for (const QString& name : names)
            listed.push_back({ {}, { std::nullopt, name.toStdString(), {} }, {} });
        return listed;
    }
    QString chosenName() const
    {
        const std::optional<tarvo::ListedBackup> chosen = dialog->selectedBackup();
        return chosen ? QString::fromStdString(chosen->softwareName.shown) : QStringLiteral("(none)");
    }
    void openActive(const QStringList& names)
    {
        dialog->openWith(backups(names));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

private slots:
    void init() { dialog = new LoadDialog; }
    void cleanup() { delete dialog; }

    // Refilled as the dialog refills it, the list's model keeps Qt's model rules.
    void backupModelKeepsTheModelRules()
    {
        QAbstractItemModelTester tester(list()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const QStringList& names : { QStringList { "a", "表ソフト", "c" }, QStringList {}, QStringList { "b" } }) {
            dialog->openWith(backups(names));
            QCOMPARE(list()->model()->rowCount(), names.size());
            for (int row = 0; row < names.size(); ++row)
                QCOMPARE(entry(row).data().toString(), names[row]);
        }
    }

    void formMatchesItsDesign()
    {
        QCOMPARE(dialog->objectName(), form::loadDialog.qt());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("バックアップファイルロード"));
        QCOMPARE(dialog->size(), QSize(233, 168));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(
            !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->font().pixelSize(), 12);
        QCOMPARE(dialog->font().families().front(), tarvo::gui::test::drawnFamily(tarvo::gui::kProportionalGothic));
        QVERIFY(!dialog->layout());
        QVERIFY(!dialog->isVisible());
    }

    void controlsStandWhereDesigned()
    {
        QCOMPARE(load()->geometry(), QRect(32, 144, 75, 17));
        QCOMPARE(load()->text(), QStringLiteral("Load"));
        QCOMPARE(cancel()->geometry(), QRect(120, 144, 75, 17));
        QCOMPARE(cancel()->text(), QStringLiteral("Cancel"));
        QCOMPARE(list()->geometry(), QRect(8, 8, 217, 129));
        QCOMPARE(list()->selectionMode(), QAbstractItemView::SingleSelection);
        for (QPushButton* button : { load(), cancel() }) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        QCOMPARE(load()->nextInFocusChain(), cancel());
        QCOMPARE(cancel()->nextInFocusChain(), list());
    }

    void openingListsEntriesInGivenOrderWithNoSelection()
    {
        openActive({ QStringLiteral("b"), QStringLiteral("A"), QString(), QStringLiteral("ソフト") });
        QVERIFY(dialog->isVisible());
        QCOMPARE(list()->model()->rowCount(), 4);
        const QStringList shown { entry(0).data().toString(), entry(1).data().toString(), entry(2).data().toString(),
            entry(3).data().toString() };
        QCOMPARE(
            shown, (QStringList { QStringLiteral("b"), QStringLiteral("A"), QString(), QStringLiteral("ソフト") }));
        QCOMPARE(list()->visualRect(entry(1)).height(), 12);
        QVERIFY(noneSelected());

        // Reopening rebuilds the list and forgets the earlier choice.
        select(1);
        dialog->openWith(backups({ QStringLiteral("x") }));
        QCOMPARE(list()->model()->rowCount(), 1);
        QVERIFY(noneSelected());
    }

    void loadSignalsTheSelectedBackupOrNone()
    {
        openActive({ QStringLiteral("a"), QStringLiteral("b") });
        QStringList requested;
        connect(dialog, &LoadDialog::loadRequested, this, [&requested](const auto& chosen) {
            requested.append(chosen ? QString::fromStdString(chosen->softwareName.shown) : QStringLiteral("(none)"));
        });
        QTest::mouseClick(load(), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        select(1);
        QTest::mouseClick(load(), Qt::LeftButton);
        QCOMPARE(requested, (QStringList { QStringLiteral("(none)"), QStringLiteral("b") }));
    }

    // The list holds the focus when the dialog opens, with nothing chosen; the
    // first ↓ chooses the first entry.
    void listHoldsTheFocusFromTheStart()
    {
        openActive({ QStringLiteral("a"), QStringLiteral("b") });
        QCOMPARE(QApplication::focusWidget(), list());
        QVERIFY(noneSelected());
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(chosenName(), QStringLiteral("a"));
    }

    void focusOnTheListTakesNoEntry()
    {
        openActive({ QStringLiteral("a"), QStringLiteral("b") });
        list()->setFocus(Qt::TabFocusReason);
        QVERIFY(list()->hasFocus());
        QVERIFY(!list()->currentIndex().isValid());
        QVERIFY(noneSelected());
        QCOMPARE(chosenName(), QStringLiteral("(none)"));
    }

    void escapeDoesNothing()
    {
        openActive({ QStringLiteral("a") });
        QSignalSpy requested(dialog, &LoadDialog::loadRequested);
        for (QWidget* target :
            { static_cast<QWidget*>(list()), static_cast<QWidget*>(load()), static_cast<QWidget*>(cancel()) }) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(requested.count(), 0);
    }

    // Enter in the list is "Load", chosen or not; on a button, that button.
    void enterPressesTheFocusedButtonOrLoadsFromTheList()
    {
        openActive({ QStringLiteral("a"), QStringLiteral("b") });
        QStringList requested;
        connect(dialog, &LoadDialog::loadRequested, this, [&requested](const auto& chosen) {
            requested.append(chosen ? QString::fromStdString(chosen->softwareName.shown) : QStringLiteral("(none)"));
        });
        QTest::keyClick(list(), Qt::Key_Return);
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Enter);
        load()->setFocus();
        QTest::keyClick(load(), Qt::Key_Return);
        QCOMPARE(requested, (QStringList { QStringLiteral("(none)"), QStringLiteral("b"), QStringLiteral("b") }));
        QVERIFY(dialog->isVisible());

        cancel()->setFocus();
        QTest::keyClick(cancel(), Qt::Key_Enter);
        QCOMPARE(requested.size(), 3);
        QVERIFY(!dialog->isVisible());
    }

    void doubleClickOnlySelects()
    {
        openActive({ QStringLiteral("a"), QStringLiteral("b") });
        QSignalSpy requested(dialog, &LoadDialog::loadRequested);
        const QRect second = list()->visualRect(entry(1));
        QSignalSpy doubleClicked(list(), &QListView::doubleClicked);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(requested.count(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(chosenName(), QStringLiteral("b"));
        QVERIFY(!list()->isPersistentEditorOpen(entry(1)));
    }

    void cancelAndCloseBoxOnlyHide()
    {
        openActive({ QStringLiteral("a") });
        QSignalSpy requested(dialog, &LoadDialog::loadRequested);
        QTest::mouseClick(cancel(), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        openActive({ QStringLiteral("a") });
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(requested.count(), 0);

        // Hidden, not gone: the next opening shows it again.
        openActive({ QStringLiteral("c") });
        QVERIFY(dialog->isVisible());
    }

    void centredOnTheScreenAtEveryOpening()
    {
        openActive({ QStringLiteral("a") });
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = dialog->frameGeometry().size();
        const QPoint expected((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
        QCOMPARE(dialog->frameGeometry().topLeft(), screen.topLeft() + expected);

        dialog->move(3, 4);
        dialog->openWith(backups({ QStringLiteral("b") }));
        QCOMPARE(dialog->frameGeometry().topLeft(), screen.topLeft() + expected);
    }

    void centringTruncatesHalves()
    {
        struct Case {
            QSize outer;
            QRect screen;
            QPoint expected;
        };
        const Case cases[] = {
            { { 233, 168 }, { 0, 0, 800, 600 }, { 283, 216 } },
            { { 234, 169 }, { 0, 0, 801, 601 }, { 283, 216 } },
            { { 241, 193 }, { 1920, 0, 1280, 1024 }, { 1920 + 519, 415 } },
            { { 900, 700 }, { 0, 0, 800, 601 }, { -50, -49 } },
        };
        for (const Case& c : cases)
            QCOMPARE(LoadDialog::centredPosition(c.outer, c.screen), c.expected);
    }
};

QTEST_MAIN(TestLoadDialog)
#include "TestLoadDialog.moc"
