// Lexiparc — GPL-3.0-or-later.
// Cutting resources into records and filling the synonym tables.
#include "common/RuntimeError.h"
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
        QTest::newRow("final CR LF and one NUL") << QByteArray("AAST$1\r\nZUY$2\r\n\0", 16)
                                                << QStringList{"AAST$1", "ZUY$2"};
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
