// Lexiparc — GPL-3.0-or-later.
// The anagram index: key, hash, slots shared by collision, duplicates, pool growth, and the
// shipped 2-to-12-letter list.
#include "common/RuntimeError.h"
#include "data/AnagramIndex.h"
#include "data/Resources.h"

#include <QtTest>

class TestAnagramIndex : public QObject {
    Q_OBJECT

    static QStringList slotOf(const AnagramIndex& index, const QString& letters)
    {
        QStringList results;
        qint32 count = -1;
        index.ChercheAnagrammes(letters, results, count);
        if (count != results.size())
            return {QStringLiteral("count %1 differs from %2 results").arg(count).arg(results.size())};
        return count == 0 ? QStringList() : results;
    }

private slots:
    void keyAndHash_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("hash");
        QTest::newRow("empty") << QString() << QString() << 0;
        QTest::newRow("AA") << QStringLiteral("AA") << QStringLiteral("AA") << 16705;
        QTest::newRow("NICHE") << QStringLiteral("NICHE") << QStringLiteral("CEHIN") << 7966;
        QTest::newRow("CHIEN") << QStringLiteral("CHIEN") << QStringLiteral("CEHIN") << 7966;
        // 3-letter keys whose values differ by the modulus share a slot.
        QTest::newRow("XAN") << QStringLiteral("XAN") << QStringLiteral("ANX") << 104888;
        QTest::newRow("GGG") << QStringLiteral("GGG") << QStringLiteral("GGG") << 104888;
        // Windows-1252 codes, not Unicode values, enter the hash: "É" is 0xC9, "œ" is 0x9C.
        QTest::newRow("accent") << QStringLiteral("É") << QStringLiteral("É") << 0xC9;
        QTest::newRow("ligature") << QStringLiteral("Aœ") << QStringLiteral("Aœ") << (65 * 256 + 0x9C);
    }
    void keyAndHash()
    {
        QFETCH(QString, word);
        QFETCH(QString, key);
        QFETCH(int, hash);
        QCOMPARE(TriLettres(word), key);
        QCOMPARE(HashLettres(key), hash);
    }

    void keyLengthLimit()
    {
        QCOMPARE(TriLettres(QString(50, u'Z')), QString(50, u'Z'));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, TriLettres(QString(51, u'Z')));
        AnagramIndex index;
        index.InitAnagrammes();
        QVERIFY_THROWS_EXCEPTION(RuntimeError, index.AjouteAnagramme(QString(51, u'Z')));
    }

    void emptyBeforeAnyBuild()
    {
        AnagramIndex index;
        QStringList results{QStringLiteral("kept")};
        qint32 count = 5;
        QVERIFY(!index.built());
        QVERIFY(!index.ChercheAnagrammes(u"CHIEN", results, count));
        QCOMPARE(count, 0);
        QCOMPARE(results, QStringList{QStringLiteral("kept")});
        QCOMPARE(index.bucket(7966), nullptr);
    }

    void slotsInOrderOfAddition()
    {
        AnagramIndex index;
        index.IndexeAnagrammes({QStringLiteral("NAX"), QStringLiteral("CHIEN"), QStringLiteral("GGG"),
                                QStringLiteral("NICHE"), QStringLiteral("XAN")});
        const QStringList collided{QStringLiteral("NAX"), QStringLiteral("GGG"), QStringLiteral("XAN")};
        QCOMPARE(slotOf(index, QStringLiteral("ANX")), collided);
        QCOMPARE(slotOf(index, QStringLiteral("GGG")), collided);
        QCOMPARE(slotOf(index, QStringLiteral("HENIC")),
                 (QStringList{QStringLiteral("CHIEN"), QStringLiteral("NICHE")}));

        // A slot with no word answers false and leaves the results alone.
        QStringList results{QStringLiteral("kept")};
        qint32 count = 3;
        QVERIFY(!index.ChercheAnagrammes(u"ZZ", results, count));
        QCOMPARE(count, 0);
        QCOMPARE(results, QStringList{QStringLiteral("kept")});

        // Head in place, the others in the pool from index 1.
        const AnagramIndex::AnaBucket* b = index.bucket(104888);
        QVERIFY(b);
        QCOMPARE(index.mot(b->Head), QStringLiteral("NAX"));
        QVERIFY(b->HasMore);
        QCOMPARE(index.More(*b), (std::vector<qint32>{1, 3}));
        QCOMPARE(index.poolWord(1), QStringLiteral("GGG"));
        QCOMPARE(index.AnaPoolNext, 4);
        QVERIFY(!index.bucket(16705)->HasMore);
    }

    void duplicates_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("slot");
        QTest::newRow("head twice kept once") << QStringList{"CHIEN", "CHIEN"} << QStringList{"CHIEN"};
        QTest::newRow("head again after pool words")
            << QStringList{"CHIEN", "NICHE", "CHIEN"} << QStringList{"CHIEN", "NICHE"};
        QTest::newRow("pool word twice stored twice")
            << QStringList{"CHIEN", "NICHE", "NICHE"} << QStringList{"CHIEN", "NICHE", "NICHE"};
    }
    void duplicates()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, slot);
        AnagramIndex index;
        index.IndexeAnagrammes(words);
        QCOMPARE(slotOf(index, QStringLiteral("CHINE")), slot);
    }

    void rebuildDiscardsThePreviousIndex()
    {
        AnagramIndex index;
        index.IndexeAnagrammes({QStringLiteral("CHIEN"), QStringLiteral("NICHE")});
        index.IndexeAnagrammes({QStringLiteral("CHIEN"), QStringLiteral("NICHE")});
        QCOMPARE(slotOf(index, QStringLiteral("CHINE")),
                 (QStringList{QStringLiteral("CHIEN"), QStringLiteral("NICHE")}));
        QCOMPARE(index.AnaPoolNext, 2);
        index.IndexeAnagrammes({});
        QVERIFY(index.built());
        QCOMPARE(slotOf(index, QStringLiteral("CHINE")), QStringList());
    }

    void poolGrowsByDoublingItsThreshold()
    {
        AnagramIndex index;
        index.InitAnagrammes();
        QCOMPARE(index.AnaPoolCapacity, 13047);
        QCOMPARE(index.AnaPool.size(), size_t(130470));
        index.AjouteAnagramme(QStringLiteral("CHIEN"));
        for (int i = 1; i <= 13046; ++i)
            index.AjouteAnagramme(QStringLiteral("NICHE"));
        QCOMPARE(index.AnaPoolNext, 13047);
        QCOMPARE(index.AnaPoolCapacity, 13047);
        QCOMPARE(index.AnaPool.size(), size_t(130470));
        // The 13,047th pool word passes the threshold: the pool shrinks to 26,095 entries.
        index.AjouteAnagramme(QStringLiteral("CHINE"));
        QCOMPARE(index.AnaPoolNext, 13048);
        QCOMPARE(index.AnaPoolCapacity, 26094);
        QCOMPARE(index.AnaPool.size(), size_t(26095));
        QCOMPARE(index.poolWord(13047), QStringLiteral("CHINE"));
        QCOMPARE(index.poolWord(1), QStringLiteral("NICHE"));
        QCOMPARE(slotOf(index, QStringLiteral("NICHE")).size(), 13048);
    }

    void statistics()
    {
        AnagramIndex index;
        const QStringList words{"NAX", "CHIEN", "GGG", "NICHE", "XAN", "AA"};
        index.IndexeAnagrammes(words);
        const AnagramIndexStats s = statistiquesIndex(index, words);
        QCOMPARE(s.distinctKeys, 4);
        QCOMPARE(s.slotsInUse, 3);
        QCOMPARE(s.largestSlot, 3);
        QCOMPARE(s.poolWords, 3);
        QCOMPARE(lignesStatistiques(s).first(), QStringLiteral("distinct_keys: 4"));
    }

    // Every word of the shipped list lies in the slot of its own letters, once, and the
    // slots hold the whole list.
    void shippedList()
    {
        WordData data;
        ChargeListeAna(data);
        QVERIFY(data.AnaWords.size() > 100000);
        data.Anagrammes.IndexeAnagrammes(data.AnaWords);
        const AnagramIndex& index = data.Anagrammes;
        QStringList results;
        qint32 count = 0;
        for (const QString& w : data.AnaWords) {
            QVERIFY(index.ChercheAnagrammes(w, results, count));
            if (results.count(w) != 1)
                QFAIL(qPrintable(w));
        }
        qint64 stored = 0;
        for (const AnagramIndex::AnaBucket& b : index.AnaBuckets)
            if (b.Head != 0)
                stored += qint64(index.More(b).size()) + 1;
        QCOMPARE(stored, data.AnaWords.size());
        QCOMPARE(index.AnaPoolNext - 1 + statistiquesIndex(index, data.AnaWords).slotsInUse, stored);
        // Anagrams come together, in the list's order.
        QVERIFY(index.ChercheAnagrammes(u"NICHE", results, count));
        const QStringList anagrams = results.filter(QRegularExpression(QStringLiteral("^[CEHIN]{5}$")));
        QVERIFY(anagrams.contains(QStringLiteral("CHIEN")));
        QVERIFY(anagrams.contains(QStringLiteral("NICHE")));
        QVERIFY(std::is_sorted(anagrams.begin(), anagrams.end()));
    }
};

QTEST_APPLESS_MAIN(TestAnagramIndex)
#include "test_anagram_index.moc"
