#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "common/windowstyle.h"
#include "shell/application.h"
#include "shell/desktopservices.h"
#include "shell/manual.h"
#include "tests/support/modal.h"

namespace {

// A desktop whose network and browser the test decides; it counts the connection checks.
class FakeDesktop final : public zelmora::DesktopServices {
  public:
    bool networkUp = false;
    bool browserWorks = true;
    int networkChecks = 0;
    QStringList opened;

    void showAbout(QWidget*) override {}
    bool networkIsUp() override {
        ++networkChecks;
        return networkUp;
    }
    bool openInBrowser(const QString& address) override {
        if (browserWorks) {
            opened << address;
        }
        return browserWorks;
    }
};

const QString kWebAddress = QStringLiteral("https://quimbel.example/zelmora-help.html");
const QString kNoConnection =
    QStringLiteral("Se requiere una conexión a Internet, intente más tarde.");
const QString kNoPage = QStringLiteral(
    "No se encuentra el manual de Zelmora en este equipo. Vuelva a instalar el programa para "
    "recuperarlo.");
const QString kNoBrowser = QStringLiteral(
    "No se pudo abrir el navegador web para mostrar el manual. Puede abrirlo usted mismo en esta "
    "dirección:\n");

enum class Page { Web, Installed, Missing };

}  // namespace

// The menu's "?" through a fake desktop: the web address, the installed page and their failures.
class ManualTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir scratch;
    QString installedPage;  // in a folder whose name needs encoding in an address

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QVERIFY(scratch.isValid());
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("Zelmora ñ/manual")));
        installedPage = scratch.filePath(QStringLiteral("Zelmora ñ/manual/zelmora-help.html"));
        QFile page(installedPage);
        QVERIFY(page.open(QIODevice::WriteOnly));
    }

    void cleanup() { zelmora::testing::stopAnswering(); }

    // With no web address, the default, the page is looked for beside the installed program
    // (../share/zelmora/manual/) and then beside the program in its build folder (manual/).
    void theInstalledPageIsFoundFromTheProgram() {
        const zelmora::ManualSource source = zelmora::builtInManual();
        QCOMPARE(source.webAddress, QString());
        const QDir program(QCoreApplication::applicationDirPath());
        QStringList expected;
        for (const char* place :
             {"../share/zelmora/manual/zelmora-help.html", "manual/zelmora-help.html"}) {
            expected << QDir::cleanPath(program.filePath(QLatin1String(place)));
        }
        QStringList found;
        for (const QString& path : source.pagePaths) {
            found << QDir::cleanPath(path);
        }
        QCOMPARE(found, expected);
    }

    void questionMark_data() {
        QTest::addColumn<Page>("page");
        QTest::addColumn<bool>("networkUp");
        QTest::addColumn<bool>("browserWorks");
        QTest::addColumn<int>("networkChecks");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");

        using enum Page;
        const auto info = QMessageBox::Information;
        const auto error = QMessageBox::Critical;
        const auto none = QMessageBox::NoIcon;
        QTest::newRow("web, connected") << Web << true << true << 1 << true << QString() << none;
        QTest::newRow("web, no connection")
            << Web << false << true << 1 << false << kNoConnection << info;
        QTest::newRow("web, no browser")
            << Web << true << false << 1 << false << kNoBrowser + kWebAddress << error;
        QTest::newRow("installed, offline")
            << Installed << false << true << 0 << true << QString() << none;
        QTest::newRow("installed, no browser")
            << Installed << true << false << 0 << false << QString(kNoBrowser) << error;
        QTest::newRow("missing") << Missing << true << true << 0 << false << kNoPage << error;
    }

    void questionMark() {
        QFETCH(Page, page);
        QFETCH(bool, networkUp);
        QFETCH(bool, browserWorks);
        QFETCH(int, networkChecks);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);

        const QString elsewhere = scratch.filePath(QStringLiteral("nowhere/zelmora-help.html"));
        zelmora::ManualSource source;
        if (page == Page::Web) {
            source.webAddress = kWebAddress;
        } else {
            source.pagePaths = {elsewhere, page == Page::Installed ? installedPage : elsewhere};
        }
        if (page == Page::Installed && message == kNoBrowser) {
            message += installedPage;
        }
        FakeDesktop desktop;
        desktop.networkUp = networkUp;
        desktop.browserWorks = browserWorks;
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));

        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::Ok);
        zelmora::openManual(desktop, &owner, source);

        QCOMPARE(desktop.networkChecks, networkChecks);
        QCOMPARE(seen->shown, !message.isEmpty());
        QCOMPARE(seen->text, message);
        if (seen->shown) {
            QCOMPARE(seen->icon, icon);
            QCOMPARE(seen->title, QStringLiteral("Zelmora"));
            QCOMPARE(seen->buttons, QStringList{QStringLiteral("Aceptar")});
            QCOMPARE(seen->defaultButton, QStringLiteral("Aceptar"));
        }
        QCOMPARE(desktop.opened.size(), opens ? 1 : 0);
        if (opens) {
            const QUrl url(desktop.opened.first());
            QCOMPARE(url.isLocalFile() ? url.toLocalFile() : url.toString(),
                     page == Page::Web ? kWebAddress : installedPage);
        }
    }
};

QTEST_MAIN(ManualTest)
#include "tst_manual.moc"
