// Lexiparc — GPL-3.0-or-later.
// Opens every window of the tool bar and sends it random keys and clicks: nothing may crash
// or hang, and the main frame must still answer afterwards.
#include "app/MDI.h"
#include "data/Resources.h"
#include "platform/FakePlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

class TestMonkey : public QObject {
    Q_OBJECT
    Module module_;
    WordData words_;
    FakePlatform platform_;
    AppContext ctx_{module_, words_, platform_};

private slots:
    void initTestCase()
    {
        initialiseModule(module_, QStringLiteral(LEXIPARC_SOURCE_DIR "/resources"), QStringLiteral("1.20"));
        module_.VersionProg = QStringLiteral("1.20");
        module_.OptChargeAnag = 1;
        module_.OptChargeSyno = 1;
        module_.OptCouleurMDI = QStringLiteral("&HFFFFFF");
        module_.OptCouleurBar = QStringLiteral("&HE0E0E0");
        ChargeDico(words_);
        words_.AnaLoaded = 1;
        ChargeListeAna(words_);
        words_.Anagrammes.IndexeAnagrammes(words_.AnaWords);
        words_.SynoLoaded = 1;
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(words_, QChar(l));
        // Every question gets the default answer, but the quit question is answered No.
        platform_.onMessage = [this](const FakePlatform::Message& m) {
            if (m.text.contains(QLatin1String("Quitter")))
                platform_.answers.prepend(Platform::No);
        };
    }

    void randomKeysAndClicks()
    {
        MDI mdi(ctx_);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        QRandomGenerator rng(20261210);
        const QList<QPushButton*> tools{mdi.CmdMotsCroix, mdi.CmdAp,     mdi.CmdTLMP,    mdi.CmdDico, mdi.CmdSyno,
                                        mdi.CmdScrabble,  mdi.CmdCodPos, mdi.CmdOptions, mdi.CmdAbout};
        const QString keys = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdeé?* 0123456789-'");
        const QList<Qt::Key> special{Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Left,  Qt::Key_Right,
                                     Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Tab,   Qt::Key_Delete,
                                     Qt::Key_Home,   Qt::Key_End,       Qt::Key_Escape};
        QElapsedTimer clock;
        clock.start();
        int events = 0;
        while (events < 4000 && clock.elapsed() < 90000) {
            const int r = int(rng.bounded(100));
            if (r < 4) {
                QPushButton* b = tools[int(rng.bounded(tools.size()))];
                if (b->isEnabled())
                    b->click();
            } else {
                QWidget* target = QApplication::focusWidget();
                if (!target)
                    target = mdi.zone()->activeSubWindow() ? mdi.zone()->activeSubWindow()->widget() : &mdi;
                if (r < 60) {
                    const QChar k = keys.at(int(rng.bounded(keys.size())));
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(k), Qt::NoModifier);
                } else if (r < 75) {
                    QTest::keyClick(target, special[int(rng.bounded(special.size()))]);
                } else if (QMdiSubWindow* sub = mdi.zone()->activeSubWindow()) {
                    // A click on a random visible child control of the active window.
                    const QList<QWidget*> children = sub->widget()->findChildren<QWidget*>();
                    QList<QWidget*> visible;
                    for (QWidget* c : children)
                        if (c->isVisible() && c->isEnabled())
                            visible << c;
                    if (!visible.isEmpty()) {
                        QWidget* c = visible[int(rng.bounded(visible.size()))];
                        if (r < 95)
                            QTest::mouseClick(c, Qt::LeftButton);
                        else
                            QTest::mouseClick(c, Qt::RightButton);
                    }
                }
            }
            ++events;
            if (events % 25 == 0)
                QTest::qWait(int(rng.bounded(40)));
            if (events % 400 == 0 && mdi.zone()->subWindowList().size() > 6)
                mdi.zone()->closeAllSubWindows();
        }
        QTest::qWait(700);  // let the timers of the last actions run
        // The frame still answers: its quit question comes, and No keeps it.
        const qsizetype before = platform_.messages.size();
        mdi.CmdQ->click();
        QCOMPARE(platform_.messages.size(), before + 1);
        QCOMPARE(platform_.quitCalls, 0);
        QVERIFY(mdi.isVisible());
        mdi.zone()->closeAllSubWindows();
        qInfo("%d events in %lld ms", events, clock.elapsed());
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
