// Lexiparc — GPL-3.0-or-later.
// The program's keyboard rules in its real windows: Enter presses the focused button, and the
// Tab key never lands on a control kept out of sight.
#include "WindowFixture.h"

#include "about/FrmMail.h"
#include "app/MDI.h"
#include "app/ToolBarWindows.h"
#include "common/ClavierBureau.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {
// True when some part of the control shows inside its window.
bool enVue(const QWidget* control)
{
    if (!control || !control->isVisible())
        return false;
    const QWidget* fenetre = control->window();
    QRect r(control->mapTo(fenetre, QPoint()), control->size());
    for (const QWidget* p = control->parentWidget(); p && p != fenetre; p = p->parentWidget())
        r &= QRect(p->mapTo(fenetre, QPoint()), p->size());
    return !(r & fenetre->rect()).isEmpty();
}
}

class TestKeyboard : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<ClavierBureau> clavier_;
    std::unique_ptr<MDI> mdi_;

    // A window of the tool bar, the contact form, or the main frame itself.
    QWidget* ouvre(const QString& nom)
    {
        if (nom == u"MDI")
            return mdi_.get();
        if (nom == u"FrmMail") {
            FrmMail* f = montreFrmMail(ctx_);
            // The form shows itself half a second after it loads.
            (void)QTest::qWaitFor([f] { return !f || f->isVisible(); }, 2000);
            return f && f->isVisible() ? f : nullptr;
        }
        for (const auto& [n, fabrique] : kFenetres)
            if (nom == QLatin1String(n))
                return mdi_->OuvreOutil(*fabrique);
        return nullptr;
    }

private slots:
    void initTestCase() { clavier_ = std::make_unique<ClavierBureau>(); }
    void init()
    {
        reset();
        initialiseModule(module_, QStringLiteral(LEXIPARC_SOURCE_DIR "/resources"), QStringLiteral("1.20"));
        words_.AnaLoaded = 1;
        words_.SynoLoaded = 1;
        platform_.screenTwips = QSize(30000, 18000);
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
        QVERIFY(QTest::qWaitForWindowExposed(mdi_.get()));
        mdi_->activateWindow();
        // The frame gives the focus to its hidden holder shortly after it shows; the windows
        // open after that, as they do for a user.
        QTRY_VERIFY(!mdi_->TimDem->isActive());
    }
    void cleanup() { mdi_.reset(); }

    // Enter presses the focused button, once, and no other: not the window's default button
    // nor a shortcut of the window on Enter.
    void enterPressesFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("saisie");  // text typed first into the window's TxtCtrl
        QTest::addColumn<QString>("autre");   // a button that must stay unpressed
        QTest::addColumn<int>("touche");
        QTest::newRow("tool bar") << "MDI"
                                  << "CmdDico"
                                  << ""
                                  << "" << int(Qt::Key_Return);
        QTest::newRow("tool bar, keypad Enter") << "MDI"
                                                << "CmdSyno"
                                                << ""
                                                << "" << int(Qt::Key_Enter);
        QTest::newRow("options") << "Frm04Options"
                                 << "CmdDefaut"
                                 << ""
                                 << "" << int(Qt::Key_Return);
        QTest::newRow("about box") << "Frm20About"
                                   << "CmdSite"
                                   << ""
                                   << "" << int(Qt::Key_Return);
        QTest::newRow("contact form") << "FrmMail"
                                      << "CmdAnnule"
                                      << ""
                                      << "" << int(Qt::Key_Return);
        QTest::newRow("dictionary search") << "Frm10Dico"
                                           << "CmdCtrl"
                                           << "chat"
                                           << "" << int(Qt::Key_Return);
        QTest::newRow("synonym help, not the search") << "Frm12Syno"
                                                      << "CmdInfo"
                                                      << ""
                                                      << "Foc" << int(Qt::Key_Return);
        QTest::newRow("near-spelling search") << "Frm16Approchant"
                                              << "CmdCtrl"
                                              << "chat"
                                              << "" << int(Qt::Key_Return);
    }
    void enterPressesFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, saisie);
        QFETCH(QString, autre);
        QFETCH(int, touche);
        QWidget* w = ouvre(window);
        QVERIFY(w);
        if (!saisie.isEmpty())
            w->findChild<QLineEdit*>(QStringLiteral("TxtCtrl"))->setText(saisie);
        auto* b = w->findChild<QPushButton*>(button);
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        QSignalSpy presse(b, &QPushButton::clicked);
        std::unique_ptr<QSignalSpy> autrePresse;
        if (!autre.isEmpty())
            autrePresse = std::make_unique<QSignalSpy>(w->findChild<QPushButton*>(autre), &QPushButton::clicked);
        b->setFocus();
        QVERIFY(b->hasFocus());
        QTest::keyClick(b, Qt::Key(touche), touche == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(presse.size(), 1);
        if (autrePresse)
            QCOMPARE(autrePresse->size(), 0);
    }

    // Tab and Shift+Tab go round a window's controls without ever landing on one kept out of
    // sight; the windows that open with the focus on a control open with it on one in sight.
    void tabStaysInSight_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("focusAtOpening");
        QTest::newRow("options") << "Frm04Options" << true;
        QTest::newRow("about box") << "Frm20About" << true;
        QTest::newRow("contact form") << "FrmMail" << true;
        QTest::newRow("dictionary") << "Frm10Dico" << true;
        QTest::newRow("near spellings") << "Frm16Approchant" << false;
        QTest::newRow("postal codes") << "Frm14CD" << false;
    }
    void tabStaysInSight()
    {
        QFETCH(QString, window);
        QFETCH(bool, focusAtOpening);
        QWidget* w = ouvre(window);
        QVERIFY(w);
        QCoreApplication::processEvents();
        if (focusAtOpening)
            QVERIFY2(enVue(QApplication::focusWidget()),
                     qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none"));
        const int tours = 2 * int(w->findChildren<QWidget*>().size()) + 2;
        for (const bool arriere : {false, true}) {
            for (int i = 0; i < tours; ++i) {
                QWidget* f = QApplication::focusWidget();
                QVERIFY(f);
                QTest::keyClick(f, Qt::Key_Tab, arriere ? Qt::ShiftModifier : Qt::NoModifier);
                f = QApplication::focusWidget();
                QVERIFY2(enVue(f), qPrintable(f ? f->objectName() + u' ' + f->metaObject()->className() : "none"));
            }
        }
    }

    // A window opened or brought forward by a click on its tool-bar button takes the keyboard
    // focus: the button that was clicked does not keep it.
    void toolBarButtonGivesTheFocus_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        for (const auto& [bouton, fenetre] : {std::pair{"CmdOptions", "Frm04Options"},
                                              {"CmdAbout", "Frm20About"},
                                              {"CmdDico", "Frm10Dico"},
                                              {"CmdScrabble", "Frm15Scrabble"},
                                              {"CmdTLMP", "Frm11Ana"},
                                              {"CmdMotsCroix", "Frm13MotCroix"},
                                              {"CmdSyno", "Frm12Syno"},
                                              {"CmdAp", "Frm16Approchant"},
                                              {"CmdCodPos", "Frm14CD"}})
            QTest::newRow(fenetre) << bouton << fenetre;
    }
    void toolBarButtonGivesTheFocus()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        auto* b = mdi_->findChild<QPushButton*>(button);
        QVERIFY(b);
        for (int clic = 0; clic < 2; ++clic) {
            b->setFocus(Qt::MouseFocusReason);
            QTest::mouseClick(b, Qt::LeftButton);
            QCoreApplication::processEvents();
            QWidget* f = QApplication::focusWidget();
            QVERIFY2(f && f != b, qPrintable(f ? f->objectName() : "none"));
            QCOMPARE(f->window(), mdi_->window());
            QWidget* w = mdi_->findChild<QWidget*>(window);
            QVERIFY(w && w->isAncestorOf(f));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
