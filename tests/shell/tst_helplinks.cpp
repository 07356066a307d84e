#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <utility>

#include "shell/desktopservices.h"
#include "shell/frmabout.h"
#include "shell/frmmenuprincipal.h"
#include "tests/support/popupmenu.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmMenuPrincipal;
using zelmora::testing::control;

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
class HelpLinksTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    QPointer<frmMenuPrincipal> menu;
    FakeDesktop desktop;

    void click(const QString& name) { QTest::mouseClick(control(menu, name), Qt::LeftButton); }

  protected:
    void setUpTest() override {
        desktop = FakeDesktop();
        menu = new frmMenuPrincipal;
        menu->setDesktopServices(desktop);
        QVERIFY(zelmora::testing::showActive(menu));
    }

  private slots:
    // What "?" does in each case is the manual's own test; here it must answer every click.
    void theManualLinkOpensTheManualOrSaysWhyNot() {
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::Ok);
        click(QStringLiteral("lblLink(1)"));
        QVERIFY(seen->shown != !desktop.opened.isEmpty());
        QCOMPARE(desktop.aboutBoxes, 0);
    }

    void aboutWorksWithoutAConnection() {
        click(QStringLiteral("lblLink(0)"));
        QCOMPARE(desktop.aboutBoxes, 1);
        QVERIFY(desktop.opened.isEmpty());
    }

    // The links and the gear act on a click without taking the focus from where the user was
    // (the caret stays in the box of decimals), and Tab still reaches them.
    void clickedLinksLeaveTheFocusWhereItWas_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<int>("desktopCalls");
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("-") << "lblLink(2)"
                           << "txtFormat"
                           << "7" << 0 << true;
        QTest::newRow("+") << "lblLink(3)"
                           << "txtFormat"
                           << "9" << 0 << true;
        QTest::newRow("?") << "lblLink(1)"
                           << "txtFormat"
                           << "8" << 1 << true;
        QTest::newRow("!") << "lblLink(0)"
                           << "txtFormat"
                           << "8" << 1 << true;
        // The gear hides the panel, box and all.
        QTest::newRow("gear") << "imgConf"
                              << "cmdButton(2)"
                              << "8" << 0 << false;
    }
    void clickedLinksLeaveTheFocusWhereItWas() {
        QFETCH(QString, clicked);
        QFETCH(QString, focused);
        QFETCH(QString, decimals);
        QFETCH(int, desktopCalls);
        QFETCH(bool, panelShown);
        desktop.networkUp = true;
        click(QStringLiteral("imgConf"));
        QVERIFY(zelmora::testing::typeOver(control<QLineEdit>(menu, "txtFormat"), "8"));
        QVERIFY(zelmora::testing::tabTo(control(menu, focused)));
        // "?" may answer with a message instead of a page (the page is not beside the test).
        const auto seen = zelmora::testing::answerNextMessageBox();
        click(clicked);
        zelmora::testing::stopAnswering();
        if (seen->shown) {
            // The window manager gives the activation back to the menu when its box closes.
            menu->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(menu));
        }
        QVERIFY(control(menu, focused)->hasFocus());
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), decimals);
        QCOMPARE(desktop.opened.size() + desktop.aboutBoxes + (seen->shown ? 1 : 0), desktopCalls);
        QCOMPARE(control(menu, QStringLiteral("frmePi"))->isVisible(), panelShown);
        if (!panelShown) {
            click(QStringLiteral("imgConf"));
        }
        QVERIFY(zelmora::testing::tabTo(control(menu, clicked)));
    }

    // Through the window system, as a real double click comes: it counts as one click.
    void aDoubleClickCountsOnce_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("aboutBoxes");
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("!") << "lblLink(0)" << 1 << false;
        QTest::newRow("gear") << "imgConf" << 0 << true;
    }
    void aDoubleClickCountsOnce() {
        QFETCH(QString, clicked);
        QFETCH(int, aboutBoxes);
        QFETCH(bool, panelShown);
        zelmora::testing::doubleClick(control(menu, clicked));
        QCOMPARE(desktop.aboutBoxes, aboutBoxes);
        QCOMPARE(control(menu, "frmePi")->isVisible(), panelShown);
    }

    // Every control of the menu answers Enter and Space once Tab has reached it, and is heard by
    // its name.
    void keysChooseEveryControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<QString>("opened");  // a window's class, or what else shows
        for (const auto& [key, tag] :
             {std::pair{int(Qt::Key_Return), "Enter"}, std::pair{int(Qt::Key_Space), "Space"}}) {
            QTest::addRow("solver, %s", tag) << "cmdButton(1)" << key << "Teorema de Pitágoras"
                                             << "frmPitagoras";
            QTest::addRow("converter, %s", tag)
                << "cmdButton(2)" << key << "Convertidor de unidades"
                << "frmConvert";
            QTest::addRow("gear, %s", tag) << "imgConf" << key << "Opciones"
                                           << "frmePi";
            QTest::addRow("!, %s", tag) << "lblLink(0)" << key << "Acerca de Zelmora"
                                        << "About";
        }
    }
    void keysChooseEveryControl() {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(QString, heard);
        QFETCH(QString, opened);
        QWidget* chosen = control(menu, name);
        QCOMPARE(zelmora::testing::accessibleName(chosen), heard);
        QVERIFY(zelmora::testing::tabTo(chosen));
        QTest::keyClick(chosen, static_cast<Qt::Key>(key));
        QStringList shown;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window != menu && window->isVisible()) {
                shown << window->objectName();
            }
        }
        if (control(menu, "frmePi")->isVisible()) {
            shown << QStringLiteral("frmePi");
        }
        for (int i = 0; i < desktop.aboutBoxes; ++i) {
            shown << QStringLiteral("About");
        }
        QCOMPARE(shown, QStringList{opened});
    }

    // Chosen from the keyboard, with the pointer elsewhere, the figures pop-up opens on the
    // picture rather than at the pointer.
    void theFiguresPopUpOpensOnItsPictureFromTheKeyboard() {
        QWidget* picture = control(menu, "cmdButton(0)");
        const QRect place(picture->mapToGlobal(QPoint(0, 0)), picture->size());
        QCursor::setPos(menu->mapToGlobal(QPoint(menu->width() - 5, menu->height() - 5)));
        QVERIFY(zelmora::testing::tabTo(picture));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            const auto seen = zelmora::testing::chooseFromPopup(
                [picture, key] { QTest::keyClick(picture, key); }, QString());
            QVERIFY(seen.shown);
            QVERIFY2(
                place.contains(seen.place.topLeft()),
                qPrintable(
                    QStringLiteral("pop-up at %1,%2").arg(seen.place.x()).arg(seen.place.y())));
        }
    }

    void theAboutBoxShowsNameMakerProductAndIcon() {
        zelmora::frmAbout about(menu);
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Zelmora"));
        QCOMPARE(control<QLabel>(&about, "lblName")->text(), QStringLiteral("Zelmora"));
        QCOMPARE(control<QLabel>(&about, "lblMaker")->text(), QStringLiteral("Quimbel"));
        QCOMPARE(control<QLabel>(&about, "lblProduct")->text(), QStringLiteral("Zelmora"));
        // In the order the box reads: the name, then the maker, then the product.
        about.layout()->activate();
        QVERIFY(control<QLabel>(&about, "lblName")->y() < control<QLabel>(&about, "lblMaker")->y());
        QVERIFY(control<QLabel>(&about, "lblMaker")->y() <
                control<QLabel>(&about, "lblProduct")->y());
        QVERIFY(about.isModal());
        // Its whole title fits a title bar drawn in a bold title font, beside the icon and three
        // buttons of a title bar's height each.
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const QFontMetrics title(titleFont);
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Zelmora"));
        about.adjustSize();
        QVERIFY2(about.width() >= title.horizontalAdvance(about.windowTitle()) + 4 * title.height(),
                 qPrintable(QString::number(about.width())));
        QVERIFY(about.findChild<QWidget*>(QStringLiteral("imgIcon")) != nullptr);
    }

    void theSystemAboutBoxIsModalAndReturnsWhenClosed() {
        bool seen = false;
        QTimer::singleShot(50, [&seen] {
            auto* about = qobject_cast<zelmora::frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            seen = true;
            QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
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
