// Lexiparc — GPL-3.0-or-later.
// Invariants of the shipped resources, and the figures DataCounts.h states about them.
#include "common/TextHelpers.h"
#include "data/DataCounts.h"
#include "data/Resources.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestShippedData : public QObject {
    Q_OBJECT
    WordData data_;

private slots:
    void initTestCase()
    {
        ChargeDico(data_);
        ChargeListeAna(data_);
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(data_, QChar(l));
    }

    void dictionary()
    {
        const QStringList d = data_.DicoWords.toStringList();
        QCOMPARE(d.size(), DataCounts::kNbMots);
        static const QRegularExpression word(QStringLiteral("^[A-Z]{2,15}$"));
        for (qsizetype i = 0; i < d.size(); ++i) {
            if (!word.match(d[i]).hasMatch())
                QFAIL(qPrintable(QStringLiteral("bad word at %1: %2").arg(i).arg(d[i])));
            if (i > 0 && !(d[i - 1] < d[i]))
                QFAIL(qPrintable(QStringLiteral("not strictly ascending at %1: %2").arg(i).arg(d[i])));
        }
    }

    void anagramListIsTheShortWordsByLength()
    {
        QStringList expected;
        for (int len = 2; len <= 12; ++len) {
            const qsizetype start = expected.size();
            for (const QString& w : data_.DicoWords)
                if (w.size() == len)
                    expected << w;
            const int first = start < expected.size() ? int(start) : -1;
            const int last = start < expected.size() ? int(expected.size() - 1) : -1;
            QCOMPARE(DataCounts::kAnaDebut[size_t(len)], first);
            QCOMPARE(DataCounts::kAnaFin[size_t(len)], last);
        }
        QCOMPARE(data_.AnaWords.toStringList(), expected);
    }

    void synonyms()
    {
        int total = 0;
        for (int l = 0; l < 26; ++l) {
            const QStringList& recs = data_.TabSyno[size_t(l)];
            QCOMPARE(int(recs.size()), DataCounts::kNbSyno[size_t(l)]);
            total += int(recs.size());
            for (qsizetype i = 0; i < recs.size(); ++i) {
                const QString& r = recs[i];
                QVERIFY2(r.count(u'§') == 1 && r.count(u'$') == 1, qPrintable(r));
                QVERIFY2(r.indexOf(u'§') < r.indexOf(u'$'), qPrintable(r));
                const QString head = r.left(r.indexOf(u'§'));
                QVERIFY2(!head.isEmpty() && head.size() <= 29, qPrintable(r));
                QCOMPARE(data_.TabCleSyno[size_t(l)][i], SubAccents(head));
                // Filed by the first letter with its accent removed.
                const QString first = head.left(1).toUpper().normalized(QString::NormalizationForm_D)
                                          .replace(u'Æ', u'A').replace(u'Œ', u'O').left(1);
                QVERIFY2(first == QString(QChar(u'A' + l)), qPrintable(r));
            }
        }
        QCOMPARE(total, DataCounts::kNbSynonymes);
    }

    void definitionsFile()
    {
        QFile f(QStringLiteral(LEXIPARC_SOURCE_DIR "/resources/definitions1.20.ret"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = fromWindows1252(f.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("[Cont]"));
        const QStringList dico = data_.DicoWords.toStringList();
        int own = 0;
        qsizetype n = 1;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i].isEmpty() && i == lines.size() - 1)
                break;
            const qsizetype eq = lines[i].indexOf(u'=');
            QVERIFY2(eq > 0, qPrintable(lines[i]));
            QCOMPARE(lines[i].left(eq).trimmed().toLongLong(), n);
            const QString value = lines[i].mid(eq + 1).trimmed();
            const qsizetype pound = value.indexOf(u'£');
            const qsizetype section = value.indexOf(u'§');
            QVERIFY2(section >= 0, qPrintable(lines[i]));
            if (pound >= 0)
                QVERIFY2(pound < section, qPrintable(lines[i]));
            const QString def = value.mid(section + 1);
            if (def.contains(QLatin1String("Voir ")) && def.size() < 22) {
                // A cross-reference names a word of the list.
                const QString target = def.mid(def.indexOf(QLatin1String("Voir ")) + 5).remove(u'.').trimmed();
                QVERIFY2(std::binary_search(dico.cbegin(), dico.cend(), target),
                         qPrintable(lines[i]));
            } else if (!def.isEmpty() && def != QLatin1String("EXISTE")) {
                ++own;
            }
            ++n;
        }
        QCOMPARE(n - 1, qsizetype(data_.DicoWords.size()));
        QCOMPARE(own, DataCounts::kNbDefinitions);
    }
};

QTEST_APPLESS_MAIN(TestShippedData)
#include "test_shipped_data.moc"
