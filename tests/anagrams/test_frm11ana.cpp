// Lexiparc — GPL-3.0-or-later.
// The anagram window driven headless: input filters, joker option, search cycle and its
// messages, and the loading of the anagram data on demand.
#include "WindowFixture.h"

#include "common/AppContext.h"
#include "common/Colors.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "tools/anagrams/Frm11Ana.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>
#include <memory>

namespace {
QColor fond(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}
QColor fondListe(const QListWidget* l)
{
    return l->palette().color(QPalette::Base);
}
// The darkest grey level drawn in a widget: its text shows when it is well below the
// background's.
int plusSombre(QWidget* w, const QRect& zone = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    const QImage image = w->grab(zone).toImage();
    int sombre = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sombre = std::min(sombre, qGray(image.pixel(x, y)));
    return sombre;
}
}

class TestFrm11Ana : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<Frm11Ana> w;

    // A window over the fixture index, its data ready as after a load at start.
    void ouvre(bool indexPret = true)
    {
        if (indexPret) {
            QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/anagrams/ANA"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            words_.AnaWords = splitRecords(f.readAll());
            words_.Anagrammes.IndexeAnagrammes(words_.AnaWords);
            words_.AnaLoaded = 1;
        }
        w = std::make_unique<Frm11Ana>(ctx_);
        w->show();
        QTRY_VERIFY(!w->TimLoad->isActive());
    }
    // Starts a search and waits for its end.
    void cherche()
    {
        QTest::mouseClick(w->CmdCh, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->isEnabled() && !w->TimCherche->isActive(), 10000);
    }

private slots:
    void init()
    {
        reset();
        module_.OptChargeAnag = 1;
    }
    void cleanup() { w.reset(); }

    void placement()
    {
        ouvre();
        QCOMPARE(module_.PosGauche, qint16(600));
        QCOMPARE(w->pos(), QPoint(40, 40));
        QCOMPARE(w->windowTitle(), QStringLiteral("Anagrammes-Tous les mots possibles"));
        QCOMPARE(fond(w.get()), colorFromNumber(0xFFFFFF));  // data ready: white
        QVERIFY(!w->TimAna->isActive());
    }

    void saisie()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("abc"));
        QCOMPARE(w->TxtCh->text(), QStringLiteral("ABC"));
        QCOMPARE(w->LblN->text(), QStringLiteral("3"));
        QVERIFY(w->CmdCh->isEnabled());
        QVERIFY(w->Cbo1->isEnabled());
        QCOMPARE(w->Cbo1->currentText(), QStringLiteral("2"));
        QCOMPARE(items(w->Cbo1), QStringList({"2", "3"}));

        // Any change of the letters sets the minimum back to 2.
        w->Cbo1->setEditText(QStringLiteral("3"));
        QTest::keyClicks(w->TxtCh, QStringLiteral("d"));
        QCOMPARE(w->Cbo1->currentText(), QStringLiteral("2"));
        QCOMPARE(items(w->Cbo1), QStringList({"2", "3", "4"}));
    }

    void caracteresRefuses()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("a1"));
        QCOMPARE(w->TxtCh->text(), QStringLiteral("A"));
        QCOMPARE(w->LblN->text(), QStringLiteral("1"));
        QVERIFY(!w->CmdCh->isEnabled());
        QVERIFY(!w->Cbo1->isEnabled());
        QCOMPARE(w->Cbo1->count(), 0);
        QCOMPARE(w->Cbo1->currentText(), QString());

        w->TxtCh->insert(QStringLiteral("éb-é"));
        QCOMPARE(w->TxtCh->text(), QStringLiteral("AB"));
        QCOMPARE(w->TxtCh->cursorPosition(), 2);

        QTest::keyClicks(w->Text5, QStringLiteral("1"));
        QCOMPARE(w->Text5->text(), QString());
        QTest::keyClicks(w->Text5, QStringLiteral("e"));
        QCOMPARE(w->Text5->text(), QStringLiteral("E"));
        QVERIFY(platform_.messages.isEmpty());  // refused characters go silently
    }

    void joker()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("ABC"));
        QTest::mouseClick(w->ImgCochA[0], Qt::LeftButton);
        QCOMPARE(w->TxtCh->text(), QStringLiteral("ABC?"));
        QVERIFY(w->ImgCochA[1]->isVisible());
        QCOMPARE(w->Lbl[0]->text(), QStringLiteral("Supprimer le joker"));
        QTest::mouseClick(w->ImgCochA[1], Qt::LeftButton);
        QCOMPARE(w->TxtCh->text(), QStringLiteral("ABC"));
        QVERIFY(!w->ImgCochA[1]->isVisible());
        QCOMPARE(w->Lbl[0]->text(), QStringLiteral("Ajouter un joker"));

        // A typed joker ticks the box too.
        QTest::keyClicks(w->TxtCh, QStringLiteral("?"));
        QVERIFY(w->ImgCochA[1]->isVisible());
        QCOMPARE(w->Lbl[0]->text(), QStringLiteral("Supprimer le joker"));
    }

    void jokerSurDouzeCaracteres()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("ABCDEFGHIJKL"));
        w->ImgCochA_Click(0);
        QCOMPARE(w->TxtCh->text(), QStringLiteral("ABCDEFGHIJKL"));
        QVERIFY(!w->ImgCochA[1]->isVisible());
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Le mot recherché compte 12 caractères,\r\n"
                                                            "impossible de rajouter un joker.\r\n"
                                                            "Modifier votre recherche."));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(platform_.messages[0].title, QStringLiteral("Lexiparc"));
    }

    void recherche()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("abcd"));
        QTest::mouseClick(w->CmdCh, Qt::LeftButton);
        // The wait state until the timer runs the search.
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Recherche en cours..."));
        QVERIFY(!w->isEnabled());
        QCOMPARE(fond(w.get()), colorFromNumber(0xC0C0C0));
        QCOMPARE(fondListe(w->Lst[5]), colorFromNumber(0xFFFFFF));
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Hourglass));
        QVERIFY(!w->LblInfo->isEnabled());
        QCOMPARE_LT(plusSombre(w->LblInfo), 0x60);  // the status reads dark on the grey window
        QTRY_VERIFY(w->isEnabled());

        QCOMPARE(rows(w->LstAna), QString::fromLatin1("BADC DCBA CBA DBA DCA DCB BA CA DA CB DB DC").split(u' '));
        QCOMPARE(rows(w->Lst[2]), QString::fromLatin1("BA CA CB DA DB DC").split(u' '));
        QCOMPARE(rows(w->Lst[4]), QString::fromLatin1("BADC DCBA").split(u' '));
        QCOMPARE(w->NR[2]->text(), QStringLiteral("6"));
        QCOMPARE(w->NR[3]->text(), QStringLiteral("4"));
        QCOMPARE(w->NR[7]->text(), QStringLiteral("0"));
        QCOMPARE(fondListe(w->Lst[2]), colorFromNumber(0xFFFFFF));
        QCOMPARE(fondListe(w->Lst[7]), colorFromNumber(0xE0E0E0));
        QCOMPARE(fond(w.get()), colorFromNumber(0xFFFFFF));
        QCOMPARE(fond(w->FraOptions), colorFromNumber(0xFFFFFF));
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
        QVERIFY(w->LblInfo->text().startsWith(QStringLiteral("12 mots trouvés en 0:0")));
        QVERIFY(w->LblInfo->text().endsWith(QStringLiteral(" sec.")));
        QCOMPARE(w->LblInfo->text().size(), QStringLiteral("12 mots trouvés en 0:00 sec.").size());

        // Minimum and mandatory letter; nothing found.
        w->Text5->setText(QStringLiteral("Z"));
        cherche();
        QCOMPARE(w->LstAna->count(), 0);
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Aucun mots trouvés."));
        QCOMPARE(w->NR[2]->text(), QStringLiteral("0"));
        QCOMPARE(fondListe(w->Lst[2]), colorFromNumber(0xE0E0E0));

        w->Text5->setText(QStringLiteral("B"));
        w->Cbo1->setEditText(QStringLiteral("3"));
        cherche();
        QCOMPARE(rows(w->LstAna), QString::fromLatin1("BADC DCBA CBA DBA DCB").split(u' '));
    }

    // Every word of the shipped list shows whole in the list of its length, even beside the
    // list's scroll bar.
    void colonnesAssezLarges()
    {
        const QStringList liste = ChargeRessource(QStringLiteral("ANA"), 99);
        QVERIFY(!liste.isEmpty());
        ouvre();
        // The narrowest and the widest word of each length.
        std::array<QString, 13> etroit, large;
        std::array<int, 13> largeur{}, etroitesse{};
        etroitesse.fill(INT_MAX);
        for (const QString& mot : liste) {
            const auto k = size_t(mot.size());
            QVERIFY2(k >= 2 && k <= 12, qPrintable(mot));
            const int l = QFontMetrics(w->Lst[k]->font()).horizontalAdvance(mot);
            if (l > largeur[k]) {
                largeur[k] = l;
                large[k] = mot;
            }
            if (l < etroitesse[k]) {
                etroitesse[k] = l;
                etroit[k] = mot;
            }
        }
        const int marges = 2 * (w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w.get()) + 1);
        for (size_t k = 2; k <= 12; ++k) {
            QListWidget* l = w->Lst[k];
            l->addItem(etroit[k]);
            for (int i = 0; i < 100; ++i)
                l->addItem(large[k]);
            QTRY_VERIFY(l->verticalScrollBar()->isVisible());
            const QRect r = l->visualItemRect(l->item(1));
            QVERIFY2(largeur[k] + marges <= r.width() && r.right() < l->viewport()->width(), qPrintable(large[k]));
            QVERIFY(l->geometry().right() < w->width());
        }
    }

    void blancsSeulement()
    {
        ouvre();
        w->TxtCh->setText(QStringLiteral("   "));
        QCOMPARE(w->TxtCh->text(), QStringLiteral("   "));
        QVERIFY(w->CmdCh->isEnabled());
        cherche();
        QCOMPARE(w->TxtCh->text(), QString());
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Aucun mots trouvés."));
        QCOMPARE(w->NR[12]->text(), QStringLiteral("0"));
    }

    // While the window is disabled, during a search and while the two-jokers message is up,
    // every caption reads dark on the grey: headings, counts, options, joker, letter count.
    void legendesLisiblesPendantLaRecherche()
    {
        ouvre();
        const auto lisibles = [this] {
            QList<QPair<QString, int>> pales;
            QList<QPair<QWidget*, QRect>> legendes{
                {w->LblN, {}},   {w->Lbl[0], {}},  {w->Lbl[1], {}},
                {w->Lbl[2], {}}, {w->LblInfo, {}}, {w->FraOptions, QRect(0, 0, w->FraOptions->width(), 18)}};
            for (int k = 2; k <= 12; ++k)
                legendes << qMakePair(static_cast<QWidget*>(w->Nl[size_t(k)]), QRect())
                         << qMakePair(static_cast<QWidget*>(w->NR[size_t(k)]), QRect());
            for (const auto& [c, zone] : legendes) {
                const int sombre = zone.isNull() ? plusSombre(c) : plusSombre(c, zone);
                if (sombre >= 0x60)
                    pales.append({c->objectName(), sombre});
            }
            return pales;
        };
        using Pales = QList<QPair<QString, int>>;
        QTest::keyClicks(w->TxtCh, QStringLiteral("ab"));
        QTest::mouseClick(w->CmdCh, Qt::LeftButton);
        QVERIFY(!w->isEnabled());
        QCOMPARE(lisibles(), Pales());
        QTRY_VERIFY(w->isEnabled());

        QTest::keyClicks(w->TxtCh, QStringLiteral("??"));
        Pales pendantMessage{{QStringLiteral("no message"), 0}};
        platform_.onMessage = [&](const FakePlatform::Message&) {
            QVERIFY(!w->isEnabled());
            pendantMessage = lisibles();
        };
        cherche();
        QCOMPARE(pendantMessage, Pales());
    }

    void deuxJokers()
    {
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("ab"));
        cherche();
        QCOMPARE(w->NR[2]->text(), QStringLiteral("1"));
        QTest::keyClicks(w->TxtCh, QStringLiteral("??"));
        cherche();
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Attention, un seul joker est autorisé."));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Exclamation);
        QCOMPARE(w->LblInfo->text(), QString());
        QCOMPARE(w->NR[2]->text(), QStringLiteral("1"));  // the counts keep what they showed
        QCOMPARE(w->LstAna->count(), 0);
        for (int k = 2; k <= 12; ++k)
            QCOMPARE(fondListe(w->Lst[size_t(k)]), colorFromNumber(0xE0E0E0));
        QCOMPARE(fond(w.get()), colorFromNumber(0xFFFFFF));
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
    }

    void avertissementDouzeAvecJoker_data()
    {
        QTest::addColumn<int>("reponse");
        QTest::newRow("No cancels") << int(Platform::No);
        QTest::newRow("Yes searches") << int(Platform::Yes);
    }
    void avertissementDouzeAvecJoker()
    {
        QFETCH(int, reponse);
        ouvre();
        QTest::keyClicks(w->TxtCh, QStringLiteral("ABCDEFGHIJK?"));
        w->LblInfo->setText(QStringLiteral("avant"));
        platform_.answers = {reponse};
        QTest::mouseClick(w->CmdCh, Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        const auto& m = platform_.messages[0];
        QCOMPARE(m.text, QStringLiteral("Attention, la recherche contient un mot de plus de 11\r\n"
                                        "lettres avec un joker, la recherche risque d'être\r\n"
                                        "fortement  ralentie, elle  peut  éventuellement\r\n"
                                        "entraîner un blocage du programme.\r\n\r\n"
                                        "Voulez-vous quand même continuer ?"));
        QCOMPARE(m.buttons, Platform::Buttons::YesNo);
        QCOMPARE(m.defaultButton, 2);
        QCOMPARE(m.icon, Platform::Icon::Exclamation);
        QCOMPARE(module_.MsgReponse, reponse);
        if (reponse == Platform::No) {
            QCOMPARE(w->LblInfo->text(), QString());
            QVERIFY(!w->TimCherche->isActive());
            QVERIFY(w->isEnabled());
        } else {
            QVERIFY(w->TimCherche->isActive());
            QTRY_VERIFY(w->isEnabled());
            // ABCD and the joker letters: the fixture's words of these letters.
            QVERIFY(rows(w->LstAna).contains(QStringLiteral("BADC")));
        }
    }

    // The option off and no data loaded: the search says so instead of finding nothing.
    void donneesNonChargees()
    {
        module_.OptChargeAnag = 0;
        ouvre(false);
        QVERIFY(!w->TimAna->isActive());
        QVERIFY(w->LblWait->isHidden());
        QCOMPARE(words_.AnaLoaded, std::uint8_t(0));
        QCOMPARE(fond(w.get()), colorFromNumber(0xC0C0C0));
        QTest::keyClicks(w->TxtCh, QStringLiteral("abc"));
        QVERIFY(w->CmdCh->isEnabled());
        QTest::mouseClick(w->CmdCh, Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        QVERIFY(platform_.messages[0].text.startsWith(
            QStringLiteral("La base de données des anagrammes n'est pas chargée.")));
        QVERIFY(platform_.messages[0].text.contains(QStringLiteral("options")));
        QVERIFY(!w->TimCherche->isActive());
        QVERIFY(w->isEnabled());
        QVERIFY(platform_.pointers.isEmpty());
    }

    // The option on and no data loaded at start: the window loads the shipped list and builds
    // the index itself, one timer step after the other; the search waits for it.
    void chargementALaDemande()
    {
        w = std::make_unique<Frm11Ana>(ctx_);
        w->show();
        // The steps are run by hand so that each state between them is seen in every run.
        w->TimLoad_Timer();
        QCOMPARE(words_.AnaLoaded, std::uint8_t(1));
        QVERIFY(w->TimAna->isActive());
        QVERIFY(w->LblWait->isVisible());
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Hourglass));
        QTest::keyClicks(w->TxtCh, QStringLiteral("niche"));
        QVERIFY(!w->CmdCh->isEnabled());
        w->TimAna_Timer();
        QVERIFY(!words_.AnaWords.isEmpty());
        QVERIFY(!words_.Anagrammes.built());
        QVERIFY(w->TimAnaBis->isActive());
        QVERIFY(w->LblWait->isVisible());
        QVERIFY(!w->CmdCh->isEnabled());
        QCOMPARE(fond(w.get()), colorFromNumber(0xC0C0C0));
        QTRY_VERIFY_WITH_TIMEOUT(w->LblWait->isHidden(), 20000);  // the last step runs by itself
        QVERIFY(words_.Anagrammes.built());
        QVERIFY(w->CmdCh->isEnabled());
        QCOMPARE(fond(w.get()), colorFromNumber(0xFFFFFF));
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
        cherche();
        QVERIFY(rows(w->LstAna).contains(QStringLiteral("CHIEN")));

        // A second window finds the data loaded and loads nothing.
        const auto avant = words_.AnaWords.constData();
        w = std::make_unique<Frm11Ana>(ctx_);
        w->show();
        QTRY_VERIFY(!w->TimLoad->isActive());
        QVERIFY(!w->TimAna->isActive());
        QVERIFY(w->LblWait->isHidden());
        QCOMPARE(words_.AnaWords.constData(), avant);
        QCOMPARE(fond(w.get()), colorFromNumber(0xFFFFFF));
    }

    // A window closed while it loads the data does not leave the data missing for the rest of
    // the run: the next window loads it.
    void fermeturePendantLeChargement_data()
    {
        QTest::addColumn<bool>("listeLue");
        QTest::newRow("before the list is read") << false;
        QTest::newRow("before the index is built") << true;
    }
    void fermeturePendantLeChargement()
    {
        QFETCH(bool, listeLue);
        w = std::make_unique<Frm11Ana>(ctx_);
        w->TimLoad_Timer();
        if (listeLue)
            w->TimAna_Timer();
        w.reset();
        QCOMPARE(words_.AnaLoaded, std::uint8_t(0));
        QVERIFY(!words_.Anagrammes.built());

        ouvre(false);
        QCOMPARE(words_.AnaLoaded, std::uint8_t(1));
        QTRY_VERIFY_WITH_TIMEOUT(w->LblWait->isHidden(), 20000);
        QVERIFY(words_.Anagrammes.built());
        QTest::keyClicks(w->TxtCh, QStringLiteral("niche"));
        cherche();
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(rows(w->LstAna).contains(QStringLiteral("CHIEN")));
    }

    void methodesPubliques()
    {
        QCOMPARE(Frm11Ana::sChangeCaractere(QStringLiteral("A-B-C"), QStringLiteral("-"), QString()),
                 QStringLiteral("ABC"));
    }
};

QTEST_MAIN(TestFrm11Ana)
#include "test_frm11ana.moc"
