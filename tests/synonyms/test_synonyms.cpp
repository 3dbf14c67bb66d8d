// Lexiparc — GPL-3.0-or-later.
// The synonym order, the exact lookup, the headword listing and their texts, on small tables
// and on the shipped thesaurus.
#include "FixtureSyno.h"

#include "data/DataCounts.h"
#include "data/EmbeddedData.h"
#include "data/Resources.h"
#include "tools/synonyms/EntreeSyno.h"
#include "tools/synonyms/ListeMotsSyno.h"
#include "tools/synonyms/RechercheSyno.h"
#include "tools/synonyms/TextesSyno.h"
#include "tools/synonyms/TriAlpha.h"

#include <QtTest>

class TestSynonymes : public QObject {
    Q_OBJECT
    WordData words_;
    Module module_;

    ResultatSyno cherche(const QString& tape)
    {
        return RechercheSynonyme(words_, module_.NbSyno, normaliseSaisie(tape), tape);
    }
    ResultatListe liste(const QString& tape) { return ListeMotsSyno(words_, module_.NbSyno, normaliseSaisie(tape)); }
    // The shipped thesaurus in all 26 tables, with the counts of the start screen.
    static void chargeThesaurus(WordData& words, std::array<qint16, 26>& nb)
    {
        for (int i = 0; i < 26; ++i) {
            ChargeLettreSyno(words, QChar(u'A' + i));
            nb[size_t(i)] = qint16(DataCounts::kNbSyno[size_t(i)]);
        }
    }

private slots:
    void initTestCase() { loadFixtureSyno(words_, module_); }

    void triAlpha_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("out");
        QTest::newRow("code-page order, empty last")
            << QStringList{"zèbre", "abri", "Abri", "écart", "ab", "", "œil", "à bas", "a-t-il", "être", "Zen"}
            << QStringList{"Abri", "Zen", "a-t-il", "ab", "abri", "zèbre", "œil", "à bas", "écart", "être", ""};
        QTest::newRow("signs before letters, typographic apostrophe after z")
            << QStringList{"z", "l’a", "l'a", "(x)", "a b", "a-b", "ab"}
            << QStringList{"(x)", "a b", "a-b", "ab", "l'a", "l’a", "z"};
        QTest::newRow("duplicates and several empty items")
            << QStringList{"", "b", "", "a", "b"} << QStringList{"a", "b", "b", "", ""};
        QTest::newRow("one item") << QStringList{"seul"} << QStringList{"seul"};
    }
    void triAlpha()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, out);
        TriAlpha(in);
        QCOMPARE(in, out);
    }

    void decoupeEtTri_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("sorted") << "flot\\onde\\liquide\\pluie\\nappe\\source"
                                << QStringList{"flot", "liquide", "nappe", "onde", "pluie", "source"};
        QTest::newRow("no separator") << "savarin" << QStringList{"savarin"};
        QTest::newRow("trailing separator: empty last row") << "bête\\" << QStringList{"bête", ""};
        QTest::newRow("separators in a row")
            << "règle\\\\statut\\\\loi" << QStringList{"loi", "règle", "statut", "", ""};
        QStringList stored;
        for (int i = 43; i >= 1; --i)
            stored << QStringLiteral("mot%1").arg(i, 2, 10, QChar(u'0'));
        QStringList shown = stored.mid(0, 21);
        std::reverse(shown.begin(), shown.end());
        QTest::newRow("the first 21 of 43, then sorted") << stored.join(u'\\') << shown;
    }
    void decoupeEtTri()
    {
        QFETCH(QString, raw);
        QFETCH(QStringList, rows);
        QCOMPARE(::synonymesTries(raw), rows);
    }

    void lettres_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("recherche");
        QTest::newRow("a") << QChar(u'a') << 0 << 0;
        QTest::newRow("à") << QChar(u'à') << 0 << 0;
        QTest::newRow("â") << QChar(u'â') << 0 << 0;
        QTest::newRow("ç") << QChar(u'ç') << 2 << 2;
        QTest::newRow("é") << QChar(u'é') << 4 << 4;
        QTest::newRow("ô") << QChar(u'ô') << 14 << 14;
        QTest::newRow("m") << QChar(u'm') << 12 << 12;
        QTest::newRow("z") << QChar(u'z') << 25 << 25;
        QTest::newRow("capital B: lookup only") << QChar(u'B') << -1 << 1;
        QTest::newRow("capital D: neither") << QChar(u'D') << -1 << -1;
        QTest::newRow("capital Y: neither") << QChar(u'Y') << -1 << -1;
        QTest::newRow("capital Ç: lookup only") << QChar(u'Ç') << -1 << 2;
        QTest::newRow("æ") << QChar(u'æ') << -1 << -1;
        QTest::newRow("œ") << QChar(u'œ') << -1 << -1;
        QTest::newRow("î") << QChar(u'î') << -1 << -1;
        QTest::newRow("digit") << QChar(u'1') << -1 << -1;
        QTest::newRow("blank") << QChar(u' ') << -1 << -1;
        QTest::newRow("apostrophe") << QChar(u'\'') << -1 << -1;
    }
    void lettres()
    {
        QFETCH(QChar, c);
        QFETCH(int, liste);
        QFETCH(int, recherche);
        QCOMPARE(lettreListe(c), liste);
        QCOMPARE(lettreRecherche(c), recherche);
    }

    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mirror");
        QTest::newRow("lower-case accents folded") << "été"
                                                   << "ete";
        QTest::newRow("capital accents lowered, not folded") << "ÉTÉ"
                                                             << "été";
        QTest::newRow("priming text") << "à "
                                      << "a ";
        QTest::newRow("ligatures written out") << "œil æschne"
                                               << "oeil aeschne";
        QTest::newRow("capital ligature lowered, then written out") << "Œuvre"
                                                                    << "oeuvre";
        QTest::newRow("longer than any headword, folded whole") << "assimilation chlorophyllienne à côté"
                                                                << "assimilation chlorophyllienne a cote";
    }
    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mirror);
        QCOMPARE(normaliseSaisie(typed), mirror);
    }

    void recherche_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("lbl4");
        QTest::addColumn<QString>("lbl2");
        const QStringList eau{"flot", "liquide", "nappe", "onde", "pluie", "source"};
        const QStringList abime{"abysse", "creux", "fosse", "gouffre", "précipice", "puits", "vide"};
        QTest::newRow("eau") << "eau" << 1 << eau << "6 synonymes pour ''eau''."
                             << "EAU: nom";
        QTest::newRow("Eau keeps its case in the message") << "Eau" << 1 << eau << "6 synonymes pour ''Eau''."
                                                           << "EAU: nom";
        QTest::newRow("one synonym") << "baba" << 1 << QStringList{"savarin"} << "Un synonyme pour ''baba''."
                                     << "BABA: adjectif nom";
        QTest::newRow("accents differ: the first line wins") << "abîme" << 10 << abime << "7 synonymes pour ''abîme''."
                                                             << "ABÎME: nom";
        QTest::newRow("no accent typed") << "abime" << 10 << abime << "7 synonymes pour ''abime''."
                                         << "ABIME: nom";
        QTest::newRow("capital accent not folded: no entry")
            << "ABÎME" << 0 << QStringList{} << "Aucun synonyme pour ''ABÎME''."
            << "";
        QTest::newRow("duplicate headword: only the first")
            << "assommant" << 14 << QStringList{"ennuyeux"} << "Un synonyme pour ''assommant''."
            << "ASSOMMANT: adjectif";
        QTest::newRow("capital headword") << "rer" << 2 << QStringList{"métro", "train"} << "2 synonymes pour ''rer''."
                                          << "RER: nom";
        QTest::newRow("code without a label")
            << "en-tête" << 4 << QStringList{"titre"} << "Un synonyme pour ''en-tête''."
            << "";
        QTest::newRow("other code without a label")
            << "quelqu'un" << 1 << QStringList{"on", "personne"} << "2 synonymes pour ''quelqu'un''."
            << "";
        QStringList first21;  // stored from mot43 down: the first 21 are mot43 to mot23
        for (int i = 23; i <= 43; ++i)
            first21 << QStringLiteral("mot%1").arg(i);
        QTest::newRow("21 of 43") << "sans-gêne" << 1 << first21 << "21 synonymes pour ''sans-gêne''."
                                  << "SANS-GÊNE: nom";
        QTest::newRow("priming text searched unchanged") << "à " << 0 << QStringList{} << "Aucun synonyme pour ''à ''."
                                                         << "";
        QTest::newRow("initial æ") << "æshne" << 13 << QStringList{"libellule"} << "Un synonyme pour ''æshne''."
                                   << "ÆSHNE: nom";
        QTest::newRow("æ typed as ae") << "aeshne" << 13 << QStringList{"libellule"} << "Un synonyme pour ''aeshne''."
                                       << "AESHNE: nom";
        QTest::newRow("initial œ") << "œil" << 2 << QStringList{"regard", "vue"} << "2 synonymes pour ''œil''."
                                   << "ŒIL: nom";
        QTest::newRow("œ typed as oe") << "oeil" << 2 << QStringList{"regard", "vue"} << "2 synonymes pour ''oeil''."
                                       << "OEIL: nom";
        QTest::newRow("capital Œ") << "Œil" << 2 << QStringList{"regard", "vue"} << "2 synonymes pour ''Œil''."
                                   << "ŒIL: nom";
        QTest::newRow("œ inside the word, typed as oe")
            << "coeur" << 4 << QStringList{"âme"} << "Un synonyme pour ''coeur''."
            << "COEUR: nom";
        QTest::newRow("initial selects no letter") << "2cv" << 0 << QStringList{} << "Aucun synonyme pour ''2cv''."
                                                   << "";
        QTest::newRow("empty text") << "" << 0 << QStringList{} << "Aucun synonyme pour ''''."
                                    << "";
        QTest::newRow("letter not loaded") << "ville" << 0 << QStringList{} << "Aucun synonyme pour ''ville''."
                                           << "";
    }
    void recherche()
    {
        QFETCH(QString, typed);
        QFETCH(int, line);
        QFETCH(QStringList, rows);
        QFETCH(QString, lbl4);
        QFETCH(QString, lbl2);
        const ResultatSyno r = cherche(typed);
        QCOMPARE(r.ligne, line);
        QCOMPARE(r.LstS, rows);
        QCOMPARE(r.Lbl4, lbl4);
        QCOMPARE(r.Lbl2, lbl2);
        QCOMPARE(r.SynoCourant.isEmpty(), line == 0);
        QVERIFY(r.erreurs.isEmpty());
    }

    void rechercheParties()
    {
        const ResultatSyno r = cherche(QStringLiteral("abaissé"));
        QCOMPARE(r.lettre, 0);
        QCOMPARE(r.parties.MotSyno, QStringLiteral("abaisse"));
        QCOMPARE(r.parties.NatureSyno, QStringLiteral("n"));
        QCOMPARE(r.parties.ListeSyno, QStringLiteral("pâte"));
        QCOMPARE(r.SynoCourant, QStringLiteral("pâte"));
    }

    void countBeyondTable()
    {
        // A count larger than the loaded table reads only what is there; a smaller one bounds the scan.
        auto nb = module_.NbSyno;
        nb[4] = 4000;
        QCOMPARE(RechercheSynonyme(words_, nb, QStringLiteral("etable"), QStringLiteral("étable")).ligne, 5);
        nb[4] = 3;
        QCOMPARE(RechercheSynonyme(words_, nb, QStringLiteral("etable"), QStringLiteral("étable")).ligne, 0);
        QCOMPARE(ListeMotsSyno(words_, nb, QStringLiteral("e")).compte, 0);
        QCOMPARE(ListeMotsSyno(words_, nb, QStringLiteral("em")).Lst,
                 (QStringList{"empoisonnement", "empoisonnement"}));
    }

    void malformedRecord()
    {
        const ResultatSyno r = cherche(QStringLiteral("xénon"));
        QCOMPARE(r.ligne, 1);
        QCOMPARE(r.erreurs.size(), 1);
        QCOMPARE(r.erreurs.first().number(), 5);
        QCOMPARE(r.Lbl4, QStringLiteral("Aucun synonyme pour ''xénon''."));
        const ResultatListe l = liste(QStringLiteral("xe"));
        QCOMPARE(l.Lst, QStringList{"xénon"});
        QCOMPARE(l.erreurs.size(), 1);
        QCOMPARE(l.Lbl3, QStringLiteral("Un mot listé."));
    }

    void historique_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first search") << QStringList{} << "eau" << QStringList{"eau"};
        QTest::newRow("already there keeps its place")
            << QStringList{"a", "eau", "b"} << "eau" << QStringList{"a", "eau", "b"};
        QTest::newRow("another case is a new entry") << QStringList{"baba"} << "Baba" << QStringList{"Baba", "baba"};
        QTest::newRow("another accent is a new entry")
            << QStringList{"abime"} << "abîme" << QStringList{"abîme", "abime"};
        QTest::newRow("empty text enters") << QStringList{"eau"} << "" << QStringList{"", "eau"};
        QStringList twelve;
        for (int i = 12; i >= 1; --i)
            twelve << QString::number(i);
        QStringList kept = QStringList{"13"} + twelve.mid(0, 11);
        QTest::newRow("thirteenth drops the oldest") << twelve << "13" << kept;
    }
    void historique()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, text);
        QFETCH(QStringList, after);
        QCOMPARE(ajouteHistorique(before, text), after);
    }

    void natures()
    {
        QCOMPARE(int(TableNatures().size()), 34);
        QCOMPARE(libelleNature(QStringLiteral("adj prép")), QStringLiteral(": adjectif préposition"));
        QCOMPARE(libelleNature(QStringLiteral("n prép v")), QStringLiteral(": nom préposition verbe"));
        QCOMPARE(libelleNature(QStringLiteral("v")), QStringLiteral(": verbe"));
        QCOMPARE(libelleNature(QStringLiteral("adj ")), QString());
        QCOMPARE(libelleNature(QString()), QString());
    }

    void listing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("lbl3");
        QTest::newRow("priming text") << "à " << QStringList{"à bas", "à cause", "à cause de", "a contrario"}
                                      << "4 mots listés.";
        QTest::newRow("a clicked headword")
            << "abaissé" << QStringList{"abaisse", "abaissé", "abaisse-langue", "abaissement", "abaisser"}
            << "5 mots listés.";
        QTest::newRow("ça") << "ça" << QStringList{"çà", "ça", "cadeau"} << "3 mots listés.";
        QTest::newRow("Ca") << "Ca" << QStringList{"çà", "ça", "cadeau"} << "3 mots listés.";
        QTest::newRow("capital Ç lists nothing") << "Ça" << QStringList{} << "Aucun mot dans la liste.";
        QTest::newRow("éta") << "éta" << QStringList{"étable"} << "Un mot listé.";
        QTest::newRow("capital É lists nothing") << "Éta" << QStringList{} << "Aucun mot dans la liste.";
        QTest::newRow("capital headword") << "RER" << QStringList{"RER"} << "Un mot listé.";
        QTest::newRow("both apostrophes") << "aujourd" << QStringList{"aujourd’hui", "aujourd'hui"} << "2 mots listés.";
        QTest::newRow("typographic apostrophe") << "aujourd’" << QStringList{"aujourd’hui"} << "Un mot listé.";
        QTest::newRow("initial æ") << "æs" << QStringList{"æshne"} << "Un mot listé.";
        QTest::newRow("æ typed as ae") << "ae" << QStringList{"æshne"} << "Un mot listé.";
        QTest::newRow("œ typed as oe") << "oe" << QStringList{"œil"} << "Un mot listé.";
        QTest::newRow("initial œ") << "œi" << QStringList{"œil"} << "Un mot listé.";
        QTest::newRow("œ inside, typed as oe") << "coe" << QStringList{"cœur"} << "Un mot listé.";
        QTest::newRow("no ligature") << "on" << QStringList{"onde"} << "Un mot listé.";
        QTest::newRow("one character") << "a" << QStringList{} << "Aucun mot dans la liste.";
        QTest::newRow("empty") << "" << QStringList{} << "Aucun mot dans la liste.";
        QTest::newRow("letter not loaded") << "vi" << QStringList{} << "Aucun mot dans la liste.";
    }
    void listing()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, lbl3);
        const ResultatListe r = liste(typed);
        QCOMPARE(r.Lst, rows);
        QCOMPARE(r.compte, qint32(rows.size()));
        QCOMPARE(r.Lbl3, lbl3);
    }

    void listingParties()
    {
        const ResultatListe r = liste(QStringLiteral("à cause"));
        QCOMPARE(r.lignes.size(), 2);
        QCOMPARE(r.lignes[1].ligne, 3);
        QCOMPARE(r.lignes[1].parties.MotSyno, QStringLiteral("à cause de"));
        QCOMPARE(r.lignes[1].parties.NatureSyno, QStringLiteral("loc"));
        QCOMPARE(r.lignes[1].parties.ListeSyno, QStringLiteral("en raison de\\du fait de"));
    }

    void compteMots()
    {
        QCOMPARE(texteCompteMots(54), QStringLiteral("54 mots listés."));
        QCOMPARE(texteCompteMots(1971), QStringLiteral("1971 mots listés."));
    }

    void copie()
    {
        const QString saut = QStringLiteral("\r\n");
        QCOMPARE(texteCopieSynonymes(QStringLiteral("eau"), {"flot", "liquide", "onde"}, saut),
                 QStringLiteral("Liste des synonyme de ''eau'':\r\nflot\r\nliquide\r\nonde"));
        QCOMPARE(texteCopieSynonymes(QStringLiteral("x"), {}, saut),
                 QStringLiteral("Liste des synonyme de ''x'':\r\n"));
    }

    void aide()
    {
        const QStringList lines = texteAideSynonymes(QStringLiteral("\r\n")).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[1], QStringLiteral("bouton ''Rechercher''."));
        QVERIFY(lines[2].isEmpty() && lines[5].isEmpty());
        QCOMPARE(lines[7], QStringLiteral("la liste, vous pouvez copier les résultats de la recherche."));
    }

    // The shipped thesaurus, as the loading screen fills the tables.
    void shippedTables()
    {
        WordData words;
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(words, QChar(l));
        qsizetype total = 0;
        for (size_t i = 0; i < 26; ++i) {
            QCOMPARE(words.TabSyno[i].size(), qsizetype(DataCounts::kNbSyno[i]));
            total += words.TabSyno[i].size();
        }
        QCOMPARE(total, qsizetype(DataCounts::kNbSynonymes));
        for (size_t i = 0; i < 26; ++i)
            for (const QString& record : words.TabSyno[i]) {
                EntreeSyno parties;
                QVERIFY2(decoupeEntreeSyno(record, parties), qPrintable(record));
            }
    }

    void shippedFacts()
    {
        WordData words;
        std::array<qint16, 26> nb{};
        chargeThesaurus(words, nb);
        const auto cherche = [&](const QString& w) { return RechercheSynonyme(words, nb, normaliseSaisie(w), w); };
        const auto liste = [&](const QString& w) { return ListeMotsSyno(words, nb, normaliseSaisie(w)); };

        const ResultatSyno eau = cherche(QStringLiteral("Eau"));
        QCOMPARE(eau.Lbl2, QStringLiteral("EAU: nom"));
        QCOMPARE(eau.Lbl4, QStringLiteral("21 synonymes pour ''Eau''."));
        QCOMPARE(eau.LstS.first(), QStringLiteral("afflux"));
        QCOMPARE(eau.LstS.last(), QStringLiteral("vague"));
        QVERIFY(eau.LstS.contains(QStringLiteral("onde")));
        QVERIFY(!eau.LstS.contains(QStringLiteral("océan")));  // past the 21st stored synonym

        const ResultatSyno amorce = cherche(QStringLiteral("à "));
        QCOMPARE(amorce.Lbl4, QStringLiteral("Aucun synonyme pour ''à ''."));
        QCOMPARE(amorce.Lbl2, QString());
        const ResultatListe a = liste(QStringLiteral("à "));
        QCOMPARE(a.Lbl3, QStringLiteral("44 mots listés."));
        QCOMPARE(a.Lst.mid(0, 4), (QStringList{"à cause", "à ce niveau", "à condition", "a contrario"}));

        // "co", the most frequent two-letter prefix of the thesaurus: every headword
        // of the C records that starts with it (cœur and its kin included), counted here from the records.
        int nbCo = 0;
        for (qsizetype i = 0; i < DataCounts::kNbSyno[2]; ++i) {
            const QString& r = words.TabSyno[2][i];
            nbCo += normaliseSaisie(r.left(r.indexOf(u'§'))).startsWith(QStringLiteral("co")) ? 1 : 0;
        }
        QVERIFY(nbCo > 1000);
        const ResultatListe co = liste(QStringLiteral("Co"));
        QCOMPARE(co.compte, nbCo);
        QVERIFY(co.Lst.contains(QStringLiteral("cœur")));
        QCOMPARE(co.Lst.first(), QStringLiteral("coach"));
        for (const QString& mot : co.Lst)
            QVERIFY2(normaliseSaisie(mot).startsWith(QStringLiteral("co")), qPrintable(mot));
    }

    // Words that do not belong in a list are out of the shipped records: conjugated forms
    // among adjectives, antonyms, words that are no French word, misspellings.
    void shippedListMembers_data()
    {
        QTest::addColumn<QString>("headword");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("listed");
        QTest::newRow("verb form among adjectives") << "clair"
                                                    << "creusent" << false;
        QTest::newRow("verb form among adjectives 2") << "lumineux"
                                                      << "creusent" << false;
        QTest::newRow("antonym") << "intégrité"
                                 << "improbité" << false;
        QTest::newRow("the word it negates stays") << "intégrité"
                                                   << "probité" << true;
        QTest::newRow("peu for peau") << "peau"
                                      << "peu" << false;
        QTest::newRow("peu for peau 2") << "écorce"
                                        << "peu" << false;
        QTest::newRow("accent outside French spelling") << "affadir"
                                                        << "adoucir" << true;
        QTest::newRow("misspelling") << "fable"
                                     << "affabulation" << true;
        QTest::newRow("English") << "commutateur"
                                 << "toggle" << false;
        QTest::newRow("no French word") << "trompeuse"
                                        << "imposteuse" << false;
        QTest::newRow("product name") << "LibreOffice"
                                      << "OpenOffice" << false;
        QTest::newRow("acronym") << "chlorofluorocarbone"
                                 << "CFC" << false;
    }
    void shippedListMembers()
    {
        QFETCH(QString, headword);
        QFETCH(QString, word);
        QFETCH(bool, listed);
        WordData words;
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(words, QChar(l));
        QStringList synonymes;
        for (const QStringList& lignes : words.TabSyno)
            for (const QString& ligne : lignes)
                if (synonymes.isEmpty() && ligne.left(ligne.indexOf(u'§')) == headword)
                    synonymes = ligne.mid(ligne.indexOf(u'$') + 1).split(u'\\');
        QVERIFY2(!synonymes.isEmpty(), qPrintable(headword));
        QCOMPARE(synonymes.contains(word), listed);
    }

    // No headword or synonym holds a letter that French spelling does not use ("ádoucir").
    void shippedLettersAreFrench()
    {
        WordData words;
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(words, QChar(l));
        const QString accents = QStringLiteral("àâäçéèêëîïôöùûüÿæœ");
        QStringList etrangers;
        for (const QStringList& lignes : words.TabSyno)
            for (const QString& ligne : lignes)
                for (const QChar c : ligne) {
                    const QChar b = c.toLower();
                    if (c.isLetter() && !(b >= u'a' && b <= u'z') && !accents.contains(b))
                        etrangers << ligne;
                }
        QCOMPARE(etrangers, QStringList{});
    }

    // Every shipped headword spelled with "œ" or "æ" is found, and listed, whether the
    // ligature is typed as such or as "oe" / "ae".
    void shippedLigatures()
    {
        WordData words;
        std::array<qint16, 26> nb{};
        chargeThesaurus(words, nb);
        int initiales = 0;
        QStringList manques;
        for (const QStringList& lignes : words.TabSyno)
            for (const QString& ligne : lignes) {
                const QString mot = ligne.left(ligne.indexOf(u'§'));
                if (!mot.contains(u'œ') && !mot.contains(u'æ'))
                    continue;
                if (mot.startsWith(u'œ') || mot.startsWith(u'æ'))
                    ++initiales;
                QString ecrit = mot;
                ecrit.replace(u'œ', QStringLiteral("oe")).replace(u'æ', QStringLiteral("ae"));
                for (const QString& tape : {mot, ecrit}) {
                    const QString normalise = normaliseSaisie(tape);
                    const ResultatSyno r = RechercheSynonyme(words, nb, normalise, tape);
                    // The first line with that key wins (a homograph without the ligature may come first).
                    if (r.ligne == 0 || normaliseSaisie(r.parties.MotSyno) != normalise ||
                        !ListeMotsSyno(words, nb, normalise).Lst.contains(mot))
                        manques << tape;
                }
            }
        QCOMPARE(manques, QStringList{});
        QCOMPARE(initiales, 29);  // the headwords that no letter table could reach before
    }
};

QTEST_APPLESS_MAIN(TestSynonymes)
#include "test_synonyms.moc"
