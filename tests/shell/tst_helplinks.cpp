#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

#include "common/windowstyle.h"
#include "shell/desktopservices.h"
#include "shell/frmabout.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menucontrols.h"
#include "tests/support/modal.h"

using zelmora::frmMenuPrincipal;

namespace {

// A desktop whose network, browser and About box the test decides.
class FakeDesktop final : public zelmora::DesktopServices {
  public:
    bool networkUp = false;
    bool browserWorks = true;
    int aboutBoxes = 0;
    QStringList opened;

    void showAbout(QWidget*) override { ++aboutBoxes; }
    bool networkIsUp() override { return networkUp; }
    bool openInBrowser(const QString& address) override {
        if (browserWorks) {
            opened << address;
        }
        return browserWorks;
    }
};

}  // namespace

// Receives the addresses handed to the desktop's browser.
class BrowserSpy : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls << url; }
};

// The "?" and "!" links of the menu, and the About box.
class HelpLinksTest : public QObject {
    Q_OBJECT
  private:
    frmMenuPrincipal* menu = nullptr;
    FakeDesktop desktop;

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        desktop = FakeDesktop();
        menu = new frmMenuPrincipal;
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        menu->setDesktopServices(desktop);
        menu->show();
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }

    void cleanup() {
        zelmora::testing::stopAnswering();
        delete menu;
    }

    // What "?" does in each case is the manual's own test; here it must answer every click.
    void theManualLinkOpensTheManualOrSaysWhyNot() {
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::Ok);
        QTest::mouseClick(menu->lblLink[1], Qt::LeftButton);
        QVERIFY(seen->shown != !desktop.opened.isEmpty());
        QCOMPARE(desktop.aboutBoxes, 0);
    }

    void aboutWorksWithoutAConnection() {
        QTest::mouseClick(menu->lblLink[0], Qt::LeftButton);
        QCOMPARE(desktop.aboutBoxes, 1);
        QVERIFY(desktop.opened.isEmpty());
    }

    void theAboutBoxShowsNameMakerProductAndIcon() {
        zelmora::frmAbout about(menu);
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Zelmora"));
        QCOMPARE(about.lblName->text(), QStringLiteral("Zelmora"));
        QCOMPARE(about.lblMaker->text(), QStringLiteral("Quimbel"));
        QCOMPARE(about.lblProduct->text(), QStringLiteral("Zelmora"));
        QVERIFY(about.isModal());
        QVERIFY(about.findChild<QWidget*>(QStringLiteral("imgIcon")) != nullptr);
    }

    void theSystemAboutBoxIsModalAndReturnsWhenClosed() {
        bool seen = false;
        QTimer::singleShot(50, [&seen] {
            auto* about = qobject_cast<zelmora::frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            seen = true;
            about->cmdOK->click();
        });
        zelmora::systemDesktopServices().showAbout(menu);
        QVERIFY(seen);
    }

    void theSystemBrowserIsHandedTheAddressAndReturnsAtOnce() {
        const QString address = QStringLiteral("https://quimbel.example/zelmora-help.html");
        BrowserSpy spy;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &spy, "open");
        QVERIFY(zelmora::systemDesktopServices().openInBrowser(address));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(spy.urls, QList<QUrl>{QUrl(address)});
    }
};

QTEST_MAIN(HelpLinksTest)
#include "tst_helplinks.moc"
