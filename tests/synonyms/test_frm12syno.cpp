// Lexiparc — GPL-3.0-or-later.
// The synonym window driven through its controls, headless.
#include "WindowFixture.h"

#include "FixtureSyno.h"

#include "app/MDI.h"
#include "data/EmbeddedData.h"
#include "tools/synonyms/Frm12Syno.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

class TestFrm12Syno : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<Frm12Syno> w_;

    // A window over the fixture tables, shown and primed.
    Frm12Syno* ouvre(bool loaded = true)
    {
        if (loaded)
            loadFixtureSyno(words_, module_);
        w_ = std::make_unique<Frm12Syno>(ctx_);
        w_->show();
        if (loaded) {
            const bool primed = QTest::qWaitFor([this] { return w_->Cbo2->currentText() == QStringLiteral("à "); });
            // Fails the test; in a lambda since this helper returns the window.
            [primed] { QVERIFY2(primed, "the window was not primed"); }();
        }
        return w_.get();
    }
    void tape(Frm12Syno* w, const QString& text)
    {
        w->Cbo2->lineEdit()->selectAll();
        QTest::keyClicks(w->Cbo2->lineEdit(), text);
    }
    void recherche(Frm12Syno* w, const QString& text)
    {
        w->Cbo2->setEditText(text);
        w->CmdRechercher_Click();
    }

private slots:

    void init()
    {
        reset();
        module_.OptChargeSyno = 1;
    }
    void cleanup() { w_.reset(); }

    void layout()
    {
        Frm12Syno* w = ouvre();
        QCOMPARE(w->windowTitle(), QStringLiteral("Dictionnaire des synonymes"));
        QCOMPARE(w->size(), QSize(524, 352));
        QCOMPARE(w->pos(), QPoint(40, 40));
        QCOMPARE(w->Cbo2->geometry(), QRect(264, 20, 253, 26));
        QCOMPARE(w->Lst->geometry(), QRect(4, 20, 253, 328));
        QCOMPARE(w->Cbo2->font().family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(w->Lbl4->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(w->CmdRechercher->text(), QStringLiteral(" Rechercher"));
        QVERIFY(!w->rect().intersects(w->Foc->geometry()));
        QVERIFY(!w->TxtMiroir->isVisible());
    }

    void priming()
    {
        Frm12Syno* w = ouvre();
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("à "));
        QCOMPARE(w->TxtMiroir->text(), QStringLiteral("a "));
        QCOMPARE(w->Cbo2->lineEdit()->selectedText(), QStringLiteral("à "));
        QCOMPARE(rows(w->Lst), (QStringList{"à bas", "à cause", "à cause de", "a contrario"}));
        QCOMPARE(w->Lbl3->text(), QStringLiteral("4 mots listés."));
        QVERIFY(w->CmdRechercher->isEnabled() && w->Foc->isEnabled());
        QCOMPARE(platform_.lastPointer(w), int(Platform::Arrow));
        QVERIFY(platform_.pointers.contains({w, int(Platform::Hourglass)}));
        // The first key typed replaces the primed text.
        QTest::keyClick(w->Cbo2->lineEdit(), 'e');
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("e"));
    }

    void optionOff()
    {
        module_.OptChargeSyno = 0;
        Frm12Syno* w = ouvre(false);
        QTest::qWait(250);
        QCOMPARE(w->Cbo2->currentText(), QString());
        QCOMPARE(words_.SynoLoaded, std::uint8_t(0));
        QVERIFY(w->CmdRechercher->isEnabled());
        QCOMPARE(w->Lst->count(), 0);
        w->CmdRechercher_Click();
        QCOMPARE(w->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''''."));
    }

    void ownLoadingChain()
    {
        // Not loaded at start, option on: the window loads the 26 letters itself, then primes.
        Frm12Syno* w = ouvre(false);
        QTRY_COMPARE(words_.SynoLoaded, std::uint8_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(w->Cbo2->currentText(), QStringLiteral("à "), 5000);
        for (const QTimer* t : w->TimLettre)
            QVERIFY(!t->isActive());
        // A letter whose resource is embedded is filled; one that is not stays empty.
        QCOMPARE(words_.TabSyno[4].isEmpty(), !embeddedFile("SYNONYE"));
    }

    // Closed while it loads the tables itself, the window loads them again at its next
    // opening: the letters that had not come yet are found then.
    void closedWhileLoadingLoadsAgain()
    {
        Frm12Syno* w = ouvre(false);
        bool interrompu = false;
        connect(w->TimLettre[3], &QTimer::timeout, this, [&] {  // D is loaded, E would be next
            w->TimLettre[4]->stop();
            interrompu = true;
        });
        QTRY_VERIFY(interrompu);
        w_.reset();
        QCOMPARE(words_.SynoLoaded, std::uint8_t(0));
        for (int rang = 4; rang < 26; ++rang)
            QVERIFY(words_.TabSyno[size_t(rang)].isEmpty());
        w = ouvre(false);
        QTRY_COMPARE_WITH_TIMEOUT(w->Cbo2->currentText(), QStringLiteral("à "), 5000);
        QCOMPARE(words_.SynoLoaded, std::uint8_t(1));
        for (int rang = 0; rang < 26; ++rang) {
            const QByteArray nom = "SYNONY" + QByteArray(1, char('A' + rang));
            QCOMPARE(words_.TabSyno[size_t(rang)].isEmpty(), !embeddedFile(nom.constData()));
        }
        // Closed once loaded, it loads nothing more.
        w_.reset();
        QCOMPARE(words_.SynoLoaded, std::uint8_t(1));
    }

    void enterFollowsLength()
    {
        Frm12Syno* w = ouvre();
        tape(w, QStringLiteral("e"));
        QVERIFY(!w->Foc->isEnabled() && !w->CmdRechercher->isEnabled());
        QTest::keyClick(w->Cbo2->lineEdit(), Qt::Key_Return);
        QCOMPARE(w->Lbl4->text(), QString());
        QTest::keyClicks(w->Cbo2->lineEdit(), QStringLiteral("au"));
        QVERIFY(w->Foc->isEnabled() && w->CmdRechercher->isEnabled());
        QCOMPARE(rows(w->Lst), QStringList{"eau"});
        QTest::keyClick(w->Cbo2->lineEdit(), Qt::Key_Return);
        QCOMPARE(w->Lbl4->text(), QStringLiteral("6 synonymes pour ''eau''."));
        QCOMPARE(w->Lbl2->text(), QStringLiteral("EAU: nom"));
        QCOMPARE(rows(w->LstS), (QStringList{"flot", "liquide", "nappe", "onde", "pluie", "source"}));
        QCOMPARE(items(w->Cbo2), QStringList{"eau"});
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("eau"));
        QCOMPARE(w->Lbl3->text(), QString());
        // A search leaves both buttons disabled: Enter does nothing until the text changes.
        QVERIFY(!w->Foc->isEnabled() && !w->CmdRechercher->isEnabled());
        QCOMPARE(w->Cbo2->lineEdit()->cursorPosition(), 0);
    }

    void capitalsAndAccents()
    {
        Frm12Syno* w = ouvre();
        w->Cbo2->setEditText(QStringLiteral("ÉTÉ"));
        QCOMPARE(w->TxtMiroir->text(), QStringLiteral("été"));
        w->Cbo2->setEditText(QStringLiteral("été"));
        QCOMPARE(w->TxtMiroir->text(), QStringLiteral("ete"));
    }

    void ligatures()
    {
        Frm12Syno* w = ouvre();
        tape(w, QStringLiteral("oei"));
        QCOMPARE(w->TxtMiroir->text(), QStringLiteral("oei"));
        QCOMPARE(rows(w->Lst), QStringList{"œil"});
        QTest::keyClick(w->Cbo2->lineEdit(), Qt::Key_L);
        QTest::keyClick(w->Cbo2->lineEdit(), Qt::Key_Return);
        QCOMPARE(rows(w->LstS), (QStringList{"regard", "vue"}));
        QCOMPARE(w->Lbl2->text(), QStringLiteral("OEIL: nom"));
    }

    void twoPicksOneSearch()
    {
        Frm12Syno* w = ouvre();
        recherche(w, QStringLiteral("eau"));
        w->Lbl4->clear();
        int searches = 0;
        connect(w->TimLst, &QTimer::timeout, this, [&] { ++searches; });
        w->LstS->setCurrentRow(3);  // onde
        w->LstS_Click();
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("onde"));
        QCOMPARE(rows(w->Lst), QStringList{"onde"});
        QTest::qWait(200);
        QCOMPARE(w->Lbl4->text(), QString());
        w->LstS->setCurrentRow(0);  // flot, no headword
        w->LstS_Click();
        QTest::qWait(800);
        QCOMPARE(searches, 1);
        QCOMPARE(w->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''flot''."));
        QCOMPARE(items(w->Cbo2), (QStringList{"flot", "eau"}));
    }

    void pickInList()
    {
        Frm12Syno* w = ouvre();
        QTest::mouseClick(w->Lst->viewport(), Qt::LeftButton, {}, w->Lst->visualItemRect(w->Lst->item(1)).center());
        QTRY_COMPARE(w->Cbo2->currentText(), QStringLiteral("à cause"));
        QCOMPARE(rows(w->Lst), (QStringList{"à cause", "à cause de"}));
        QTRY_COMPARE(w->Lbl4->text(), QStringLiteral("Un synonyme pour ''à cause''."));
        QCOMPARE(w->Lbl2->text(), QStringLiteral("À CAUSE: locution"));
    }

    // A double click picks the row of its first click: the second click, on the list rebuilt
    // for that row, picks nothing.
    void doubleClickPicksOneRow()
    {
        Frm12Syno* w = ouvre();
        QWidget* vue = w->Lst->viewport();
        const QPoint p = w->Lst->visualItemRect(w->Lst->item(1)).center();
        QTest::mouseClick(vue, Qt::LeftButton, {}, p);
        QTRY_COMPARE(rows(w->Lst), (QStringList{"à cause", "à cause de"}));  // "à cause de" now under the pointer
        QMouseEvent second(QEvent::MouseButtonDblClick, p, vue->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(vue, &second);
        QMouseEvent relache(QEvent::MouseButtonRelease, p, vue->mapToGlobal(p), Qt::LeftButton, {}, {});
        QApplication::sendEvent(vue, &relache);
        QTRY_COMPARE(w->Lbl4->text(), QStringLiteral("Un synonyme pour ''à cause''."));
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("à cause"));
        QCOMPARE(items(w->Cbo2), QStringList{"à cause"});
    }

    // A row selected with the arrow keys is picked as a clicked one: the first Down selects
    // the first row; Enter then looks up the picked word.
    void keyboardPicks()
    {
        Frm12Syno* w = ouvre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        recherche(w, QStringLiteral("eau"));
        w->LstS->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->LstS, Qt::Key_Down);
        QTRY_COMPARE(w->Cbo2->currentText(), QStringLiteral("flot"));
        QTest::keyClick(w->LstS, Qt::Key_Down);
        QTRY_COMPARE(w->Cbo2->currentText(), QStringLiteral("liquide"));
        QVERIFY(w->TimLst->isActive());
        QTest::keyClick(w->LstS, Qt::Key_Return);
        QCOMPARE(w->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''liquide''."));

        w->Cbo2->setEditText(QStringLiteral("ea"));
        QCOMPARE(rows(w->Lst), QStringList{"eau"});
        w->Lst->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->Lst, Qt::Key_Down);
        QTRY_COMPARE(w->Cbo2->currentText(), QStringLiteral("eau"));
        QTest::keyClick(w->Lst, Qt::Key_Return);
        QCOMPARE(w->Lbl4->text(), QStringLiteral("6 synonymes pour ''eau''."));
    }

    void pickInHistory()
    {
        Frm12Syno* w = ouvre();
        recherche(w, QStringLiteral("eau"));
        recherche(w, QStringLiteral("a"));
        QVERIFY(!w->CmdRechercher->isEnabled());
        w->Cbo2->setCurrentIndex(1);
        w->Cbo2_Click();
        QVERIFY(w->CmdRechercher->isEnabled() && w->Foc->isEnabled());
        QCOMPARE(w->TxtMiroir->text(), QStringLiteral("eau"));
        QTRY_COMPARE(w->Lbl4->text(), QStringLiteral("6 synonymes pour ''eau''."));
        QCOMPARE(items(w->Cbo2), (QStringList{"a", "eau"}));
    }

    // A pick in the drop-down history, made with the mouse, looks the entry up.
    void pickInHistoryPopup()
    {
        Frm12Syno* w = ouvre();
        recherche(w, QStringLiteral("eau"));
        recherche(w, QStringLiteral("baba"));
        w->Cbo2->showPopup();
        QAbstractItemView* view = w->Cbo2->view();
        QTRY_VERIFY(view->isVisible());
        const QRect row = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("eau"));
        QVERIFY(w->TimLst->isActive());
        QTRY_COMPARE(w->Lbl4->text(), QStringLiteral("6 synonymes pour ''eau''."));
    }

    // After a search, a click on a tool-bar button brings the window it opens or focuses to
    // the front, and it stays there: leaving the entry is no pick in its history.
    void toolBarAfterSearch_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("dicoOpen");
        QTest::newRow("Enter, new window") << "enter" << false;
        QTest::newRow("search button, window already open") << "button" << true;
        QTest::newRow("pick in the headword list, new window") << "pick" << false;
    }
    void toolBarAfterSearch()
    {
        QFETCH(QString, how);
        QFETCH(bool, dicoOpen);
        loadFixtureSyno(words_, module_);
        MDI mdi(ctx_);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowActive(&mdi));
        QTRY_VERIFY(!mdi.TimDem->isActive());
        if (dicoOpen)
            QTest::mouseClick(mdi.CmdDico, Qt::LeftButton);
        QTest::mouseClick(mdi.CmdSyno, Qt::LeftButton);
        auto* syno = qobject_cast<Frm12Syno*>(mdi.fenetre(FabriqueFrm12Syno));
        QVERIFY(syno);
        QTRY_COMPARE(syno->Cbo2->currentText(), QStringLiteral("à "));
        QTest::keyClicks(syno->Cbo2->lineEdit(), QStringLiteral("eau"));
        if (how == QLatin1String("enter")) {
            QTest::keyClick(syno->Cbo2->lineEdit(), Qt::Key_Return);
        } else if (how == QLatin1String("button")) {
            QTest::mouseClick(syno->CmdRechercher, Qt::LeftButton);
        } else {
            QTest::mouseClick(syno->Lst->viewport(), Qt::LeftButton, {},
                              syno->Lst->visualItemRect(syno->Lst->item(0)).center());
        }
        QTRY_COMPARE(syno->Lbl4->text(), QStringLiteral("6 synonymes pour ''eau''."));
        QCOMPARE(mdi.zone()->activeSubWindow()->widget(), syno);

        QTest::mouseClick(mdi.CmdDico, Qt::LeftButton);
        QWidget* dico = mdi.fenetre(FabriqueFrm10Dico);
        QVERIFY(dico);
        QCOMPARE(mdi.zone()->activeSubWindow()->widget(), dico);
        QVERIFY(!syno->TimLst->isActive());
        QTest::qWait(600);  // longer than the delay of the search after a pick
        QCOMPARE(mdi.zone()->activeSubWindow()->widget(), dico);
        QVERIFY(dico->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(items(syno->Cbo2), QStringList{"eau"});
    }

    // A click on the tool bar between a pick and its delayed search: the window it opens stays
    // in front with the focus, and the search still runs.
    void toolBarBeforeDelayedSearch()
    {
        loadFixtureSyno(words_, module_);
        MDI mdi(ctx_);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowActive(&mdi));
        QTRY_VERIFY(!mdi.TimDem->isActive());
        QTest::mouseClick(mdi.CmdSyno, Qt::LeftButton);
        auto* syno = qobject_cast<Frm12Syno*>(mdi.fenetre(FabriqueFrm12Syno));
        QVERIFY(syno);
        QTRY_COMPARE(syno->Cbo2->currentText(), QStringLiteral("à "));
        QTest::mouseClick(syno->Lst->viewport(), Qt::LeftButton, {},
                          syno->Lst->visualItemRect(syno->Lst->item(1)).center());
        QTRY_VERIFY(syno->TimLst->isActive());
        QTest::mouseClick(mdi.CmdDico, Qt::LeftButton);
        QWidget* dico = mdi.fenetre(FabriqueFrm10Dico);
        QVERIFY(dico);
        QTRY_COMPARE(syno->Lbl4->text(), QStringLiteral("Un synonyme pour ''à cause''."));
        QTest::qWait(50);
        QCOMPARE(mdi.zone()->activeSubWindow()->widget(), dico);
        QVERIFY(dico->isAncestorOf(QApplication::focusWidget()));
    }

    void historyOfTwelve()
    {
        Frm12Syno* w = ouvre();
        for (int i = 1; i <= 13; ++i)
            recherche(w, QStringLiteral("mot%1").arg(i));
        QStringList expected;
        for (int i = 13; i >= 2; --i)
            expected << QStringLiteral("mot%1").arg(i);
        QCOMPARE(items(w->Cbo2), expected);
        recherche(w, QStringLiteral("mot5"));
        QCOMPARE(items(w->Cbo2), expected);
        QCOMPARE(w->Cbo2->currentText(), QStringLiteral("mot5"));
        recherche(w, QStringLiteral("Mot5"));
        QCOMPARE(items(w->Cbo2).first(), QStringLiteral("Mot5"));
        QCOMPARE(w->Cbo2->count(), 12);
    }

    void emptyRowPicked()
    {
        Frm12Syno* w = ouvre();
        recherche(w, QStringLiteral("sot"));
        QCOMPARE(rows(w->LstS), (QStringList{"bête", ""}));
        w->LstS->setCurrentRow(1);
        w->LstS_Click();
        QCOMPARE(w->Cbo2->currentText(), QString());
        QVERIFY(!w->Foc->isEnabled());
        QTRY_COMPARE(w->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''''."));
        QCOMPARE(w->LstS->count(), 0);
        QCOMPARE(items(w->Cbo2), (QStringList{"", "sot"}));
    }

    void copyEmptyList()
    {
        Frm12Syno* w = ouvre();
        QTest::mouseClick(w->LstS->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(w->MnuCopier->isVisible());
        w->MnuCopier->hide();
        w->MnuCop2->trigger();
        QCOMPARE(platform_.clipboardClears, 1);
        QCOMPARE(platform_.clipboard, QStringLiteral("Liste des synonyme de ''à '':\n"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("La liste a été copiée."));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
    }

    void copyTakesEntryText()
    {
        Frm12Syno* w = ouvre();
        recherche(w, QStringLiteral("baba"));
        QTest::mouseClick(w->LstS->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!w->MnuCopier->isVisible());
        w->Cbo2->setEditText(QStringLiteral("autre"));
        w->MnuCop2_Click();
        QCOMPARE(platform_.clipboard, QStringLiteral("Liste des synonyme de ''autre'':\nsavarin"));
    }

    void helpFocusesEntryFirst()
    {
        Frm12Syno* w = ouvre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Lst->setFocus();
        bool focused = false;
        platform_.onMessage = [&](const FakePlatform::Message&) { focused = w->Cbo2->hasFocus(); };
        QTest::mouseClick(w->CmdInfo, Qt::LeftButton);
        QVERIFY(focused);
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text.split(QStringLiteral("\r\n")).size(), 8);
        QCOMPARE(platform_.messages[0].title, QStringLiteral("Lexiparc"));
        QCOMPARE(module_.MsgReponse, int(Platform::Ok));
    }

    void internalErrors()
    {
        Frm12Syno* w = ouvre();
        w->Cbo2->setEditText(QStringLiteral("xé"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text,
                 QStringLiteral("Invalid procedure call or argument                 \r\nErreur interne 022 - 5"));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Critical);
        QCOMPARE(w->Lbl3->text(), QStringLiteral("Un mot listé."));
        QCOMPARE(platform_.lastPointer(w), int(Platform::Arrow));
        recherche(w, QStringLiteral("xénon"));
        QCOMPARE(platform_.messages.size(), 3);  // the listing of the new text, then the search
        QCOMPARE(module_.ErrCode, QStringLiteral("027"));
        QCOMPARE(module_.ErrNumero, 5);
        QCOMPARE(w->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''xénon''."));
    }
};

QTEST_MAIN(TestFrm12Syno)
#include "test_frm12syno.moc"
