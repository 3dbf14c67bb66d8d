// Lexiparc — GPL-3.0-or-later.
// The loading screen: its texts, the chain for the four option combinations, the end
// animation, failing loaders, and the hand-over to the main frame.
#include "WindowFixture.h"

#include "app/Frm02Charge.h"
#include "app/MDI.h"
#include "app/TextesChargement.h"
#include "common/Colors.h"
#include "common/RuntimeError.h"
#include "data/DataCounts.h"
#include "data/Resources.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestCharge : public QObject, WindowFixture<> {
    Q_OBJECT

    static QColor textColor(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    static QString line(const Frm02Charge* f, int i) { return f->LblChargement[size_t(i)]->text(); }
    static bool ticked(const Frm02Charge* f, int i) { return !f->ImgCoche2[size_t(i)]->isHidden(); }

    // A loading screen whose timers the test runs itself.
    Frm02Charge* stepped()
    {
        auto* f = new Frm02Charge(ctx_);
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->montreMDI = nullptr;
        f->Tim1a9->stop();
        return f;
    }

private slots:
    void init()
    {
        reset();
        module_.VersionProg = QStringLiteral("1.20");
        module_.NbMots = DataCounts::kNbMots;
        module_.NbDefinitions = DataCounts::kNbDefinitions;
        module_.NbSynonymes = float(DataCounts::kNbSynonymes);
    }
    void cleanup()
    {
        delete ctx_.mdi;
        ctx_.mdi = nullptr;
    }

    void percentages_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("percent");
        const float top = 0.99999994f;  // the largest draw below 1
        QTest::newRow("dictionary lowest") << 0 << 0.0f << 5;
        QTest::newRow("dictionary highest") << 0 << top << 10;
        QTest::newRow("anagrams lowest") << 1 << 0.0f << 11;
        QTest::newRow("anagrams middle") << 1 << 0.5f << 31;
        QTest::newRow("anagrams highest") << 1 << top << 50;
        QTest::newRow("index lowest") << 2 << 0.0f << 60;
        QTest::newRow("index highest") << 2 << top << 80;
    }
    void percentages()
    {
        QFETCH(int, step);
        QFETCH(float, draw);
        QFETCH(int, percent);
        QCOMPARE(pourcentageChargement(EtapeChargement(step), draw), percent);
    }

    void loadShowsFiguresAndWaits()
    {
        platform_.screenTwips = QSize(30000, 15000);
        std::unique_ptr<Frm02Charge> f(stepped());
        QCOMPARE(f->LblMotDef->text(),
                 QString::number(DataCounts::kNbMots) + QStringLiteral(" mots de 2 à 15 lettres - ") +
                     QString::number(DataCounts::kNbDefinitions) + QStringLiteral(" définitions"));
        QCOMPARE(f->LblVer->text(), QStringLiteral("Version 1.20"));
        QCOMPARE(f->LblInf->text(), QString());
        QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données, patientez..."));
        QCOMPARE(f->width(), f->Lbl->width());
        QCOMPARE(f->height(), f->ShaH->y());
        QCOMPARE(f->pos(), QPoint((2000 - f->width()) / 2, (1000 - f->height()) / 3));
        QCOMPARE(f->ImgLogo->pixmap().isNull(), false);
        QCOMPARE(platform_.lastPointer(f.get()), int(Platform::Hourglass));
        const QStringList design{"Dictionnaire et définitions.", "Les anagrammes.", "Les synonymes."};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(line(f.get(), i), design[i]);
            QCOMPARE(textColor(f->LblChargement[size_t(i)]), colorFromNumber(0x404040));
            QVERIFY(!ticked(f.get(), i));
        }
        QCOMPARE(f->findChild<QTimer*>(QStringLiteral("TimQ")), f->TimLettre[16]);
        QCOMPARE(f->findChild<QLabel*>(QStringLiteral("LblChargement_1")), f->LblChargement[1]);
    }

    // The counts stay on one line inside the window, however many digits they have.
    void countsOnOneLine_data()
    {
        QTest::addColumn<int>("mots");
        QTest::addColumn<int>("definitions");
        QTest::newRow("shipped") << DataCounts::kNbMots << DataCounts::kNbDefinitions;
        QTest::newRow("largest") << 2147483647 << 2147483647;
    }
    void countsOnOneLine()
    {
        QFETCH(int, mots);
        QFETCH(int, definitions);
        module_.NbMots = mots;
        module_.NbDefinitions = definitions;
        std::unique_ptr<Frm02Charge> f(stepped());
        const QLabel* l = f->LblMotDef;
        QCOMPARE(l->text(), texteMotsDefinitions(mots, definitions));
        QVERIFY(!l->wordWrap());
        QVERIFY(QRect(QPoint(), f->size()).contains(l->geometry()));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                 qPrintable(QString::number(l->fontMetrics().horizontalAdvance(l->text()))));
        QVERIFY(l->fontMetrics().height() <= l->contentsRect().height());
    }

    // Both options on, step by step: texts, percentages, intervals, flags before the work.
    void stepsOneByOne()
    {
        module_.OptChargeAnag = 1;
        module_.OptChargeSyno = 1;
        platform_.randomValues = {0.0f, 0.99999994f, 0.5f};
        std::unique_ptr<Frm02Charge> f(stepped());
        int anaLoadedSeen = -1, synoLoadedSeen = -1;
        QString letters;
        f->chargeurs.listeAna = [&](WordData& w) {
            anaLoadedSeen = w.AnaLoaded;
            ChargeListeAna(w);
        };
        f->chargeurs.lettreSyno = [&](WordData& w, QChar l) {
            if (l == u'A')
                synoLoadedSeen = w.SynoLoaded;
            letters += l;
            ChargeLettreSyno(w, l);
        };

        f->Tim1a9_Timer();
        QVERIFY(!f->Tim1a9->isActive());
        QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données 5%."));
        QCOMPARE(
            line(f.get(), 0),
            QStringLiteral("Liste %1 mots, %2 définitions.").arg(DataCounts::kNbMots).arg(DataCounts::kNbDefinitions));
        QCOMPARE(textColor(f->LblChargement[0]), QColor(Qt::black));
        QVERIFY(ticked(f.get(), 0));
        QCOMPARE(words_.DicoWords.size(), DataCounts::kNbMots);
        QVERIFY(f->TimAna->isActive());
        QCOMPARE(f->TimAna->interval(), 10);

        f->TimAna->stop();
        f->TimAna_Timer();
        QCOMPARE(anaLoadedSeen, 1);
        QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données 50%."));
        QCOMPARE(line(f.get(), 1), QStringLiteral("Base de données %1 anagrammes.").arg(DataCounts::kAnaFin[12]));
        QVERIFY(ticked(f.get(), 1));
        QVERIFY(!words_.Anagrammes.built());
        QVERIFY(f->TimAnaBis->isActive());
        QCOMPARE(f->TimAnaBis->interval(), 250);

        f->TimAnaBis->stop();
        f->TimAnaBis_Timer();
        QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données 70%."));
        QVERIFY(words_.Anagrammes.built());
        QCOMPARE(platform_.randomizeCalls, 3);

        for (int i = 0; i < 26; ++i) {
            QVERIFY(f->TimLettre[size_t(i)]->isActive());
            QCOMPARE(f->TimLettre[size_t(i)]->interval(), 10);
            f->TimLettre[size_t(i)]->stop();
            f->TimLettre_Timer(i);
            if (i < 25) {
                QCOMPARE(line(f.get(), 2), QStringLiteral("Liste des synonymes %1.").arg(QChar(u'A' + i)));
                QVERIFY(!ticked(f.get(), 2));
            }
        }
        QCOMPARE(synoLoadedSeen, 1);
        QCOMPARE(letters, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QCOMPARE(line(f.get(), 2), QStringLiteral("Base de données %1 synonymes.").arg(DataCounts::kNbSynonymes));
        QVERIFY(ticked(f.get(), 2));
        // The synonym steps leave the percentage alone.
        QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données 70%."));
        QVERIFY(f->TimTempo->isActive());
        QCOMPARE(f->TimTempo->interval(), 200);
    }

    void endAnimation()
    {
        std::unique_ptr<Frm02Charge> f(stepped());
        f->Tim1a9_Timer();
        f->TimAna->stop();
        f->TimAna_Timer();
        f->TimLettre[0]->stop();
        f->TimLettre_Timer(0);
        QVERIFY(f->TimTempo->isActive());
        f->TimTempo->stop();
        const QStringList dots{" .", " . .", " . . .", " . . . .", " . . . . ."};
        for (int tick = 1; tick <= 8; ++tick) {
            f->TimTempo->start(200);
            f->TimTempo_Timer();
            QCOMPARE(f->LblInf1->text(), QStringLiteral("Chargement des données 100%"));
            if (tick <= 5) {
                QCOMPARE(f->LblInf->text(), dots[tick - 1]);
                QVERIFY(ticked(f.get(), 0));
                QCOMPARE(textColor(f->LblChargement[0]), QColor(Qt::black));
            }
            if (tick >= 6) {
                QCOMPARE(f->LblInf->text(), dots[4]);
                for (QLabel* l : {f->LblInf1, f->LblInf, f->LblChargement[0], f->LblChargement[1], f->LblChargement[2]})
                    QCOMPARE(textColor(l), colorFromNumber(0x808080));
                for (int i = 0; i < 3; ++i)
                    QVERIFY(!ticked(f.get(), i));
            }
            if (tick < 8) {
                QVERIFY(f->TimTempo->isActive());
                QCOMPARE(platform_.lastPointer(f.get()), int(Platform::Hourglass));
            }
        }
        QCOMPARE(f->CptTempo, 7);
        QVERIFY(!f->TimTempo->isActive());
        QVERIFY(f->TimFin->isActive());
        QCOMPARE(f->TimFin->interval(), 100);
        QCOMPARE(platform_.lastPointer(f.get()), int(Platform::Arrow));
    }

    // The whole chain on its timers, ending with the main frame.
    void chain_data()
    {
        QTest::addColumn<int>("anag");
        QTest::addColumn<int>("syno");
        QTest::newRow("both on") << 1 << 1;
        QTest::newRow("anagrams off") << 0 << 1;
        QTest::newRow("synonyms off") << 1 << 0;
        QTest::newRow("both off") << 0 << 0;
    }
    void chain()
    {
        QFETCH(int, anag);
        QFETCH(int, syno);
        module_.OptChargeAnag = std::uint8_t(anag);
        module_.OptChargeSyno = std::uint8_t(syno);
        QPointer<Frm02Charge> f = new Frm02Charge(ctx_);
        f->show();
        QTRY_VERIFY_WITH_TIMEOUT(f->TimTempo->isActive(), 10000);

        QVERIFY(ticked(f, 0));
        QCOMPARE(words_.DicoWords.size(), DataCounts::kNbMots);
        QCOMPARE(words_.AnaLoaded, anag);
        QCOMPARE(words_.AnaWords.size(), anag ? DataCounts::kAnaFin[12] + 1 : 0);
        QCOMPARE(words_.Anagrammes.built(), anag == 1);
        QCOMPARE(ticked(f, 1), anag == 1);
        QCOMPARE(line(f, 1), anag ? QStringLiteral("Base de données %1 anagrammes.").arg(DataCounts::kAnaFin[12])
                                  : QStringLiteral("Les anagrammes."));
        QCOMPARE(words_.SynoLoaded, syno);
        for (int i = 0; i < 26; ++i)
            QCOMPARE(words_.TabSyno[size_t(i)].size(), syno ? DataCounts::kNbSyno[size_t(i)] : 0);
        QCOMPARE(ticked(f, 2), syno == 1);
        QCOMPARE(line(f, 2), syno ? QStringLiteral("Base de données %1 synonymes.").arg(DataCounts::kNbSynonymes)
                                  : QStringLiteral("Les synonymes."));
        QVERIFY(!ctx_.mdi);

        QTRY_VERIFY_WITH_TIMEOUT(ctx_.mdi && ctx_.mdi->isVisible(), 5000);
        QTRY_VERIFY(f.isNull());
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(platform_.quitCalls == 0);
    }

    // A loader that fails is reported and the chain goes on.
    void failingLoadersAreReported()
    {
        module_.OptChargeAnag = 1;
        module_.OptChargeSyno = 1;
        QPointer<Frm02Charge> f = new Frm02Charge(ctx_);
        f->chargeurs.dico = [](WordData&) { throw RuntimeError(326, QStringLiteral("Resource DICO not found")); };
        f->chargeurs.listeAna = [](WordData& w) { w.AnaWords = {QStringLiteral("CHIEN"), QStringLiteral("NICHE")}; };
        f->chargeurs.lettreSyno = [](WordData& w, QChar l) {
            if (l == u'Q' || l == u'Z')
                throw RuntimeError(13, QStringLiteral("Bad record"));
            fillSynonymLetter(w, l.unicode() - u'A', {QStringLiteral("mot§n.$autre")});
        };
        f->show();
        QTRY_VERIFY_WITH_TIMEOUT(f->TimTempo->isActive(), 10000);
        QCOMPARE(platform_.messages.size(), 3);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Resource DICO not found") + QString(17, u' ') +
                                                 QStringLiteral("\r\nErreur interne 101 - 326"));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Critical);
        QCOMPARE(platform_.messages[1].text.section(u'\n', 1), QStringLiteral("Erreur interne 101 - 13"));
        QCOMPARE(module_.ErrCode, QStringLiteral("101"));
        QCOMPARE(module_.ErrNumero, 13);
        QCOMPARE(line(f, 0), QStringLiteral("Dictionnaire et définitions."));
        QVERIFY(!ticked(f, 0));
        QVERIFY(ticked(f, 1));
        QCOMPARE(line(f, 1), QStringLiteral("Base de données 1 anagrammes."));
        QCOMPARE(line(f, 2), QStringLiteral("Liste des synonymes Z."));
        QVERIFY(!ticked(f, 2));
        QCOMPARE(words_.TabSyno[16].size(), 0);
        QCOMPARE(words_.TabSyno[17].size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(ctx_.mdi && ctx_.mdi->isVisible(), 5000);
    }

    void focClickEndsAtOnce()
    {
        std::unique_ptr<Frm02Charge> f(stepped());
        f->Foc->click();
        QCOMPARE(platform_.quitCalls, 1);
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(f->Foc->x() + f->Foc->width() <= 0);
    }
};

QTEST_MAIN(TestCharge)
#include "test_charge.moc"
