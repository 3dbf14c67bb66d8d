// Lexiparc — GPL-3.0-or-later.
// The near-spelling score, the result table and the fast scan against the plain one.
#include "data/Records.h"
#include "data/Resources.h"
#include "data/WordData.h"
#include "tools/nearspelling/RechercheApprochants.h"
#include "tools/nearspelling/SpellingMatcher.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>

namespace {
const QString kSaut = QStringLiteral("\r\n");

QByteArray lit(const QString& name)
{
    QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/nearspelling/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

// The fixture's expected table and status line, with the window's line breaks.
QString attendu(const QString& name)
{
    QString t = QString::fromUtf8(lit(name));
    if (t.endsWith(u'\n'))
        t.chop(1);
    return t.replace(u'\n', kSaut);
}

QString texteComplet(const ResultatApprochant& r)
{
    return r.texte + kSaut + messageSolutions(r.nombre);
}
}  // namespace

class TestNearSpelling : public QObject {
    Q_OBJECT
    QStringList mots_;

private slots:
    void initTestCase() { mots_ = splitRecords(lit(QStringLiteral("mots.txt"))); }

    void score_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<double>("score");
        QTest::newRow("identical") << "MAISON"
                                   << "MAISON" << 1.0;
        QTest::newRow("case ignored") << "maison"
                                      << "MAISON" << 1.0;
        QTest::newRow("no common letter") << "BLANC"
                                          << "ROUGE" << 0.0;
        QTest::newRow("empty word") << ""
                                    << "ES" << 0.0;
        QTest::newRow("tie-break ABCB BCAB") << "ABCB"
                                             << "BCAB" << 0.5;
        QTest::newRow("tie-break BCAB ABCB") << "BCAB"
                                             << "ABCB" << 0.75;
        QTest::newRow("one letter changed") << "PARTERA"
                                            << "PARLERA" << 12.0 / 14.0;
        QTest::newRow("one letter more") << "MAISONS"
                                         << "MAISON" << 12.0 / 13.0;
        QTest::newRow("runs right then left") << "ABXCD"
                                              << "CDYAB" << 0.4;
        // A pasted ligature counts as the one character it is, as the typed length does.
        QTest::newRow("ligature stays one character") << "AB" << QStringLiteral("a\uFB03") << 0.5;
    }
    void score()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(double, score);
        SpellingMatcher m;
        QCOMPARE(m.SpellingSimilarity(a, b), score);
    }

    void commonRunTotalRanges_data()
    {
        QTest::addColumn<int>("s1");
        QTest::addColumn<int>("e1");
        QTest::addColumn<int>("s2");
        QTest::addColumn<int>("e2");
        QTest::addColumn<int>("total");
        // Octets1 = "ABCAB", Octets2 = "CABX".
        QTest::newRow("whole") << 1 << 5 << 1 << 4 << 3;
        QTest::newRow("start below 1") << 0 << 5 << 1 << 4 << 0;
        QTest::newRow("empty range") << 3 << 2 << 1 << 4 << 0;
        QTest::newRow("run cut at the range end") << 1 << 2 << 2 << 3 << 2;
        QTest::newRow("one byte") << 3 << 3 << 1 << 1 << 1;
    }
    void commonRunTotalRanges()
    {
        QFETCH(int, s1);
        QFETCH(int, e1);
        QFETCH(int, s2);
        QFETCH(int, e2);
        QFETCH(int, total);
        SpellingMatcher m;
        m.Octets1 = "ABCAB";
        m.Octets2 = "CABX";
        QCOMPARE(m.CommonRunTotal(s1, e1, s2, e2), total);
    }

    // The run-length table finds the same total as the matcher, tie-breaks included.
    void fastMatcherEqualsMatcher()
    {
        QRandomGenerator rng(1234);
        SpellingMatcher m;
        for (const int alphabet : {2, 3, 26}) {
            for (int n = 0; n < 20000; ++n) {
                QString a, b;
                const int la = int(rng.bounded(16)), lb = int(rng.bounded(16));
                for (int k = 0; k < la; ++k)
                    a += QChar(u'A' + rng.bounded(alphabet));
                for (int k = 0; k < lb; ++k)
                    b += QChar(u'A' + rng.bounded(alphabet));
                m.Octets1 = a.toLatin1();
                m.Octets2 = b.toLatin1();
                const qint32 lent = m.CommonRunTotal(1, la, 1, lb);
                const qint32 rapide = caracteresCommuns(reinterpret_cast<const char16_t*>(a.utf16()), la,
                                                        reinterpret_cast<const char16_t*>(b.utf16()), lb);
                if (lent != rapide)
                    QFAIL(qPrintable(a + u' ' + b));
            }
        }
    }

    void percentage_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<double>("valeur");
        QTest::newRow("85.71") << 12.0 / 14.0 << "85,71%"
                               << "85%" << 85.0;
        QTest::newRow("whole 80") << 0.8 << "80%"
                                  << "80%" << 80.0;
        QTest::newRow("whole 70") << 2 * 7.0 / 20.0 << "70%"
                                  << "70%" << 70.0;
        QTest::newRow("one decimal") << 14.0 / 16.0 << "87,5%"
                                     << "87%" << 87.0;
        QTest::newRow("89.66") << 26.0 / 29.0 << "89,66%"
                               << "89%" << 89.0;
        QTest::newRow("one digit") << 2.0 / 29.0 << "6,9%"
                                   << " 6%" << 6.0;
        QTest::newRow("typed word") << 1.0 << "100%"
                                    << "100%" << 100.0;
        QTest::newRow("nothing in common") << 0.0 << "0%"
                                           << "0%" << 0.0;
    }
    // Written as under French settings whatever the locale.
    void percentage()
    {
        QFETCH(double, score);
        QFETCH(QString, texte);
        QFETCH(QString, affiche);
        QFETCH(double, valeur);
        for (const auto lang : {QLocale::English, QLocale::French, QLocale::German}) {
            QLocale::setDefault(QLocale(lang));
            QCOMPARE(pourcentageTexte(score), texte);
            QCOMPARE(pourcentageAffiche(score), affiche);
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(valeurDebut(texte), valeur);
    }

    void rowLayout_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("pourcentage");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("2 letters") << "ES"
                                   << "100%"
                                   << "ES               2 100%";
        QTest::newRow("11 letters") << "ORTHOGRAPHE"
                                    << "100%"
                                    << "ORTHOGRAPHE     11 100%";
        QTest::newRow("15 letters") << "CONSTITUTIONNEL"
                                    << "86%"
                                    << "CONSTITUTIONNEL 15 86%";
        QTest::newRow("one digit percent") << "ABC"
                                           << " 6%"
                                           << "ABC              3  6%";
    }
    void rowLayout()
    {
        QFETCH(QString, mot);
        QFETCH(QString, pourcentage);
        QFETCH(QString, ligne);
        QCOMPARE(ligneApprochant(mot, pourcentage), ligne);
        QCOMPARE(enTeteApprochant().indexOf(u'L'), ligne.size() - pourcentage.size() - 3);
    }

    void search_data()
    {
        QTest::addColumn<QStringList>("dico");
        QTest::addColumn<QString>("mot");
        QTest::addColumn<bool>("plusMoins");
        QTest::addColumn<int>("seuil");
        QTest::addColumn<QString>("texte");
        const QString h = QStringLiteral("Solutions:      L:  %");
        const QStringList d{"PARLERA", "PARTERA", "PARLERAS", "PARLER"};
        QTest::newRow("one letter changed at 90")
            << QStringList{"PARTERA"} << "PARLERA" << false << 90 << h + kSaut + "0 solutions trouvées.";
        QTest::newRow("one letter changed at 80")
            << QStringList{"PARTERA"} << "PARLERA" << false << 80
            << h + kSaut + "PARTERA          7 85%" + kSaut + "1 solutions trouvées.";
        QTest::newRow("typed in lower case")
            << d << "parlera" << false << 90 << h + kSaut + "PARLERA          7 100%" + kSaut + "1 solutions trouvées.";
        QTest::newRow("plus or minus one, dictionary order")
            << d << "PARLERA" << true << 90
            << h + kSaut + "PARLERA          7 100%" + kSaut + "PARLERAS         8 93%" + kSaut +
                   "PARLER           6 92%" + kSaut + "3 solutions trouvées.";
        QTest::newRow("nothing kept") << d << "ZYTHUM" << true << 70 << h + kSaut + "0 solutions trouvées.";
        QTest::newRow("empty dictionary") << QStringList{} << "ES" << true << 70 << h + kSaut + "0 solutions trouvées.";
    }
    void search()
    {
        QFETCH(QStringList, dico);
        QFETCH(QString, mot);
        QFETCH(bool, plusMoins);
        QFETCH(int, seuil);
        QFETCH(QString, texte);
        QCOMPARE(texteComplet(RechercheApprochantsSimple(dico, mot, plusMoins, seuil, kSaut)), texte);
        QCOMPARE(texteComplet(RechercheApprochants(dico, mot, plusMoins, seuil, kSaut, 1)), texte);
        QCOMPARE(texteComplet(RechercheApprochants(dico, mot, plusMoins, seuil, kSaut, 3)), texte);
    }

    // Expected tables computed apart from this code, by a ratio of matching blocks.
    void fixtureSearch_data()
    {
        QTest::addColumn<QString>("fichier");
        for (const char* f : {"ES-70-1.txt", "MAISON-90-0.txt", "MAISON-70-1.txt", "PARLERA-80-1.txt",
                              "ORTHOGRAPHE-80-0.txt", "CONTREDISAIENT-70-1.txt"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void fixtureSearch()
    {
        QFETCH(QString, fichier);
        const QStringList parts = QFileInfo(fichier).completeBaseName().split(u'-');
        const QString mot = parts.at(0);
        const int seuil = parts.at(1).toInt();
        const bool plusMoins = parts.at(2) == QLatin1String("1");
        const QString texte = attendu(fichier);
        QCOMPARE(texteComplet(RechercheApprochantsSimple(mots_, mot, plusMoins, seuil, kSaut)), texte);
        QCOMPARE(texteComplet(RechercheApprochants(mots_, mot, plusMoins, seuil, kSaut, 4)), texte);
    }

    // The pruned, threaded scan gives the plain scan's table for every threshold, typed word
    // and thread count.
    void fastScanEqualsPlainScan()
    {
        QStringList typed{"ES", "maison", "PARLERA", "ORTHOGRAPHE", "CONTREDISAIENT", "ZZ", "AEIOUY"};
        for (qsizetype i = 0; i < mots_.size(); i += 9)
            if (mots_.at(i).size() <= 14)
                typed << mots_.at(i);
        for (const QString& mot : typed)
            for (const int seuil : {90, 80, 70})
                for (const bool plusMoins : {false, true}) {
                    const ResultatApprochant simple = RechercheApprochantsSimple(mots_, mot, plusMoins, seuil, kSaut);
                    for (const int threads : {1, 2, 5}) {
                        const ResultatApprochant r = RechercheApprochants(mots_, mot, plusMoins, seuil, kSaut, threads);
                        QCOMPARE(r.texte, simple.texte);
                        QCOMPARE(r.nombre, simple.nombre);
                    }
                }
    }

    // Words outside A to Z, as a list could hold, are scored as written.
    void fastScanOutsideAZ()
    {
        const QStringList dico{"maisons", "MAÏSON", "MAISON", "MAISONÉ", "MAIS0N", "RAISON"};
        for (const QString& mot : {QStringLiteral("MAISON"), QStringLiteral("maïson"), QStringLiteral("MAISO")})
            for (const int seuil : {90, 80, 70}) {
                const ResultatApprochant simple = RechercheApprochantsSimple(dico, mot, true, seuil, kSaut);
                QCOMPARE(RechercheApprochants(dico, mot, true, seuil, kSaut, 2).texte, simple.texte);
            }
    }

    // On the shipped dictionary: the typed word is listed at 100 %, and the fast scan agrees.
    void shippedDictionary()
    {
        WordData w;
        ChargeDico(w);
        QVERIFY(w.DicoWords.contains(QStringLiteral("ORTHOGRAPHE")));
        const ResultatApprochant r = RechercheApprochants(w.DicoWords, QStringLiteral("orthographe"), false, 90, kSaut);
        QCOMPARE(r.texte, enTeteApprochant() + kSaut + QStringLiteral("ORTHOGRAPHE     11 100%"));
        for (const int seuil : {90, 80, 70}) {
            const ResultatApprochant simple = RechercheApprochantsSimple(w.DicoWords, QStringLiteral("MAISON"), true,
                                                                         seuil, kSaut);
            QCOMPARE(RechercheApprochants(w.DicoWords, QStringLiteral("MAISON"), true, seuil, kSaut).texte,
                     simple.texte);
        }
    }
};

QTEST_APPLESS_MAIN(TestNearSpelling)
#include "test_nearspelling.moc"
