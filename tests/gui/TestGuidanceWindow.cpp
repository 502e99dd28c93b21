#include "GuiTestSupport.h"

#include "gui/UrlOpener.h"
#include "gui/pages/AboutPanel.h"
#include "gui/widgets/ClickableLabel.h"

#include "core/guidance/LinkSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

using namespace tarvo::gui;
using tarvo::HelpTopic;
using tarvo::LinkId;

namespace {

const QString kSite = QStringLiteral("http://" TARVO_SITE_HOST);
const QString kSecureSite = QStringLiteral("https://" TARVO_SECURE_HOST);
const QString kHomePage = QStringLiteral(TARVO_HOMEPAGE_URL);
const QColor kNavy(0x00, 0x00, 0x80);

} // namespace

class TestGuidanceWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;
    QStringList m_opened;

    template <typename T> T* control(const char* name) const { return m_ui->control<T>(name); }

    void clickOn(QWidget* widget)
    {
        MessageBox::clearShown();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<test::WindowUnderTest>();
        m_opened.clear();
        UrlOpener::setHandlerForTesting([this](const QString& address) { m_opened << address; });
    }

    void cleanup()
    {
        UrlOpener::setHandlerForTesting({});
        m_ui.reset();
    }

    void helpPanels_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("headline") << 0 << form::helpPanel(HelpTopic::Headline) << form::headline
                                  << "そのソフトの印象を強く与えるように一行で説明して下さい。";
        QTest::newRow("archive file name")
            << 0 << form::helpPanel(HelpTopic::ArchiveFileName) << form::archiveFileName
            << "例えば、「xyz」というソフトだったらネット上で公開した時には圧縮とか普通していま"
               "すので「xyz.lzh」「xyz.zip」とかなってますよね。このファイル名を記入します。";
        QTest::newRow("publication file name")
            << 0 << form::helpPanel(HelpTopic::PublicationFileName) << form::publicationFileName
            << "タルヴォを通して雑誌などから掲載依頼が来た時に雑誌に載せる時のファイル名をあらか"
               "じめ決めておきます。大抵は雑誌の編集部から直接聞いてくるので後で変えることもでき"
               "ますが、一応入力しておきます。一般には全部半角英語の小文字で書くようです。";
        QTest::newRow("machine") << 0 << form::helpPanel(HelpTopic::Machine) << form::machine
                                 << "通常は「汎用」と書きます。詳しくは、「書き方のヘルプ」をどうぞ。";
        QTest::newRow("notes") << 0 << form::helpPanel(HelpTopic::Notes) << form::notes
                               << "何かあれば書きます。「正式版完成のときには書籍へも入れていいです。 」などのように"
                                  "書きます。";
        QTest::newRow("shareware fee")
            << 1 << form::helpPanel(HelpTopic::SharewareFee) << form::sharewareFee
            << "500円～15000円の範囲内で自分のソフトの価格を設定します。実際に支払われる料金は違う"
               "ので右の「計算」ボタンを押してみましょう。";
        QTest::newRow("shareware conditions")
            << 1 << form::helpPanel(HelpTopic::SharewareConditions) << form::sharewareConditions
            << "書き方の例としては、「試用期限は2週間までです。それを過ぎると起動時に送金をうなが"
               "すダイアログが表示されます。銀行振込や郵便振替の場合は解除キーを送付するメールアド"
               "レスか住所を一緒に送付してください。」のような感じで書いて下さい。 ";
        QTest::newRow("bank remittance")
            << 1 << form::helpPanel(HelpTopic::BankRemittance) << form::bankRemittance
            << "お金を振り込む銀行名と口座番号を記入します。「ABC銀行 練馬支店 普通 1234567 山川 "
               "一郎」のような感じで書きます。";
        QTest::newRow("postal remittance")
            << 1 << form::helpPanel(HelpTopic::PostalRemittance) << form::postalRemittance
            << "これも同じです。必須ではありません。「振込口座 230-4-518294 山川 一郎」のように書"
               "きます。";
        QTest::newRow("registered product number")
            << 1 << form::helpPanel(HelpTopic::RegisteredProductNumber) << form::registeredProductNumber
            << "Tarvoから正式に受けたルミペイ作品番号を記入して下さい。";
        QTest::newRow("nifty remittance")
            << 1 << form::helpPanel(HelpTopic::NiftyRemittance) << form::niftyRemittance
            << "Nifty Serveの送金代行システムを御利用する方は「○○番」のように記入して下さい。但"
               "し、Nifty Serveに申し込んでないと記入できません！";
        QTest::newRow("other remittance")
            << 1 << form::helpPanel(HelpTopic::OtherRemittance) << form::otherRemittance << "これも同様です。";
    }

    // The text in a plain box; the field beside it is neither focused nor changed.
    void helpPanels()
    {
        QFETCH(int, page);
        QFETCH(QString, panel);
        QFETCH(QString, field);
        m_ui->showPage(page);
        auto* button = control<ClickableLabel>(panel.toLatin1().constData());
        QCOMPARE(button->text(), QStringLiteral("?"));
        // 12 x 12 as designed, or larger where the font's line is taller.
        QVERIFY(button->width() >= 12 && button->height() >= 12);
        QCOMPARE(button->cursor().shape(), Qt::WhatsThisCursor);
        QWidget* entry = control<QWidget>(field.toLatin1().constData());
        // A click leaves the focus where it was.
        QWidget* focused = control<QTabWidget>(form::pages)->tabBar();
        focused->setFocus();
        clickOn(button);
        QVERIFY(focused->hasFocus());
        QFETCH(QString, text);
        QCOMPARE(test::shownTexts(), QStringList { text });
        const MessageBox::Record shown = MessageBox::shown().front();
        QCOMPARE(shown.kind, MessageBox::Kind::Message);
        QCOMPARE(shown.title, QStringLiteral("Tarvo Registration System"));
        QVERIFY(!entry->hasFocus());
        if (auto* edit = qobject_cast<QLineEdit*>(entry))
            QCOMPARE(edit->text(), QString());
    }

    void sizePanel_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << "0バイト使用";
        QTest::newRow("full-width") << "あいう"
                                    << "6バイト使用";
        QTest::newRow("half-width") << "abc"
                                    << "3バイト使用";
        QTest::newRow("two lines") << "ab\ncd"
                                   << "4バイト使用";
        QTest::newRow("empty lines") << "\n\n"
                                     << "0バイト使用";
        QTest::newRow("long wrapped line") << QString(400, QChar(u'字')) << "800バイト使用";
    }

    void sizePanel()
    {
        QFETCH(QString, description);
        auto* memo = control<QPlainTextEdit>(form::description);
        memo->setPlainText(description);
        // The long line shows wrapped over several lines of the field.
        if (description.size() > 100)
            QTRY_VERIFY(memo->document()->firstBlock().layout()->lineCount() > 2);
        auto* size = control<ClickableLabel>(form::sizePanel);
        clickOn(size);
        QFETCH(QString, message);
        QCOMPARE(test::shownTexts(), QStringList { message });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Message);
        QCOMPARE(memo->toPlainText(), description);
    }

    void sizePanelLooksLikeItsDesign()
    {
        auto* size = control<ClickableLabel>(form::sizePanel);
        QCOMPARE(size->text(), QStringLiteral("size"));
        QCOMPARE(size->size(), QSize(31, 15));
        QCOMPARE(size->toolTip(), QStringLiteral("この「内容説明」の総バイト数を計算します。"));
        QCOMPARE(size->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(size->palette().color(QPalette::Window), QColor(0x00, 0x80, 0x80));
        QCOMPARE(size->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    void siteLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("official site") << form::link(LinkId::OfficialSite) << kSite + "/" << Qt::PointingHandCursor;
        QTest::newRow("replace a submission")
            << form::link(LinkId::ReplaceSubmission) << kSite + "/for_authors/upload/soft_reg.html" << Qt::ArrowCursor;
        QTest::newRow("author registration")
            << form::link(LinkId::AuthorRegistration) << kSite + "/for_authors/upload/auth_reg.html" << Qt::ArrowCursor;
        QTest::newRow("author password") << form::link(LinkId::AuthorPassword) << kSite + "/for_authors/pw/index.html"
                                         << Qt::ArrowCursor;
        QTest::newRow("shareware registration")
            << form::link(LinkId::SharewareRegistration) << kSite + "/swauth/man/" << Qt::ArrowCursor;
        QTest::newRow("shareware author information")
            << form::link(LinkId::SharewareAuthorInfo) << kSecureSite + "/swauth/auth.entry" << Qt::ArrowCursor;
    }

    // The caption is the full address; a click opens exactly it, asking nothing.
    void siteLinks()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        m_ui->showPage(2);
        auto* link = this->control<ClickableLabel>(control.toLatin1().constData());
        QCOMPARE(link->text(), address);
        QVERIFY(link->font().bold());
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), kNavy);
        QTEST(link->cursor().shape(), "cursor");
        clickOn(link);
        QCOMPARE(m_opened, QStringList { address });
        QCOMPARE(test::shownTexts(), QStringList());
    }

    void homePageLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("question");
        QTest::addColumn<MessageBox::Answer>("answer");
        QTest::addColumn<bool>("opens");
        const QString label = QStringLiteral("当HP「Velmo Studio」へ行きますか？");
        const QString banner = QStringLiteral("当ホームページ「Velmo Studio」へ行きますか？");
        const char* aboutPanelLink = form::link(LinkId::HomePageInAbout);
        const char* bannerLink = form::link(LinkId::HomePageBanner);
        QTest::newRow("about panel, yes") << aboutPanelLink << label << MessageBox::Answer::Yes << true;
        QTest::newRow("about panel, no") << aboutPanelLink << label << MessageBox::Answer::No << false;
        QTest::newRow("about panel, closed") << aboutPanelLink << label << MessageBox::Answer::Ok << false;
        QTest::newRow("banner, yes") << bannerLink << banner << MessageBox::Answer::Yes << true;
        QTest::newRow("banner, no") << bannerLink << banner << MessageBox::Answer::No << false;
    }

    void homePageLinks()
    {
        QFETCH(QString, control);
        QFETCH(MessageBox::Answer, answer);
        QFETCH(bool, opens);
        m_ui->showPage(2);
        MessageBox::clearNextAnswers();
        MessageBox::setNextAnswer(answer);
        clickOn(this->control<QLabel>(control.toLatin1().constData()));
        QFETCH(QString, question);
        QCOMPARE(test::shownTexts(), QStringList { question });
        const MessageBox::Record asked = MessageBox::shown().front();
        QCOMPARE(asked.kind, MessageBox::Kind::Question);
        QCOMPARE(asked.title, QStringLiteral("Tarvo Registration System"));
        QCOMPARE(asked.icon, QMessageBox::NoIcon);
        QCOMPARE(m_opened, opens ? QStringList { kHomePage } : QStringList());
    }

    // Lead-in texts, the heading and the drawn texts of the about panel are
    // no links.
    void onlyTheLinksReact()
    {
        m_ui->showPage(2);
        for (QLabel* label : m_ui->window().findChildren<QLabel*>()) {
            if (label->text().startsWith(QStringLiteral("★")) || label->text().startsWith(QStringLiteral("***")))
                clickOn(label);
        }
        auto* about = control<AboutPanel>(form::aboutPanel);
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(250, 158));
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(test::shownTexts(), QStringList());
    }

    void aboutPanelAndBannerStandOnTheHelpPage()
    {
        const QString homePageLink = QString::fromLatin1(form::link(LinkId::HomePageInAbout));
        QCOMPARE(m_ui->window().findChildren<QWidget*>(homePageLink).size(), 1);
        auto* about = control<AboutPanel>(form::aboutPanel);
        QCOMPARE(about->size(), QSize(417, 169));
        QCOMPARE(about->homePageLink(), control<QLabel>(form::link(LinkId::HomePageInAbout)));
        auto* banner = control<ClickableLabel>(form::link(LinkId::HomePageBanner));
        QCOMPARE(banner->pixmap().size(), QSize(88, 31));
        QCOMPARE(banner->contentsRect().size(), QSize(88, 31));
        QCOMPARE(banner->frameShape(), QFrame::Panel);
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestGuidanceWindow)
#include "TestGuidanceWindow.moc"
