// Lexiparc — GPL-3.0-or-later.
// Cutting resources into records, the compact word list, and filling the synonym tables.
#include "common/RuntimeError.h"
#include "data/ListeMots.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "data/WordData.h"

#include <QtTest>

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("plain") << QByteArray("AA\r\nAB\r\nZYTHUMS") << QStringList{"AA", "AB", "ZYTHUMS"};
        QTest::newRow("three NUL bytes") << QByteArray("AA\r\nZZ\0\0\0", 9) << QStringList{"AA", "ZZ"};
        QTest::newRow("final CR LF and one NUL")
            << QByteArray("AAST$1\r\nZUY$2\r\n\0", 16) << QStringList{"AAST$1", "ZUY$2"};
        QTest::newRow("final CR LF") << QByteArray("A\r\nB\r\n") << QStringList{"A", "B"};
        QTest::newRow("lone CR and LF stay inside") << QByteArray("A\rB\nC\r\nD") << QStringList{"A\rB\nC", "D"};
        QTest::newRow("empty record kept inside") << QByteArray("A\r\n\r\nB") << QStringList{"A", "", "B"};
        QTest::newRow("nothing") << QByteArray("\0\0", 2) << QStringList{};
        QTest::newRow("Windows-1252 signs, one byte each")
            << QByteArray("\xe0 c\xf4t\xe9\xa7n$\x80\x92\x9c\xa3\r\n\x8a\x9f")
            << QStringList{QString::fromUtf8("à côté§n$€’œ£"), QString::fromUtf8("ŠŸ")};
    }
    void split()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        QCOMPARE(splitRecords(bytes), records);
        // The compact list holds the same records at the same places.
        const ListeMots liste = ListeMots::depuisOctets(bytes);
        QCOMPARE(liste.toStringList(), records);
        for (const QString& r : records)
            QCOMPARE(liste.indexOf(r), records.indexOf(r));
    }

    void listeMots_data()
    {
        QTest::addColumn<QStringList>("mots");
        QTest::addColumn<bool>("groupe");
        QTest::addColumn<bool>("trie");
        QTest::newRow("by length, then alphabetical") << QStringList{"AA", "BA", "ABC", "ZZZ", "ABCD"} << true << false;
        QTest::newRow("alphabetical, lengths mixed")
            << QStringList{"AA", "AB", "ABACA", "ABC", "ABCD", "B", "ZYTHUMS"} << false << true;
        QTest::newRow("neither, a word twice") << QStringList{"NICHE", "AB", "NICHE", "C", "BA"} << false << false;
        QTest::newRow("accents and an empty record") << QStringList{"ÉTÉ", "", "ŒIL", "AB"} << false << false;
        QTest::newRow("one word") << QStringList{"AA"} << true << true;
        QTest::newRow("empty") << QStringList{} << true << true;
    }
    // Every word at its place, found by its text, and once in the block of its length, the
    // blocks keeping the list's order.
    void listeMots()
    {
        QFETCH(QStringList, mots);
        QFETCH(bool, groupe);
        QFETCH(bool, trie);
        const ListeMots l(mots);
        QCOMPARE(l.size(), mots.size());
        QCOMPARE(l.groupe(), groupe);
        QCOMPARE(l.trie(), trie);
        QVERIFY(l == mots);
        for (qsizetype i = 0; i < mots.size(); ++i) {
            QCOMPARE(l.at(i), mots[i]);
            QCOMPARE(l.indexOf(mots[i]), mots.indexOf(mots[i]));
        }
        for (const char* absent : {"ABSENT", "A", "ZZZZZZZZ", "AAA", "NICHES"})
            QCOMPARE(l.indexOf(QString::fromLatin1(absent)), -1);
        QCOMPARE(l.indexOf(u"\u4e00"), -1);  // outside the code page
        QVERIFY_THROWS_EXCEPTION(RuntimeError, l.at(l.size()));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, l.at(-1));

        qsizetype vus = 0;
        for (int len = 0; len <= l.longueurMax(); ++len) {
            const ListeMots::Bloc b = l.bloc(len);
            qsizetype avant = -1;
            for (qsizetype k = 0; k < b.nombre; ++k) {
                const qsizetype p = l.position(b.premier + k);
                QVERIFY(p > avant);
                avant = p;
                QCOMPARE(texteMot(QByteArrayView(b.debut + k * len, len)), mots[p]);
                QCOMPARE(mots[p].size(), len);
                ++vus;
            }
        }
        QCOMPARE(vus, mots.size());
        QCOMPARE(l.bloc(l.longueurMax() + 1).nombre, 0);
    }

    void synonymLetter()
    {
        WordData data;
        const QStringList records{QString::fromUtf8("à côté§adv$auprès\\près"), QString::fromUtf8("Élan§n$essor"),
                                  QString::fromUtf8("æshne§n$libellule")};
        fillSynonymLetter(data, 0, records);
        QCOMPARE(data.TabSyno[0], records);
        QCOMPARE(data.TabCleSyno[0],
                 (QStringList{QStringLiteral("a cote"), QString::fromUtf8("Élan"), QString::fromUtf8("æshne")}));
    }

    void synonymLimits_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("no section sign") << QStringLiteral("mot n$autre");
        QTest::newRow("headword of 30 characters") << QString(30, u'a') + QStringLiteral("§n$b");
    }
    void synonymLimits()
    {
        QFETCH(QString, bad);
        WordData data;
        fillSynonymLetter(data, 1, {QStringLiteral("bon§adj$bien")});
        QVERIFY_THROWS_EXCEPTION(RuntimeError, fillSynonymLetter(data, 1, {QStringLiteral("beau§adj$joli"), bad}));
        QCOMPARE(data.TabSyno[1], QStringList{QStringLiteral("bon§adj$bien")});  // left as it was
        // 29 characters are accepted.
        fillSynonymLetter(data, 1, {QString(29, u'b') + QStringLiteral("§n$c")});
        QCOMPARE(data.TabCleSyno[1].first().size(), 29);
    }

    void missingResource()
    {
        try {
            ChargeRessource(QStringLiteral("NOSUCH"), 1);
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 326);
            QVERIFY(e.description().contains(QLatin1String("NOSUCH")));
        }
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "test_records.moc"
