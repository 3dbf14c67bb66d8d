// Lexiparc — GPL-3.0-or-later.
// The shared text helpers, colours, paths, load options and the cascade.
#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/InputFilter.h"
#include "common/Options.h"
#include "common/Paths.h"
#include "common/TextHelpers.h"

#include <QtTest>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void subAccents_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("fold table") << QStringLiteral("àäâçéèëêïîöôùüûÿ") << QStringLiteral("aaaceeeeiioouuuy");
        QTest::newRow("capitals, ligatures, signs unchanged")
            << QStringLiteral("Éè œæ’-'É") << QStringLiteral("Ée œæ’-'É");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("phrase") << QStringLiteral("à côté") << QStringLiteral("a cote");
    }
    void subAccents()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(SubAccents(in), out);
    }
    void subAccentsCount()
    {
        QCOMPARE(SubAccents(QStringLiteral("été"), 2), QStringLiteral("et"));
        QCOMPARE(SubAccents(QStringLiteral("été"), 0), QString());
    }

    // One character for one: the length of a typed word is the length of its upper case.
    void majuscules_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("accents") << QStringLiteral("fête noël") << QStringLiteral("FÊTE NOËL");
        QTest::newRow("ligature ffi stays one character")
            << QStringLiteral("e\uFB03cace") << QStringLiteral("E\uFB03CACE");
        QTest::newRow("sharp s stays") << QStringLiteral("straße") << QStringLiteral("STRAßE");
        QTest::newRow("empty") << QString() << QString();
    }
    void majuscules()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(::majuscules(in), out);
        QCOMPARE(::majuscules(in).size(), in.size());
    }

    // A text taken as typed one by one into an A-to-Z box of 15 characters.
    void filtreTexte_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("longueur");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("lettres");
        QTest::addColumn<bool>("message");
        QTest::newRow("letters") << "Chat" << 0 << 0 << "Chat" << false;
        QTest::newRow("trailing blank") << "maison " << 0 << 0 << "maison" << true;
        QTest::newRow("accents") << "été" << 0 << 0 << "t" << true;
        QTest::newRow("control characters dropped silently") << "a\tb\r\n" << 0 << 0 << "ab" << false;
        QTest::newRow("up to the limit") << "abcdef" << 12 << 0 << "abc" << false;
        QTest::newRow("full box, text selected: the first letter is refused") << "ab" << 15 << 5 << "" << false;
        QTest::newRow("first letter replaces the selection") << "abcdefgh" << 14 << 5 << "abcdef" << false;
        QTest::newRow("refused before the selection is replaced") << "-abcdefgh" << 14 << 5 << "abcdef" << true;
    }
    void filtreTexte()
    {
        QFETCH(QString, texte);
        QFETCH(int, longueur);
        QFETCH(int, selection);
        QFETCH(QString, lettres);
        QFETCH(bool, message);
        const TexteFiltre r = filtreTexteAZ(texte, longueur, selection, 15);
        QCOMPARE(r.lettres, lettres);
        QCOMPARE(r.message, message);
    }

    void changeCaractere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("out");
        QTest::newRow("every occurrence") << "A?B?C"
                                          << "?"
                                          << ""
                                          << "ABC";
        QTest::newRow("no overlap, left to right") << "aaaa"
                                                   << "aa"
                                                   << "b"
                                                   << "bb";
        QTest::newRow("exact case") << "Saint saint"
                                    << "saint"
                                    << "st"
                                    << "Saint st";
        QTest::newRow("empty search") << "abc"
                                      << ""
                                      << "x"
                                      << "abc";
        QTest::newRow("blank text") << "   "
                                    << " "
                                    << "-"
                                    << "   ";
        QTest::newRow("empty text") << ""
                                    << "a"
                                    << "b"
                                    << "";
        QTest::newRow("blanks to hyphens") << "le puy en velay"
                                           << " "
                                           << "-"
                                           << "le-puy-en-velay";
    }
    void changeCaractere()
    {
        QFETCH(QString, text);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, out);
        QCOMPARE(sChangeCaractere(text, from, to), out);
    }

    void groups_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0";
        QTest::newRow("three digits") << qint64(999) << "999";
        QTest::newRow("four digits") << qint64(1000) << "1 000";
        QTest::newRow("six digits") << qint64(406146) << "406 146";
        QTest::newRow("seven digits") << qint64(1234567) << "1 234 567";
        QTest::newRow("negative") << qint64(-510000) << "-510 000";
    }
    void groups()
    {
        QFETCH(qint64, n);
        QFETCH(QString, text);
        QCOMPARE(nombreEnGroupes(n), text);
    }

    void windows1252()
    {
        const QByteArray bytes("\x80\x92\x9c\xa7\xa3\xe9\x81", 7);
        const QString text = fromWindows1252(bytes);
        QCOMPARE(text, QString::fromUtf8("€’œ§£é") + QChar(0x81));
        QCOMPARE(toWindows1252(text), bytes);
    }

    // Many texts at once: the same strings as one by one, each changed on its own, and one
    // kept after the others are gone still safe to change.
    void windows1252List()
    {
        const QByteArray a("CHIEN"), b("\x80\xe9t\xe9", 4), c;
        const std::vector<QByteArrayView> texts{a, b, c, a};
        QStringList list = fromWindows1252(texts);
        QCOMPARE(list, QStringList({"CHIEN", QString::fromUtf8("€été"), "", "CHIEN"}));
        for (const QString& s : list)
            QCOMPARE(s.utf16()[s.size()], u'\0');
        QStringList copy = list;
        copy[0] += u'S';
        copy[1].replace(0, 1, u'x');
        list[3].prepend(u'N');
        QCOMPARE(list, QStringList({"CHIEN", QString::fromUtf8("€été"), "", "NCHIEN"}));
        QCOMPARE(copy, QStringList({"CHIENS", QString::fromUtf8("xété"), "", "CHIEN"}));

        QString kept = fromWindows1252(texts).at(1);
        for (int i = 0; i < 40; ++i)
            kept += u'Z';
        kept.squeeze();
        QCOMPARE(kept, QString::fromUtf8("€été") + QString(40, u'Z'));
        QVERIFY(fromWindows1252(std::vector<QByteArrayView>()).isEmpty());
    }

    void colors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("number");
        QTest::newRow("hex white") << "&HFFFFFF" << true << 16777215;
        QTest::newRow("decimal white") << "16777215" << true << 16777215;
        QTest::newRow("hex grey, lower case prefix") << "&he0e0e0" << true << 14737632;
        QTest::newRow("hex with trailing &") << "&H404040&" << true << 0x404040;
        QTest::newRow("octal") << "&O777" << true << 511;
        QTest::newRow("eight hex digits are signed") << "&HFFFFFFFF" << true << -1;
        QTest::newRow("nine hex digits") << "&H100000000" << false << 0;
        QTest::newRow("octal beyond 32 bits") << "&O40000000000" << false << 0;
        QTest::newRow("not octal") << "&O8" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("junk") << "blanc" << false << 0;
    }
    void colors()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, number);
        const auto n = colorNumber(text);
        QCOMPARE(n.has_value(), valid);
        if (valid)
            QCOMPARE(*n, number);
    }
    void colorLayout()
    {
        // Blue in the high byte.
        QCOMPARE(colorFromNumber(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(colorFromNumber(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(colorFromText("&HFFFFFF"), colorFromText("16777215"));
        QCOMPARE(numberFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    }

    void loadOption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("256") << "256" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("junk") << "oui" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("rounded") << "0.6" << 1;
        QTest::newRow("exponent") << "1e0" << 1;
        QTest::newRow("comma") << "1,0" << 0;
        QTest::newRow("hexadecimal") << "&H1" << 1;
        QTest::newRow("hexadecimal 255") << "&hFF&" << 255;
        QTest::newRow("octal") << "&O17" << 15;
        QTest::newRow("hexadecimal too big") << "&H100" << 0;
        QTest::newRow("negative hexadecimal") << "&HFFFFFFFF" << 0;
        QTest::newRow("bad hexadecimal") << "&HG" << 0;
    }
    void loadOption()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(loadOptionFromText(text)), value);
    }

    void paths()
    {
        QCOMPARE(cheminAvecSeparateur(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(cheminAvecSeparateur(QStringLiteral("/opt/lexiparc")), QStringLiteral("/opt/lexiparc/"));
        QCOMPARE(cheminAvecSeparateur(QStringLiteral("/opt/lexiparc/")), QStringLiteral("/opt/lexiparc/"));
        QCOMPARE(fichierDefinitions(QStringLiteral("/opt/lexiparc/"), QStringLiteral("1.20")),
                 QStringLiteral("/opt/lexiparc/definitions1.20.ret"));
    }

    void cascade()
    {
        Module m;
        QList<int> seen;
        for (int i = 0; i < 7; ++i) {
            PositionFenetreSuivante(m);
            QCOMPARE(m.PosHaut, m.PosGauche);
            seen << m.PosGauche;
        }
        QCOMPARE(seen, (QList<int>{600, 1200, 1800, 2400, 3000, 3600, 600}));
        m.PosGauche = 700;
        PositionFenetreSuivante(m);
        QCOMPARE(int(m.PosGauche), 700);
    }
};

QTEST_APPLESS_MAIN(TestCommon)
#include "test_common.moc"
