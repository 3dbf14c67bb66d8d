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
    QStringList definitionLines_;  // the file's lines, "[Cont]" first

    // The value of a word's line of the definitions file, or a null string when the word is
    // not in the list.
    QString value(const QString& word) const
    {
        const auto it = std::lower_bound(data_.DicoWords.cbegin(), data_.DicoWords.cend(), word);
        if (it == data_.DicoWords.cend() || *it != word)
            return {};
        const QString& line = definitionLines_[1 + (it - data_.DicoWords.cbegin())];
        return line.mid(line.indexOf(u'=')).trimmed();
    }

    static QString definitionOf(const QString& value) { return value.mid(value.indexOf(u'§') + 1); }

private slots:
    void initTestCase()
    {
        ChargeDico(data_);
        ChargeListeAna(data_);
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(data_, QChar(l));
        QFile f(QStringLiteral(LEXIPARC_SOURCE_DIR "/resources/definitions1.20.ret"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        definitionLines_ = fromWindows1252(f.readAll()).split(QStringLiteral("\r\n"));
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
                const QString first = head.left(1)
                                          .toUpper()
                                          .normalized(QString::NormalizationForm_D)
                                          .replace(u'Æ', u'A')
                                          .replace(u'Œ', u'O')
                                          .left(1);
                QVERIFY2(first == QString(QChar(u'A' + l)), qPrintable(r));
            }
        }
        QCOMPARE(total, DataCounts::kNbSynonymes);
    }

    void definitionsFile()
    {
        const QStringList& lines = definitionLines_;
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
                QVERIFY2(std::binary_search(dico.cbegin(), dico.cend(), target), qPrintable(lines[i]));
            } else if (!def.isEmpty() && def != QLatin1String("EXISTE")) {
                ++own;
            }
            ++n;
        }
        QCOMPARE(n - 1, qsizetype(data_.DicoWords.size()));
        QCOMPARE(own, DataCounts::kNbDefinitions);
    }

    // Forms that are not words: ordinals folded from superscript letters, the elided forms
    // that the spelling dictionary marks as errors.
    void notWordsAreAbsent_data()
    {
        QTest::addColumn<QString>("form");
        for (const char* w : {"IE", "IER", "IIE", "IIIE", "XE", "XIXE", "XXE", "XXXVIIIES", "IIES", "QU", "JUSQU",
                              "LORSQU", "PUISQU", "QUELQU", "QUOIQU", "PRESQU"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void notWordsAreAbsent()
    {
        QFETCH(QString, form);
        QVERIFY(value(form).isNull());
    }

    // Abbreviations, prefixes and letter names stay in the list, marked NOT; real words of
    // the same kind stay admitted.
    void abbreviationsAreMarkedNot_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("admitted");
        for (const char* w :
             {"JANV", "JUIL", "FEVR", "AVR", "OCT", "NOV", "DEC", "BIBL", "CIRC", "ETYM", "LITT", "COLL", "CHAP",
              "FIG",  "ENV",  "LN",   "AV",  "VS",  "ED",  "AE",  "FTP",  "FTPS", "ANTI", "CM",   "KG"})
            QTest::newRow(w) << QString::fromLatin1(w) << false;
        for (const char* w : {"HARD", "OPEN", "JANVIER", "NORD", "BRAS", "VIE", "MIE", "LIE", "ANTAN"})
            QTest::newRow(w) << QString::fromLatin1(w) << true;
    }
    void abbreviationsAreMarkedNot()
    {
        QFETCH(QString, word);
        QFETCH(bool, admitted);
        const QString v = value(word);
        QVERIFY2(!v.isNull(), qPrintable(word));
        QCOMPARE(v.startsWith(QStringLiteral("= NOT£")), !admitted);
    }

    // The Littré index files these words at another word's article: none of them shows it.
    void noDefinitionOfAnotherWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("foreign");
        QTest::newRow("ACHETER") << "ACHETER"
                                 << "Hébreux";
        QTest::newRow("ACHETAIT") << "ACHETAIT"
                                  << "Hébreux";
        QTest::newRow("ABOLIR") << "ABOLIR"
                                << "Mouvement alternatif";
        QTest::newRow("AMITIE") << "AMITIE"
                                << "griottes";
        QTest::newRow("OBUS") << "OBUS"
                              << "ortie";
        QTest::newRow("FOULARD") << "FOULARD"
                                 << "isomère";
        // A compound's article (saint-augustin, wagon-vanne), a participle's (terré, réglé).
        QTest::newRow("AUGUSTIN") << "AUGUSTIN"
                                  << "imprimerie";
        QTest::newRow("WAGON") << "WAGON"
                               << "Wagon-vanne";
        QTest::newRow("TERRE") << "TERRE"
                               << "mis de la terre";
        QTest::newRow("REGLE") << "REGLE"
                               << "tiré des lignes";
    }
    void noDefinitionOfAnotherWord()
    {
        QFETCH(QString, word);
        QFETCH(QString, foreign);
        QString d = definitionOf(value(word));
        if (d.startsWith(QStringLiteral("Voir ")) && d.size() < 22)
            d = definitionOf(value(d.mid(5).chopped(1)));
        QVERIFY2(!d.contains(foreign), qPrintable(word + u' ' + d));
    }

    // Where several Littré articles fold to one word, the word shows the one a player means.
    void homographs_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        QTest::newRow("HIER") << "HIER"
                              << "jour qui précède";  // not the verb "hier"
        QTest::newRow("FORET") << "FORET"
                               << "terrain planté de bois";  // forêt, not foret
        QTest::newRow("BOITE") << "BOITE"
                               << "Petit coffre";
        QTest::newRow("SOURIS") << "SOURIS"
                                << "rongeurs";  // not the smile
        QTest::newRow("FIERTE") << "FIERTE"
                                << "courage fier";
        QTest::newRow("SOL") << "SOL"
                             << "Surface sur laquelle";  // not "Voy. SOU."
        QTest::newRow("RAT") << "RAT"
                             << "mulot";  // not "Voir RAS."
        QTest::newRow("CELLE") << "CELLE"
                               << "Voir CELUI.";
    }
    void homographs()
    {
        QFETCH(QString, word);
        QFETCH(QString, shown);
        const QString d = definitionOf(value(word));
        QVERIFY2(d.contains(shown), qPrintable(word + u' ' + d));
    }

    // Definitions are clean sentences: no leftover of the article's markup.
    void noMarkupLeftovers()
    {
        static const QRegularExpression leftover(QStringLiteral(
            "^(?:[VS]\\. [an]\\. |\\p{Ll}|Voy\\. |[XVI]+e s\\.|ÉTYM\\.)|\\bdans (?:RICHELET|DESFONTAINES|JAL)\\b"
            "|Ajoutez :|\\|\\||^(?:Terme (?:de|d'|du|des) ?[^.,;:]{1,40}|Néologisme|Substantivement|Par "
            "extension)\\.$"));
        QStringList found;
        for (qsizetype i = 1; i < definitionLines_.size(); ++i) {
            const QString d = definitionOf(definitionLines_[i]);
            if (leftover.match(d).hasMatch())
                found << definitionLines_[i];
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 5).join(u'\n')));
    }

    // The thesaurus's faults: a "?" synonym, usage labels, misspellings, and the records of
    // unrelated words that only listed each other.
    void synonymCorrections()
    {
        for (const QStringList& letter : data_.TabSyno)
            for (const QString& r : letter) {
                const QStringList syns = r.mid(r.indexOf(u'$') + 1).split(u'\\');
                const QString head = r.left(r.indexOf(u'§'));
                QVERIFY2(!syns.contains(QStringLiteral("?")), qPrintable(r));
                QVERIFY2(!r.contains(QStringLiteral("(familier)")) && !r.contains(QStringLiteral("(argot)")),
                         qPrintable(r));
                QVERIFY2(!r.contains(QStringLiteral("boulverser")) && !r.contains(QStringLiteral("ghesha")),
                         qPrintable(r));
                QVERIFY2(head != QStringLiteral("plier(se)") && head != QStringLiteral("tasser(se)"), qPrintable(r));
                if (head == QStringLiteral("affaisser") || head == QStringLiteral("employer"))
                    QVERIFY2(!syns.contains(QStringLiteral("boursicoteur")), qPrintable(r));
            }
    }
};

QTEST_APPLESS_MAIN(TestShippedData)
#include "test_shipped_data.moc"
