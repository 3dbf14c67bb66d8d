// Lexiparc — GPL-3.0-or-later.
// The start screen: shared state, single instance, the settings timer and the hand-over.
#include "WindowFixture.h"

#include "app/Frm01Boot.h"
#include "common/Windows.h"

#include <QFrame>
#include <QPushButton>

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QtTest>

class TestBoot : public QObject, WindowFixture<> {
    Q_OBJECT

    // A start screen whose hand-over only counts.
    Frm01Boot* boot(int* handovers)
    {
        auto* b = new Frm01Boot(ctx_);
        b->setAttribute(Qt::WA_DeleteOnClose, false);
        b->montreChargement = [handovers](AppContext&) { ++*handovers; };
        return b;
    }

private slots:
    void init()
    {
        reset(Module{});  // the start screen fills the shared state itself
    }

    void loadFillsSharedState()
    {
        platform_.appFolder = QStringLiteral("/opt/lexiparc");
        int handovers = 0;
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        QCOMPARE(module_.SautLigne, QStringLiteral("\r\n"));
        QCOMPARE(module_.MsgTitre, QStringLiteral("Lexiparc"));
        QCOMPARE(module_.CheminApp, QStringLiteral("/opt/lexiparc/"));
        QCOMPARE(module_.FichierDef, QStringLiteral("/opt/lexiparc/definitions1.20.ret"));
        QCOMPARE(b->ImgLogo->pixmap().isNull(), b->ImgL->pixmap().isNull());
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(b->TimReg->isActive());
        QCOMPARE(b->TimReg->interval(), 500);
    }

    void rootFolderKeepsItsSeparator()
    {
        platform_.appFolder = QStringLiteral("/");
        int handovers = 0;
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        QCOMPARE(module_.CheminApp, QStringLiteral("/"));
        QCOMPARE(module_.FichierDef, QStringLiteral("/definitions1.20.ret"));
    }

    void secondInstanceOnlyShowsTheMessage()
    {
        platform_.otherInstance = true;
        int handovers = 0;
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Le programme est déja lancé."));
        QCOMPARE(platform_.messages[0].title, QStringLiteral("Lexiparc"));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Exclamation);
        QCOMPARE(platform_.messages[0].buttons, Platform::Buttons::Ok);
        QCOMPARE(platform_.quitCalls, 1);
        QVERIFY(!b->TimReg->isActive());
        QTest::qWait(700);
        QCOMPARE(handovers, 0);
        QVERIFY(platform_.settingWrites.isEmpty());
    }

    void settings_data()
    {
        QTest::addColumn<QStringList>("saved");  // ChargeAnag, ChargeSyno, CouleurMDI, CouleurBar; "-" absent
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<int>("anag");
        QTest::addColumn<int>("syno");
        QTest::addColumn<QString>("mdi");
        QTest::addColumn<QString>("bar");
        const QStringList firstRun{"ChargeAnag=1", "ChargeSyno=1", "CouleurMDI=&HFFFFFF", "CouleurBar=&HE0E0E0"};
        QTest::newRow("first run") << QStringList{"-", "-", "-", "-"} << firstRun << 1 << 1 << "&HFFFFFF"
                                   << "&HE0E0E0";
        QTest::newRow("empty ChargeAnag counts as first run")
            << QStringList{"", "0", "123", "456"} << firstRun << 1 << 1 << "&HFFFFFF"
            << "&HE0E0E0";
        QTest::newRow("0 and 1") << QStringList{"0", "1", "16777215", "&HE0E0E0"} << QStringList{} << 0 << 1
                                 << "16777215"
                                 << "&HE0E0E0";
        QTest::newRow("junk gives 0") << QStringList{"oui", "x1", "&H0", "&H1"} << QStringList{} << 0 << 0 << "&H0"
                                      << "&H1";
        QTest::newRow("256 gives 0") << QStringList{"256", "255", "1", "2"} << QStringList{} << 0 << 255 << "1"
                                     << "2";
        QTest::newRow("empty syno and colours") << QStringList{"1", "", "-", "-"} << QStringList{} << 1 << 0 << ""
                                                << "";
    }
    void settings()
    {
        QFETCH(QStringList, saved);
        QFETCH(QStringList, writes);
        QFETCH(int, anag);
        QFETCH(int, syno);
        QFETCH(QString, mdi);
        QFETCH(QString, bar);
        const QStringList keys{"ChargeAnag", "ChargeSyno", "CouleurMDI", "CouleurBar"};
        for (int i = 0; i < 4; ++i)
            if (saved[i] != QLatin1String("-"))
                platform_.settings[keys[i]] = saved[i];
        int handovers = 0;
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        b->TimReg_Timer();
        QCOMPARE(platform_.settingWrites, writes);
        QCOMPARE(int(module_.OptChargeAnag), anag);
        QCOMPARE(int(module_.OptChargeSyno), syno);
        QCOMPARE(module_.OptCouleurMDI, mdi);
        QCOMPARE(module_.OptCouleurBar, bar);
        QCOMPARE(module_.VersionProg, QStringLiteral("1.20"));
        QVERIFY(!b->TimReg->isActive());
        QCOMPARE(b->TimFin->interval(), 100);
    }

    void handsOverAfterSixTenths()
    {
        int handovers = 0;
        QElapsedTimer t;
        t.start();
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        b->show();
        QTRY_COMPARE_WITH_TIMEOUT(handovers, 1, 3000);
        const qint64 ms = t.elapsed();
        QVERIFY2(ms >= 595 && ms < 5000, qPrintable(QString::number(ms)));
        QVERIFY(!b->isVisible());
        QTest::qWait(300);
        QCOMPARE(handovers, 1);  // the timers are one-shot
    }

    void buttonsAndDrag()
    {
        int handovers = 0;
        std::unique_ptr<Frm01Boot> b(boot(&handovers));
        b->show();
        QTest::mouseClick(b->CmdSite, Qt::LeftButton);
        QCOMPARE(platform_.openedUrls, QStringList{QString::fromLatin1(kSiteProgramme)});
        QTest::mousePress(b->Lbl2, Qt::RightButton);
        QTest::mousePress(b->Fra1, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mousePress(b->ImgLogo, Qt::LeftButton);
        QCOMPARE(platform_.dragged.size(), 3);
        QCOMPARE(platform_.dragged[0], b.get());
        QTest::mouseClick(b->CmdQuitter, Qt::LeftButton);
        QCOMPARE(platform_.quitCalls, 1);
        QVERIFY(platform_.messages.isEmpty());
    }
};

QTEST_MAIN(TestBoot)
#include "test_boot.moc"
