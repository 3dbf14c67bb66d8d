// Lexiparc — GPL-3.0-or-later.
// The all-possible-words search: order of discovery, filters, joker, limits and texts, on a
// fixture index, and the same words in the same order as a plain subset-by-subset search
// on the shipped list.
#include "data/AnagramIndex.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "tools/anagrams/RechercheAnagrammes.h"
#include "tools/anagrams/ClesAnagrammes.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>
#include <memory>

namespace {
// The characters of s selected by the mask nn (bit 0 selects the last of the 12 places, s
// being padded on the left with blanks to 12) when nn has exactly nbl bits set; else empty.
// A mask outside 0 to 4095 selects nothing.
QString lettres(const QString& s, qint32 nn, qint32 nbl)
{
    if (nn < 0 || nn > 4095 || int(qPopulationCount(quint32(nn))) != nbl)
        return QString();
    const QString place = s.rightJustified(12, u' ');
    QString out;
    for (int i = 0; i < 12; ++i)
        if (nn >> (11 - i) & 1)
            out += place.at(i);
    return out;
}

// The search done the plain way: every size, joker letter and mask in turn, each subset
// looked up through ChercheAnagrammes, each slot word of the size kept when each of its
// characters occurs among the working letters (the joker replaced by the current letter),
// no more often than there, and it was not kept before.
QStringList rechercheSimple(const AnagramIndex& index, QString s, int mini, const QString& obligatoire)
{
    s.remove(u' ');
    const int n = int(s.size());
    const int J = s.contains(u'?') ? 26 : 1;
    QStringList liste, trouves;
    for (int taille = n; taille >= mini; --taille)
        for (int a = 1; a <= J; ++a) {
            QString w = s;
            w.replace(u'?', QChar(u'@' + a));
            for (int masque = (1 << n) - 1; masque >= 3; --masque) {
                const QString sub = lettres(w, masque, taille);
                if (sub.isEmpty())
                    continue;
                QStringList seau;
                qint32 count = 0;
                if (!index.ChercheAnagrammes(sub, seau, count))
                    continue;
                for (qint32 i = 0; i < count; ++i) {
                    const QString& mot = seau[i];
                    if (mot.size() != taille || trouves.contains(mot))
                        continue;
                    bool present = true;
                    for (QChar c : mot)
                        present = present && w.count(c) >= mot.count(c);
                    if (!present)
                        continue;
                    if (obligatoire.isEmpty() || mot.contains(obligatoire))
                        liste << mot;
                    trouves << mot;
                }
            }
        }
    return liste;
}

// The per-length lists must be the listed words of each length, alphabetical.
void verifieListes(const ResultatAnagrammes& r)
{
    for (int k = 2; k <= 12; ++k) {
        QStringList attendu;
        for (const QString& m : r.LstAna)
            if (m.size() == k)
                attendu << m;
        attendu.sort();
        QCOMPARE(r.Lst[size_t(k)], attendu);
    }
}
}

class TestAnagramSearch : public QObject {
    Q_OBJECT
    AnagramIndex fixture;
    AnagramIndex livre;
    QStringList motsLivres;
    std::unique_ptr<ClesAnagrammes> clesFixture, clesLivre;

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/anagrams/ANA"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        fixture.IndexeAnagrammes(splitRecords(f.readAll()));
        // The fixture's collisions: three letter sets share the slot of NICHE, and the
        // letters of FIFACF share the slot of those of FLEDHK.
        QCOMPARE(HashLettres(u"AABJJP"), HashLettres(u"CEHIN"));
        QCOMPARE(HashLettres(u"ABCFHKL"), HashLettres(u"CEHIN"));
        QCOMPARE(HashLettres(u"ACFFFI"), HashLettres(u"DEFHKL"));

        motsLivres = ChargeRessource(QStringLiteral("ANA"), 99);
        livre.IndexeAnagrammes(motsLivres);
        clesFixture = std::make_unique<ClesAnagrammes>(fixture);
        clesLivre = std::make_unique<ClesAnagrammes>(livre);
    }

    void ordre_data()
    {
        QTest::addColumn<QString>("lettres");
        QTest::addColumn<QString>("mini");
        QTest::addColumn<QString>("obligatoire");
        QTest::addColumn<QStringList>("attendu");
        const auto l = [](const char* t) { return QString::fromLatin1(t).split(u' ', Qt::SkipEmptyParts); };
        QTest::newRow("ABCD min 2: sizes, then masks from the highest")
            << "ABCD"
            << "2"
            << "" << l("BADC DCBA CBA DBA DCA DCB BA CA DA CB DB DC");
        QTest::newRow("ABCD min 3") << "ABCD"
                                    << "3"
                                    << "" << l("BADC DCBA CBA DBA DCA DCB");
        QTest::newRow("NICHE min 5: other letters of the slot left out") << "NICHE"
                                                                         << "5"
                                                                         << "" << l("CHENI CHIEN CHINE NICHE");
        QTest::newRow("AAB: either A gives AB once") << "AAB"
                                                     << "2"
                                                     << "" << l("ABA AA BA");
        QTest::newRow("joker: letters A to Z, each word at its first letter")
            << "AB?"
            << "2"
            << "" << l("ABA CBA DBA ZAB BA AA CA CB DA DB");
        QTest::newRow("joker first") << "?BA"
                                     << "3"
                                     << "" << l("ABA CBA DBA ZAB");
        QTest::newRow("mandatory letter") << "ABCD"
                                          << "2"
                                          << "B" << l("BADC DCBA CBA DBA DCB BA CB DB");
        QTest::newRow("mandatory letter in no candidate") << "ABCD"
                                                          << "2"
                                                          << "Z" << QStringList();
        QTest::newRow("combo empty searches from 2") << "DC"
                                                     << ""
                                                     << "" << l("DC");
        QTest::newRow("combo 1 searches from 2") << "DC"
                                                 << "1"
                                                 << "" << l("DC");
        QTest::newRow("combo 20: no length above the letters") << "ABCD"
                                                               << "20"
                                                               << "" << QStringList();
        QTest::newRow("blanks removed") << " A B "
                                        << "2"
                                        << "" << l("BA");
        QTest::newRow("no letters") << "   "
                                    << "2"
                                    << "" << QStringList();
        QTest::newRow("one letter") << "A"
                                    << "2"
                                    << "" << QStringList();
        QTest::newRow("a word that needs a letter three times is not listed") << "ACDEFHIKL"
                                                                              << "6"
                                                                              << "" << l("FLEDHK");
        // FIFACF shares the slot of FLEDHK, looked up first: it is listed there, before
        // FLEDHK, in the slot's order.
        QTest::newRow("a word met first in the slot of another subset") << "DEFHKLFFACI"
                                                                        << "6"
                                                                        << "" << l("FIFACF FLEDHK");
        QTest::newRow("the same letters but one F: FIFACF needs three") << "DEFHKLFACI"
                                                                        << "6"
                                                                        << "" << l("FLEDHK");
        QTest::newRow("the joker stands for the B, then for the I") << "DEFHKLFFAC?"
                                                                    << "6"
                                                                    << "" << l("ABCFHKL FLEDHK FIFACF");
    }
    void ordre()
    {
        QFETCH(QString, lettres);
        QFETCH(QString, mini);
        QFETCH(QString, obligatoire);
        QFETCH(QStringList, attendu);
        const int m = ::longueurMinimale(mini);
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(fixture, lettres, m, obligatoire);
        QVERIFY(!r.tropDeJokers);
        QCOMPARE(r.LstAna, attendu);
        verifieListes(r);
        const ResultatAnagrammes rc = ChercheAnagrammesTousMots(fixture, lettres, m, obligatoire, clesFixture.get());
        QCOMPARE(rc.LstAna, attendu);
        QCOMPARE(rc.Lst, r.Lst);
        QCOMPARE(rechercheSimple(fixture, lettres, ::longueurMinimale(mini), obligatoire), attendu);
    }

    void listesParLongueur()
    {
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(fixture, QStringLiteral("ABCD"), 2, QString());
        QCOMPARE(r.Lst[2], QString::fromLatin1("BA CA CB DA DB DC").split(u' '));
        QCOMPARE(r.Lst[3], QString::fromLatin1("CBA DBA DCA DCB").split(u' '));
        QCOMPARE(r.Lst[4], QString::fromLatin1("BADC DCBA").split(u' '));
        QCOMPARE(r.NR(2), QStringLiteral("6"));
        QCOMPARE(r.NR(5), QStringLiteral("0"));
        // The slot of ABCD is looked up once although 4 masks of size 3 and 6 of size 2 met it.
        QCOMPARE(r.consultations, qsizetype(11));
    }

    // An index of words out of order, one stored twice: listed once, the per-length list
    // alphabetical all the same.
    void motsDansLeDesordre()
    {
        AnagramIndex index;
        index.IndexeAnagrammes(
            {QStringLiteral("NICHE"), QStringLiteral("CHIEN"), QStringLiteral("NICHE"), QStringLiteral("BA")});
        QVERIFY(!index.ordonne());
        const ClesAnagrammes cles(index);
        for (const ClesAnagrammes* c : {static_cast<const ClesAnagrammes*>(nullptr), &cles}) {
            const ResultatAnagrammes r = ChercheAnagrammesTousMots(index, QStringLiteral("CHIENAB"), 2, QString(), c);
            QCOMPARE(r.LstAna, QString::fromLatin1("NICHE CHIEN BA").split(u' '));
            QCOMPARE(r.Lst[5], QString::fromLatin1("CHIEN NICHE").split(u' '));
            QCOMPARE(r.Lst[2], QStringList{QStringLiteral("BA")});
        }
    }

    void deuxJokers()
    {
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(fixture, QStringLiteral("A??B"), 2, QString());
        QVERIFY(r.tropDeJokers);
        QVERIFY(r.LstAna.isEmpty());
    }

    void sansIndex()
    {
        const AnagramIndex vide;
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(vide, QStringLiteral("ABCD"), 2, QString());
        QVERIFY(r.LstAna.isEmpty());
    }

    // The shipped list: the same words in the same order as the plain search.
    void commeLaRechercheSimple_data()
    {
        QTest::addColumn<QString>("lettres");
        QTest::addColumn<int>("mini");
        QTest::addColumn<QString>("obligatoire");
        QTest::newRow("NICHE") << "NICHE" << 2 << "";
        QTest::newRow("12 letters") << "ESARTINLUOCD" << 2 << "";
        QTest::newRow("12 letters min 7 must U") << "ESARTINLUOCD" << 7 << "U";
        QTest::newRow("joker") << "ESARTIN?" << 2 << "";
        QTest::newRow("joker in front, repeated letters") << "?EESSRRA" << 3 << "";
        QTest::newRow("joker must E") << "TRAINE?S" << 4 << "E";
        QTest::newRow("ACRA met in another slot, must C") << "UARQOBICAF" << 3 << "C";
        QTest::newRow("12 letters, joker") << "ESARTINLUOC?" << 5 << "";
        QRandomGenerator g(20261210);
        const QString frequentes = QStringLiteral("EEEEAAASSIINNTTRRUULLOODCMPGBVHFQYXJKWZ");
        for (int i = 0; i < 24; ++i) {
            QString s;
            const int n = 3 + int(g.bounded(6));
            for (int k = 0; k < n; ++k)
                s += frequentes.at(g.bounded(int(frequentes.size())));
            if (i % 2)
                s.insert(g.bounded(int(s.size()) + 1), u'?');
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(s))) << s << 2 + int(g.bounded(3)) << "";
        }
    }
    void commeLaRechercheSimple()
    {
        QFETCH(QString, lettres);
        QFETCH(int, mini);
        QFETCH(QString, obligatoire);
        const QStringList attendu = rechercheSimple(livre, lettres, mini, obligatoire);
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(livre, lettres, mini, obligatoire);
        QCOMPARE(r.LstAna, attendu);
        verifieListes(r);
        const ResultatAnagrammes rc = ChercheAnagrammesTousMots(livre, lettres, mini, obligatoire, clesLivre.get());
        QCOMPARE(rc.LstAna, attendu);
        QCOMPARE(rc.Lst, r.Lst);
    }

    // FAUBERAI on the shipped list. FUIR lies in the slot of the letters AAFR (the keys FIRU
    // and AAFR hash alike), and FAUBERAI's subset F-A-R-A comes before F-U-R-I: FUIR is
    // listed there, after FERA (subset F-A-E-R) and before FRAI (subset F-A-R-I). The order
    // below is pinned for the words the list holds, whatever words a new edition of the list
    // adds or drops; the whole result is that of the plain search.
    void fauberai()
    {
        QCOMPARE(HashLettres(u"FIRU"), HashLettres(u"AAFR"));
        const QStringList ordre =
            QString::fromLatin1(
                "FAUBERAI FAUBERA RUBEFIA FAUBER BRIEFA BAFRAI AUBIER BAIERA BEAUF FUIRA FURIA BAFRE "
                "BAFRA FIBRA FAIRE FERAI FIERA FRAIE FURIE FIBRE AURAI ARABE BRAIE AERAI BRUIE BUIRE FERA "
                "FUIR FRAI FERU FIEU FUIE BREF BIEF FIER AUBE BEAU AURA RUAI ABER BAIE BEAI ABRI BRAI "
                "AERA AIRE RAIE REAI AIRA ARIA RAIA BEUR BURE REBU BRUI URBI BRIE FAR FIA FEU FUR FIU FUI "
                "FER REF FIE BAU EAU RUA BEA BAR RAB BAI ARE REA AIE ARA AIR IRA RAI RIA BUE BRU RUE URE "
                "BER IER IRE RIE FA FR FI IF AU UA AB BA AE RA AI BU EU RU BE RE RI")
                .split(u' ');
        const QSet<QString> livres(motsLivres.cbegin(), motsLivres.cend());
        for (const char* mot : {"FERA", "FUIR", "FRAI"})
            QVERIFY(livres.contains(QString::fromLatin1(mot)));
        QStringList attendu;
        for (const QString& mot : ordre)
            if (livres.contains(mot))
                attendu << mot;
        const QSet<QString> connus(ordre.cbegin(), ordre.cend());
        const ClesAnagrammes* const parCles = clesLivre.get();
        for (const ClesAnagrammes* c : {static_cast<const ClesAnagrammes*>(nullptr), parCles}) {
            const ResultatAnagrammes r = ChercheAnagrammesTousMots(livre, QStringLiteral("FAUBERAI"), 2, QString(), c);
            QStringList obtenu;
            for (const QString& mot : r.LstAna)
                if (connus.contains(mot))
                    obtenu << mot;
            QCOMPARE(obtenu, attendu);
            QCOMPARE(r.LstAna, rechercheSimple(livre, QStringLiteral("FAUBERAI"), 2, QString()));
        }
    }

    // Packed keys of another index, or of an index built again since, are not used.
    void clesPerimees()
    {
        AnagramIndex index;
        index.IndexeAnagrammes({QStringLiteral("BA")});
        const ClesAnagrammes cles(index);
        QVERIFY(cles.decrit(index));
        QVERIFY(!cles.decrit(fixture));
        index.IndexeAnagrammes(QString::fromLatin1("AB BA CA DA EA FA GA HA IA JA KA LA MA NA OA PA QA RA SA TA UA "
                                                   "VA WA XA YA ZA ABA ACA ADA AEA AFA AGA AHA AIA AJA AKA")
                                   .split(u' '));
        QVERIFY(!cles.decrit(index));
        const ResultatAnagrammes r = ChercheAnagrammesTousMots(index, QStringLiteral("AB"), 2, QString(), &cles);
        QCOMPARE(r.LstAna, QStringList({"AB", "BA"}));
        const ResultatAnagrammes f = ChercheAnagrammesTousMots(fixture, QStringLiteral("AB"), 2, QString(), &cles);
        QCOMPARE(f.LstAna, QStringList({"BA"}));
    }

    void cleTriee_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<quint64>("cle");
        QTest::newRow("BA") << "BA" << quint64(1 | 2 << 5);
        QTest::newRow("anagrams share it") << "CHIEN" << ::cleTriee(u"NICHE");
        QTest::newRow("not A to Z") << "Ba" << quint64(0);
        QTest::newRow("empty") << "" << quint64(0);
        QTest::newRow("13 letters") << "ABCDEFGHIJKLM" << quint64(0);
    }
    void cleTriee()
    {
        QFETCH(QString, mot);
        QFETCH(quint64, cle);
        QCOMPARE(::cleTriee(mot), cle);
    }

    void cleAlpha()
    {
        QVERIFY(::cleAlpha(u"AB") < ::cleAlpha(u"ABA"));
        QVERIFY(::cleAlpha(u"ABZ") < ::cleAlpha(u"AC"));
        QVERIFY(::cleAlpha(u"ZZZZZZZZZZZY") < ::cleAlpha(u"ZZZZZZZZZZZZ"));
        QCOMPARE(::cleAlpha(u"Ab"), quint64(0));
    }

    void lettres_data()
    {
        QTest::addColumn<QString>("s");
        QTest::addColumn<int>("nn");
        QTest::addColumn<int>("nbl");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("bit 0 is the last") << "ABCD" << 1 << 1 << "D";
        QTest::newRow("AC") << "ABCD" << 0b1010 << 2 << "AC";
        QTest::newRow("order of s kept") << "ABCD" << 0b1101 << 3 << "ABD";
        QTest::newRow("wrong count") << "ABCD" << 0b1010 << 3 << "";
        QTest::newRow("twelve, highest bit") << "ABCDEFGHIJKL" << 0x800 << 1 << "A";
        QTest::newRow("blank padding") << "AB" << 0b100 << 1 << " ";
        QTest::newRow("all twelve") << "ABCDEFGHIJKL" << 4095 << 12 << "ABCDEFGHIJKL";
        QTest::newRow("mask beyond 12 bits") << "ABCD" << 4096 << 1 << "";
        QTest::newRow("negative mask") << "ABCD" << -1 << 12 << "";
    }
    void lettres()
    {
        QFETCH(QString, s);
        QFETCH(int, nn);
        QFETCH(int, nbl);
        QFETCH(QString, attendu);
        QCOMPARE(::lettres(s, nn, nbl), attendu);
    }

    void longueurMinimale_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("mini");
        QTest::newRow("empty") << "" << 2;
        QTest::newRow("1") << "1" << 2;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("blanks") << " 1 2 " << 12;
        QTest::newRow("leading number") << "4x" << 4;
        QTest::newRow("not a number") << "abc" << 2;
        QTest::newRow("half to even, down") << "2.5" << 2;
        QTest::newRow("half to even, up") << "3.5" << 4;
        QTest::newRow("20 held at 15") << "20" << 15;
        QTest::newRow("negative") << "-5" << 2;
        QTest::newRow("huge") << "1e300" << 15;
    }
    void longueurMinimale()
    {
        QFETCH(QString, texte);
        QFETCH(int, mini);
        QCOMPARE(::longueurMinimale(texte), mini);
    }

    void textes_data()
    {
        QTest::addColumn<QTime>("debut");
        QTest::addColumn<QTime>("fin");
        QTest::addColumn<int>("m");
        QTest::addColumn<QString>("duree");
        QTest::addColumn<QString>("resume");
        QTest::newRow("18 s") << QTime(10, 0, 0) << QTime(10, 0, 18) << 5 << "00:00:18"
                              << QStringLiteral("5 mots trouvés en 0:18 sec.");
        QTest::newRow("2 min 5 s") << QTime(9, 59, 0) << QTime(10, 1, 5) << 1 << "00:02:05"
                                   << QStringLiteral("1 mots trouvés en 2:05 sec.");
        QTest::newRow("past midnight") << QTime(23, 59, 59) << QTime(0, 0, 1) << 3 << "00:00:02"
                                       << QStringLiteral("3 mots trouvés en 0:02 sec.");
        QTest::newRow("nothing") << QTime(10, 0, 0) << QTime(10, 0, 0) << 0 << "00:00:00"
                                 << QStringLiteral("Aucun mots trouvés.");
    }
    void textes()
    {
        QFETCH(QTime, debut);
        QFETCH(QTime, fin);
        QFETCH(int, m);
        QFETCH(QString, duree);
        QFETCH(QString, resume);
        QCOMPARE(texteDuree(debut, fin), duree);
        QCOMPARE(texteResume(m, duree), resume);
        QCOMPARE(texteHeure(QTime(7, 5, 3)), QStringLiteral("07:05:03"));
    }
};

QTEST_APPLESS_MAIN(TestAnagramSearch)
#include "test_anagram_search.moc"
