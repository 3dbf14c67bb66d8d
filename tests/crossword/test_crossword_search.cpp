// Lexiparc — GPL-3.0-or-later.
// The crossword search: length blocks, pattern matching, open-position limits, count texts.
#include "common/RuntimeError.h"
#include "data/DataCounts.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "tools/crossword/RechercheMotCroix.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {
QStringList fixture()
{
    QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/crossword/ANA"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture");
    return splitRecords(f.readAll());
}

// One box per character of a pattern written with "?" for the open positions.
QStringList cases(const QString& saisie)
{
    QStringList c;
    for (QChar ch : saisie)
        c << QString(ch);
    return c;
}
}

class TestCrosswordSearch : public QObject {
    Q_OBJECT
    QStringList words_;
    WordData shipped_;

private slots:
    void initTestCase()
    {
        words_ = fixture();
        ChargeListeAna(shipped_);
    }

    void blocks()
    {
        const BlocsLongueur b = CalculeBlocsLongueur(words_);
        const std::array<int, 13> debut{-1, -1, 0, 2, -1, 9, 13, -1, -1, -1, -1, 15, 16};
        const std::array<int, 13> fin{-1, -1, 1, 8, -1, 12, 14, -1, -1, -1, -1, 15, 16};
        QCOMPARE(b.debut, debut);
        QCOMPARE(b.fin, fin);

        const BlocsLongueur vide = CalculeBlocsLongueur({});
        for (int l = 0; l <= 12; ++l) {
            QCOMPARE(vide.debut[size_t(l)], -1);
            QCOMPARE(vide.fin[size_t(l)], -1);
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("A?? at length 3, list order") << "A??" << QStringList{"ABE", "AIE", "AIL", "ART"};
        QTest::newRow("lower-case letters are upper-cased") << "a??" << QStringList{"ABE", "AIE", "AIL", "ART"};
        QTest::newRow("last position known") << "??E" << QStringList{"ABE", "AIE"};
        QTest::newRow("middle position") << "?O?" << QStringList{"BOA", "ZOO"};
        QTest::newRow("every position known") << "ART" << QStringList{"ART"};
        QTest::newRow("first letter matches, a later one fails") << "AIX" << QStringList{};
        QTest::newRow("a blank is a letter no word has") << "A ?" << QStringList{};
        QTest::newRow("length with no word") << "A???" << QStringList{};
        QTest::newRow("length 5") << "A???E" << QStringList{"ABIME", "ARBRE"};
        QTest::newRow("length 12, first and last lines") << "A??????????S" << QStringList{"ABRACADABRAS"};
    }
    void search()
    {
        QFETCH(QString, saisie);
        QFETCH(QStringList, rows);
        const QString motif = MotifDesCases(cases(saisie), int(saisie.size()));
        QCOMPARE(motif.size(), saisie.size());
        QCOMPARE(ChercheMotCroix(words_, CalculeBlocsLongueur(words_), motif), rows);
    }

    void motif()
    {
        QCOMPARE(MotifDesCases({"a", "?", " ", "Z", "?"}, 5), QStringLiteral("A_ Z_"));
        QCOMPARE(MotifDesCases({"a", "?", "b"}, 2), QStringLiteral("A_"));
    }

    void badLengthsAndLines()
    {
        const BlocsLongueur b = CalculeBlocsLongueur(words_);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ChercheMotCroix(words_, b, u"AB"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ChercheMotCroix(words_, b, u"A????????????"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ChercheMotif(words_, 10, 40, u"A????"));
        // An empty list has no block: nothing found, nothing read.
        QCOMPARE(ChercheMotCroix({}, CalculeBlocsLongueur({}), u"A??"), QStringList{});
    }

    void limits_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("most");
        const int most[] = {2, 3, 3, 4, 5, 6, 7, 8, 8, 9};
        for (int l = 3; l <= 12; ++l)
            QTest::addRow("length %d", l) << l << most[l - 3];
    }
    void limits()
    {
        QFETCH(int, length);
        QFETCH(int, most);
        QCOMPARE(LimiteJokers(length), most);
    }
    void limitOutsideLengths()
    {
        try {
            LimiteJokers(2);
            QFAIL("no error for length 2");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 9);
        }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, LimiteJokers(13));
    }

    void countJokers()
    {
        QCOMPARE(CompteJokers({"?", "A", "?", " ", "?"}, 5), 3);
        QCOMPARE(CompteJokers({"?", "A", "?", " ", "?"}, 3), 2);
    }

    void countText_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QStringLiteral("Aucun mot trouvé");
        QTest::newRow("one") << 1 << QStringLiteral("1 mot trouvé");
        QTest::newRow("two") << 2 << QStringLiteral("2 mots trouvés");
        QTest::newRow("thousands, no separator") << 11295 << QStringLiteral("11295 mots trouvés");
    }
    void countText()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(TexteNombreMots(n), text);
    }

    void cleaning_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("letters and ?") << "aZ?"
                                       << "aZ?";
        QTest::newRow("blank kept") << " "
                                    << " ";
        QTest::newRow("digit removed") << "1"
                                       << "";
        QTest::newRow("accents and signs removed") << "é-a_ç1b"
                                                   << "ab";
    }
    void cleaning()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(NettoieSaisie(in), out);
    }

    // The shipped list: the computed blocks are the stated figures, and the search agrees with
    // a regular expression over the whole list.
    void shippedBlocks()
    {
        const WordData& d = shipped_;
        const BlocsLongueur b = CalculeBlocsLongueur(d.AnaWords);
        QCOMPARE(b.debut, DataCounts::kAnaDebut);
        QCOMPARE(b.fin, DataCounts::kAnaFin);
    }
    void shippedSearch_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::newRow("length 9, ending") << "???????ES";
        QTest::newRow("length 9, scattered") << "?A??E???S";
        QTest::newRow("length 3") << "A??";
        QTest::newRow("length 12") << "?????????ION";
    }
    void shippedSearch()
    {
        QFETCH(QString, saisie);
        const WordData& d = shipped_;
        const QRegularExpression re(u'^' + QString(saisie).replace(u'?', u'.') + u'$');
        const QStringList expected = d.AnaWords.toStringList().filter(re);
        QVERIFY(!expected.isEmpty());
        const QString motif = MotifDesCases(cases(saisie), int(saisie.size()));
        QCOMPARE(ChercheMotCroix(d.AnaWords, CalculeBlocsLongueur(d.AnaWords), motif), expected);
    }
};

QTEST_APPLESS_MAIN(TestCrosswordSearch)
#include "test_crossword_search.moc"
