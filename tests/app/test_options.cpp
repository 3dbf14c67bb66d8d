// Lexiparc — GPL-3.0-or-later.
// The options window inside the main frame: load, colours, defaults, save, cancel and the
// question on any other closing.
#include "WindowFixture.h"

#include "app/Frm04Options.h"
#include "app/MDI.h"
#include "common/Colors.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

class TestOptions : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<MDI> mdi_;
    QPointer<Frm04Options> opt_;

    const QString question = QStringLiteral("               Enregistrer les modification ?");

    void open()
    {
        opt_ = qobject_cast<Frm04Options*>(mdi_->OuvreOutil(FabriqueFrm04Options));
        QVERIFY(opt_);
    }
    // Closing otherwise than by the window's buttons: its frame's close box.
    void closeFrame() { qobject_cast<QMdiSubWindow*>(opt_->parentWidget())->close(); }
    QColor frameColor() const { return mdi_->zone()->background().color(); }
    QColor barColor() const { return mdi_->PicCmd->palette().color(QPalette::Window); }
    static QColor swatch(const QLabel* l) { return l->palette().color(QPalette::Window); }

private slots:
    void init()
    {
        reset();
        module_.OptChargeAnag = 1;
        module_.OptChargeSyno = 1;
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
        QVERIFY(mdi_->CmdOptions->isEnabled());
    }
    void cleanup() { mdi_.reset(); }

    void load_data()
    {
        QTest::addColumn<int>("anag");
        QTest::addColumn<int>("syno");
        QTest::newRow("both on") << 1 << 1;
        QTest::newRow("anagrams off") << 0 << 1;
        QTest::newRow("both off") << 0 << 0;
    }
    void load()
    {
        QFETCH(int, anag);
        QFETCH(int, syno);
        module_.OptChargeAnag = std::uint8_t(anag);
        module_.OptChargeSyno = std::uint8_t(syno);
        module_.OptCouleurBar = QStringLiteral("255");
        mdi_->CmdOptions->click();
        opt_ = qobject_cast<Frm04Options*>(mdi_->fenetre(FabriqueFrm04Options));
        QVERIFY(opt_);
        QCOMPARE(opt_->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(opt_->parentWidget()->pos(), QPoint(40, 40));
        QVERIFY(opt_->Chk0->isChecked());
        QVERIFY(!opt_->Chk0->isEnabled());
        QCOMPARE(opt_->Chk1->isChecked(), anag == 1);
        QCOMPARE(opt_->Chk2->isChecked(), syno == 1);
        QCOMPARE(swatch(opt_->LblColor1), QColor(Qt::white));
        QCOMPARE(swatch(opt_->LblColor2), QColor(Qt::red));
        QCOMPARE(opt_->CouleurMDIInit, QStringLiteral("&HFFFFFF"));
        QCOMPARE(opt_->CouleurBarInit, QStringLiteral("255"));
        QCOMPARE(opt_->Modifie, 0);
        QVERIFY(!opt_->CmdEnregistre->isEnabled());
        QCOMPARE(opt_->CmdEnregistre->toolTip(), QStringLiteral("Enregistrer les options"));

        // Nothing touched: closing asks nothing and stores nothing.
        closeFrame();
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(platform_.settingWrites.isEmpty());
        QTRY_VERIFY(opt_.isNull());
    }

    void checkBoxEnablesSaving()
    {
        open();
        opt_->Chk2->click();
        QCOMPARE(opt_->Modifie, 1);
        QVERIFY(opt_->CmdEnregistre->isEnabled());
        QCOMPARE(opt_->focusWidget(), opt_->Foc);
    }

    // A colour chosen then the window closed otherwise: the question; No restores the
    // frame's colour, Yes stores the decimal text.
    void colourThenOtherClosing_data()
    {
        QTest::addColumn<bool>("bar");
        QTest::addColumn<int>("answer");
        QTest::newRow("window colour, No") << false << int(Platform::No);
        QTest::newRow("window colour, Yes") << false << int(Platform::Yes);
        QTest::newRow("bar colour, No") << true << int(Platform::No);
        QTest::newRow("bar colour, Yes") << true << int(Platform::Yes);
    }
    void colourThenOtherClosing()
    {
        QFETCH(bool, bar);
        QFETCH(int, answer);
        open();
        platform_.colorChosen = QColor(Qt::red);
        (bar ? opt_->chameleonButton1 : opt_->CmdCoulFenetre)->click();
        QCOMPARE(platform_.colorDialogInitial, QList<QColor>{bar ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white)});
        QCOMPARE(bar ? barColor() : frameColor(), QColor(Qt::red));
        QCOMPARE(swatch(bar ? opt_->LblColor2 : opt_->LblColor1), QColor(Qt::red));
        QCOMPARE(bar ? module_.OptCouleurBar : module_.OptCouleurMDI, QStringLiteral("255"));
        QCOMPARE(opt_->Modifie, 1);
        QVERIFY(opt_->CmdEnregistre->isEnabled());

        platform_.answers = {answer};
        closeFrame();
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, question);
        QCOMPARE(platform_.messages[0].buttons, Platform::Buttons::YesNo);
        QCOMPARE(platform_.messages[0].title, QStringLiteral("Lexiparc"));
        QCOMPARE(module_.MsgReponse, answer);
        QTRY_VERIFY(opt_.isNull());
        if (answer == Platform::No) {
            QCOMPARE(frameColor(), QColor(Qt::white));
            QCOMPARE(barColor(), QColor(0xE0, 0xE0, 0xE0));
            QCOMPARE(module_.OptCouleurMDI, QStringLiteral("&HFFFFFF"));
            QCOMPARE(module_.OptCouleurBar, QStringLiteral("&HE0E0E0"));
            QVERIFY(platform_.settingWrites.isEmpty());
        } else {
            QCOMPARE(bar ? barColor() : frameColor(), QColor(Qt::red));
            QCOMPARE(platform_.settingWrites,
                     (QStringList{"ChargeAnag=1", "ChargeSyno=1", bar ? "CouleurMDI=&HFFFFFF" : "CouleurMDI=255",
                                  bar ? "CouleurBar=255" : "CouleurBar=&HE0E0E0"}));
        }
    }

    // A cancelled dialog keeps the colour but counts as a change and writes it in decimal.
    void cancelledDialog()
    {
        open();
        platform_.colorChosen.reset();
        opt_->CmdCoulFenetre->click();
        QCOMPARE(frameColor(), QColor(Qt::white));
        QCOMPARE(module_.OptCouleurMDI, QStringLiteral("16777215"));
        QCOMPARE(opt_->Modifie, 1);
    }

    void defaultsThenCloseAsksNothing()
    {
        module_.OptCouleurMDI = QStringLiteral("&HFF0000");
        module_.OptCouleurBar = QStringLiteral("255");
        mdi_.reset();
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
        open();
        opt_->CmdDefaut->click();
        QCOMPARE(frameColor(), QColor(Qt::white));
        QCOMPARE(barColor(), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(swatch(opt_->LblColor1), QColor(Qt::white));
        QCOMPARE(swatch(opt_->LblColor2), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(module_.OptCouleurMDI, QStringLiteral("16777215"));
        QCOMPARE(module_.OptCouleurBar, QStringLiteral("14737632"));
        QCOMPARE(opt_->Modifie, 0);
        QVERIFY(opt_->CmdEnregistre->isEnabled());
        closeFrame();
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(platform_.settingWrites.isEmpty());
        QCOMPARE(frameColor(), QColor(Qt::white));
    }

    void defaultsCheckTheBoxes()
    {
        module_.OptChargeSyno = 0;
        open();
        opt_->CmdDefaut->click();
        QVERIFY(opt_->Chk2->isChecked());
        QCOMPARE(opt_->Modifie, 1);
        QVERIFY(platform_.settingWrites.isEmpty());
        QCOMPARE(module_.OptChargeSyno, 0);
    }

    void defaultsStoredOnlyBySaving()
    {
        open();
        opt_->CmdDefaut->click();
        QVERIFY(platform_.settingWrites.isEmpty());
        opt_->CmdEnregistre->click();
        QCOMPARE(platform_.settingWrites,
                 (QStringList{"ChargeAnag=1", "ChargeSyno=1", "CouleurMDI=16777215", "CouleurBar=14737632"}));
        QVERIFY(platform_.messages.isEmpty());
        QTRY_VERIFY(opt_.isNull());
    }

    void uncheckAndSave()
    {
        open();
        opt_->Chk1->click();
        opt_->CmdEnregistre->click();
        QCOMPARE(platform_.settingWrites,
                 (QStringList{"ChargeAnag=0", "ChargeSyno=1", "CouleurMDI=&HFFFFFF", "CouleurBar=&HE0E0E0"}));
        QCOMPARE(module_.OptChargeAnag, 0);
        QCOMPARE(module_.OptChargeSyno, 1);
        QVERIFY(platform_.messages.isEmpty());
        QTRY_VERIFY(opt_.isNull());
    }

    void cancelRestoresAndClosesWithoutAsking()
    {
        open();
        platform_.colorChosen = QColor(Qt::blue);
        opt_->chameleonButton1->click();
        opt_->Chk1->click();
        opt_->CmdAnnule->click();
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(platform_.settingWrites.isEmpty());
        QCOMPARE(barColor(), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(module_.OptCouleurBar, QStringLiteral("&HE0E0E0"));
        QCOMPARE(module_.OptChargeAnag, 1);
        QTRY_VERIFY(opt_.isNull());
    }

    // Closing the frame unloads the modified window first: its question, then the frame's.
    void closingTheFrameAsksBoth()
    {
        open();
        opt_->Chk1->click();
        platform_.answers = {int(Platform::Yes), int(Platform::No)};
        mdi_->close();
        QCOMPARE(platform_.messages.size(), 2);
        QCOMPARE(platform_.messages[0].text, question);
        QCOMPARE(platform_.messages[1].text, QStringLiteral("               Quitter le programme ?"));
        QCOMPARE(platform_.settingWrites.first(), QStringLiteral("ChargeAnag=0"));
        QVERIFY(mdi_->isVisible());
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
