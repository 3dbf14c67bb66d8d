// Lexiparc — GPL-3.0-or-later.
// The definitions file reader and the dictionary lookup, on small files.
#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "data/DataCounts.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "data/WordData.h"
#include "tools/dictionary/Dictionnaire.h"
#include "tools/dictionary/GetIni.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kData = QStringLiteral(LEXIPARC_TEST_DATA "/dictionary/");

int openFiles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}
}

class TestDictionary : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList dico_;

    QString write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("f.ret"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the test file");
        f.write(bytes);
        return path;
    }
    ResultatDico lookup(const QString& word, VarianteRecherche v = VarianteRecherche::Dictionnaire,
                             const QString& file = kData + QStringLiteral("definitions.ret"))
    {
        return ChercheDefinition({dico_, file, word, 12, QStringLiteral("\r\n"), v});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QFile f(kData + QStringLiteral("DICO"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        dico_ = splitRecords(f.readAll());
        QCOMPARE(dico_.size(), 16);
    }

    // ---- the reader ----
    void getIni_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray twelveFirst = "[Cont]\r\n12 = douze\r\n1 = un\r\n";
        QTest::newRow("key 12 before key 1") << twelveFirst << "Cont" << "1" << "= un";
        QTest::newRow("key 12 itself") << twelveFirst << "Cont" << "12" << "= douze";
        QTest::newRow("blanks around the line and the =")
            << QByteArray("[Cont]\r\n   7    =  NOT\xa3n\xa7" "def   \r\n") << "Cont" << "7"
            << QString::fromUtf8("=  NOT£n§def");
        QTest::newRow("first = of the line") << QByteArray("[Cont]\r\n3 = a=b\r\n") << "Cont" << "3" << "= a=b";
        QTest::newRow("lower-case header with blanks")
            << QByteArray("  [cont]  \r\n5 = cinq\r\n") << "Cont" << "5" << "= cinq";
        QTest::newRow("header with text after it") << QByteArray("[CONT] words\r\n5 = cinq\r\n") << "Cont" << "5"
                                                   << "= cinq";
        // Keys with letters are searched line by line, keys of digits by their occurrences.
        QTest::newRow("letter key x12 before x1")
            << QByteArray("[Cont]\r\nx12 = douze\r\n  X1  = un\r\n") << "Cont" << "x1" << "= un";
        QTest::newRow("letter key after a [ line")
            << QByteArray("[Cont]\r\na = un\r\n[Autre]\r\nb = deux\r\n") << "Cont" << "b" << "";
        QTest::newRow("letter key before the header")
            << QByteArray("b = avant\r\n[Cont]\r\nc = c\r\n") << "Cont" << "b" << "";
        QTest::newRow("digit key inside a value") << QByteArray("[Cont]\r\n1 = vu 7 = x\r\n7 = sept\r\n") << "Cont"
                                                  << "7" << "= sept";
        QTest::newRow("[ inside a value") << QByteArray("[Cont]\r\n1 = a [b]\r\n2 = deux\r\n") << "Cont" << "2"
                                          << "= deux";
        QTest::newRow("key letters ignore case") << QByteArray("[S]\r\nClef = v\r\n") << "s" << "cLEF" << "= v";
        QTest::newRow("header missing") << QByteArray("5 = cinq\r\n") << "Cont" << "5" << "";
        QTest::newRow("key before the header") << QByteArray("5 = avant\r\n[Cont]\r\n6 = six\r\n") << "Cont" << "5"
                                               << "";
        QTest::newRow("a [ line ends the section")
            << QByteArray("[Cont]\r\n1 = un\r\n  [Autre]\r\n5 = cinq\r\n") << "Cont" << "5" << "";
        QTest::newRow("other section first")
            << QByteArray("[Autre]\r\n5 = faux\r\n[Cont]\r\n5 = cinq\r\n") << "Cont" << "5" << "= cinq";
        QTest::newRow("key without =") << QByteArray("[Cont]\r\n5 cinq\r\n5 = cinq\r\n") << "Cont" << "5"
                                       << "= cinq";
        QTest::newRow("key absent") << QByteArray("[Cont]\r\n1 = un\r\n") << "Cont" << "0" << "";
        QTest::newRow("empty file") << QByteArray() << "Cont" << "1" << "";
        QTest::newRow("last line without CR LF") << QByteArray("[Cont]\r\n1 = un\r\n2 = deux") << "Cont" << "2"
                                                 << "= deux";
        QTest::newRow("LF only lines") << QByteArray("[Cont]\n1 = un\n") << "Cont" << "1" << "= un";
    }
    void getIni()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString path = write(file);
        QCOMPARE(GetIni(path, section, key), value);
        QCOMPARE(valeurIni(file, section, key), value);
        // Lines cut across the blocks of the read.
        for (const qsizetype block : {1, 2, 3, 5, 8, 13})
            QCOMPARE(GetIni(path, section, key, block), value);
    }

    void getIniSeesAChangedFile()
    {
        const QString path = write("[Cont]\r\n1 = avant\r\n");
        QCOMPARE(GetIni(path, QStringLiteral("Cont"), QStringLiteral("1")), QStringLiteral("= avant"));
        write("[Cont]\r\n1 = apr\xe8s\r\n");
        QCOMPARE(GetIni(path, QStringLiteral("Cont"), QStringLiteral("1")), QStringLiteral("= après"));
    }

    void getIniFailures()
    {
        const int before = openFiles();
        const QString missing = dir_.filePath(QStringLiteral("absent.ret"));
        try {
            GetIni(missing, QStringLiteral("Cont"), QStringLiteral("1"));
            QFAIL("a missing file must fail");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 53);
        }
        // A folder exists but cannot be read as a file.
        try {
            GetIni(dir_.path(), QStringLiteral("Cont"), QStringLiteral("1"));
            QFAIL("a folder must fail");
        } catch (const RuntimeError& e) {
            QVERIFY(e.number() != 53);
        }
        QCOMPARE(openFiles(), before);
    }

    void getIniLeavesNoHandleOpen()
    {
        const QString path = write("[Cont]\r\n1 = un\r\n2 = deux\r\n");
        const QString missing = dir_.filePath(QStringLiteral("absent.ret"));
        const int before = openFiles();
        for (int i = 0; i < 5000; ++i) {
            QCOMPARE(GetIni(path, QStringLiteral("Cont"), QString::number(1 + i % 3)).isEmpty(), i % 3 == 2);
            if (i % 10 == 0)
                QVERIFY_THROWS_EXCEPTION(RuntimeError, GetIni(missing, QStringLiteral("Cont"), QStringLiteral("1")));
        }
        QCOMPARE(openFiles(), before);
    }

    // ---- tables ----
    void natures_data()
    {
        QTest::addColumn<QString>("abbr");
        QTest::addColumn<QString>("wording");
        QTest::newRow("n") << "n" << "nom";
        QTest::newRow("adj n v") << "adj n v" << "adjectif, nom, verbe";
        QTest::newRow("adj interj n") << "adj interj n" << "adjectif, interjection, nom";
        QTest::newRow("accent") << QStringLiteral("n préf") << QStringLiteral("nom, préfixe");
        QTest::newRow("onomat") << "onomat" << QStringLiteral("onomatopée");
        QTest::newRow("upper case unknown") << "N" << "";
        QTest::newRow("accent missing") << "prep" << "";
        QTest::newRow("blank added") << "n " << "";
        QTest::newRow("empty") << "" << "";
    }
    void natures()
    {
        QFETCH(QString, abbr);
        QFETCH(QString, wording);
        QCOMPARE(AbreviationsNature(abbr), wording);
    }

    void letterValues()
    {
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const int points[26] = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2, 1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};
        for (int i = 0; i < 26; ++i) {
            QCOMPARE(ValeursLettres(letters.at(i)), points[i]);
            // Every occurrence counts: a letter three times scores three times its points.
            QCOMPARE(int(ScoreScrabble(QString(3, letters.at(i)))), 3 * points[i]);
        }
        QCOMPARE(int(ScoreScrabble(letters)), 103);
        QCOMPARE(ValeursLettres(u'a'), 0);
    }

    void chercheLet_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("count");
        QTest::newRow("three E") << "ELEVE" << "E" << 3;
        QTest::newRow("none") << "CHAT" << "E" << 0;
        QTest::newRow("last letter") << "CHAT" << "T" << 1;
        QTest::newRow("overlapping") << "AAA" << "AA" << 2;
        QTest::newRow("case counts") << "Chat" << "C" << 1;
        QTest::newRow("empty word") << "" << "A" << 0;
        QTest::newRow("empty letter") << "A" << "" << 0;
    }
    void chercheLet()
    {
        QFETCH(QString, word);
        QFETCH(QString, letter);
        QFETCH(int, count);
        QCOMPARE(int(ChercheLet(word, letter)), count);
    }

    void scores()
    {
        QCOMPARE(int(ScoreScrabble(QStringLiteral("CHAT"))), 9);
        QCOMPARE(int(ScoreScrabble(QStringLiteral("KIWI"))), 22);
    }

    // ---- the lookup ----
    void lookup_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("shown");
        const QString nodef = QStringLiteral("LblDef3: Pas de définition pour ce mot.");
        QTest::newRow("first word, lower case")
            << "aa"
            << QStringList{"LblDef1: AA", "LblDef2: nom", QStringLiteral("LblDef3: Lave volcanique à surface rugueuse."),
                           "Lbl(2): Le mot ''AA'' est valide au scrabble.", "Lbl(0): Ce mot rapporte", "LblPts: 2",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("EXISTE")
            << "Bof"
            << QStringList{"LblDef1: Ce mot existe dans le dictionnaire.", nodef, "Lbl(0): Ce mot rapporte",
                           "LblPts: 8", "Lbl(1): points au scrabble."};
        QTest::newRow("NOT, no definition, short word")
            << "eleve"
            << QStringList{"LblDef1: ELEVE", "LblDef2: nom", nodef,
                           "LblValideODS: Ce mot existe mais n'est pas admis dans les tournois de scrabble.",
                           "Lbl(0): Ce mot rapporte", "LblPts: 8", "Lbl(1): points au scrabble."};
        QTest::newRow("NOT, no definition, long word")
            << "ABRACADABRANTE"
            << QStringList{"LblDef1: ABRACADABRANTE", "LblDef2: adjectif",
                           QStringLiteral("LblDef3: Ce mot existe mais il n'y a pas actuellement de définition "
                                          "pour les mots de plus de 12 lettres."),
                           "LblValideODS: Ce mot existe mais n'est pas admis dans les tournois de scrabble.",
                           "Lbl(0): Ce mot rapporte", "LblPts: 21", "Lbl(1): points au scrabble."};
        QTest::newRow("cross-reference followed")
            << "chats"
            << QStringList{"LblDef1: CHATS", "LblDef2: nom",
                           QStringLiteral("LblDef3: Voir CHAT.\nPetit félin domestique."),
                           "Lbl(2): Le mot ''CHATS'' est valide au scrabble.", "Lbl(0): Ce mot rapporte", "LblPts: 10",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("22 characters, not followed")
            << "CHATTE"
            << QStringList{"LblDef1: CHATTE", "LblDef2: nom", QStringLiteral("LblDef3: Voir CHAT, petit félin"),
                           "Lbl(2): Le mot ''CHATTE'' est valide au scrabble.", "Lbl(0): Ce mot rapporte",
                           "LblPts: 11", "Lbl(1): points au scrabble."};
        QTest::newRow("lower-case voir, not followed")
            << "CHOU"
            << QStringList{"LblDef1: CHOU", "LblDef2: nom", "LblDef3: voir CHAT.",
                           "Lbl(2): Le mot ''CHOU'' est valide au scrabble.", "Lbl(0): Ce mot rapporte", "LblPts: 9",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("unknown abbreviation")
            << "gnou"
            << QStringList{"LblDef1: GNOU", "LblDef3: Antilope d'Afrique.",
                           "Lbl(2): Le mot ''GNOU'' est valide au scrabble.", "Lbl(0): Ce mot rapporte", "LblPts: 5",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("two blanks before NOT: admitted")
            << "kiwi"
            << QStringList{"LblDef1: KIWI", "LblDef2: nom", QStringLiteral("LblDef3: Oiseau de Nouvelle-Zélande."),
                           "Lbl(2): Le mot ''KIWI'' est valide au scrabble.", "Lbl(0): Ce mot rapporte",
                           "LblPts: 22", "Lbl(1): points au scrabble."};
        const QString absent = QStringLiteral("LblDef4: Ce mot n'existe pas dans le dictionnaire.");
        QTest::newRow("absent word") << "CHIEN" << QStringList{absent};
        QTest::newRow("cross-reference to an absent word") << "CHIENS" << QStringList{absent, "LblDef2: nom"};
        QTest::newRow("cross-reference without a point") << "CHOUX" << QStringList{absent, "LblDef2: nom"};
        QTest::newRow("no line for the word") << "OKAPI" << QStringList{absent};
        QTest::newRow("value without section sign") << "ZEBU" << QStringList{absent};
        QTest::newRow("value without pound sign") << "ZOO" << QStringList{absent};
        QTest::newRow("pasted text with a blank") << "CH AT" << QStringList{absent};
    }
    void lookup()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, shown);
        const ResultatDico r = lookup(word);
        QCOMPARE(lignesAffichageDico(r, QStringLiteral("\r\n")), shown);
        QCOMPARE(r.codeErreur, 0);
    }

    void lookupFlags()
    {
        ResultatDico r = lookup(QStringLiteral("chat"));
        QVERIFY(r.copie && !r.nonAdmis && !r.echec);
        QCOMPARE(r.mot, QStringLiteral("CHAT"));
        QVERIFY(!lookup(QStringLiteral("BOF")).copie);
        QVERIFY(!lookup(QStringLiteral("ELEVE")).copie);
        r = lookup(QStringLiteral("ELEVES"));
        QVERIFY(r.copie && r.nonAdmis);
        QCOMPARE(r.nature, QStringLiteral("adjectif, nom"));
        // The validity step is done before the missing section sign is found.
        r = lookup(QStringLiteral("ZEBU"));
        QVERIFY(r.echec);
        QCOMPARE(r.validite, QStringLiteral("Le mot ''ZEBU'' est valide au scrabble."));
    }

    void missingFile()
    {
        const QString missing = dir_.filePath(QStringLiteral("absent.ret"));
        ResultatDico r = lookup(QStringLiteral("CHAT"), VarianteRecherche::Dictionnaire, missing);
        QVERIFY(r.echec);
        QCOMPARE(r.codeErreur, 53);
        QCOMPARE(lignesAffichageDico(r, QStringLiteral("\r\n")).first(),
                 QStringLiteral("Message: Erreur 53\nLe fichier des définitions des mots est introuvable."));
        QCOMPARE(messageFichierIntrouvable(53, QStringLiteral("\r\n")),
                 QStringLiteral("Erreur 53\r\nLe fichier des définitions des mots est introuvable."));
        // The dictionary does not read the file for an absent word; the Scrabble check does.
        r = lookup(QStringLiteral("CHIEN"), VarianteRecherche::Dictionnaire, missing);
        QVERIFY(r.echec);
        QCOMPARE(r.codeErreur, 0);
        r = lookup(QStringLiteral("CHIEN"), VarianteRecherche::Scrabble, missing);
        QVERIFY(r.echec);
        QCOMPARE(r.codeErreur, 53);
    }

    void scrabbleVariant()
    {
        const auto v = VarianteRecherche::Scrabble;
        ResultatDico r = lookup(QStringLiteral("CHIEN"), v);
        QVERIFY(r.echec);
        QCOMPARE(r.codeErreur, 0);
        r = lookup(QStringLiteral("chat"), v);
        QVERIFY(!r.echec && r.scoreAffiche && !r.copie);
        QVERIFY(r.entete.isEmpty() && r.nature.isEmpty());
        QCOMPARE(r.validite, QStringLiteral("Le mot ''CHAT'' est valide au scrabble."));
        QCOMPARE(r.score, qint16(9));
        r = lookup(QStringLiteral("ELEVES"), v);
        QVERIFY(r.nonAdmis && !r.scoreAffiche);
        QCOMPARE(r.definition, QStringLiteral("Qui suit un enseignement."));
        r = lookup(QStringLiteral("BOF"), v);
        QVERIFY(r.scoreAffiche && r.entete.isEmpty());
        QCOMPARE(r.definition, QStringLiteral("Pas de définition pour ce mot."));
        r = lookup(QStringLiteral("CHATS"), v);
        QCOMPARE(r.definition, QStringLiteral("Voir CHAT.\r\nPetit félin domestique."));
        QVERIFY(lookup(QStringLiteral("ZEBU"), v).echec);
    }

    void texts()
    {
        QCOMPARE(texteCopie(QStringLiteral("GNOU"), QString(), QStringLiteral("Antilope."), QStringLiteral("\r\n")),
                 QStringLiteral("GNOU: () Antilope.\r\nExtrait du dictionnaire du programme Lexiparc."));
        QCOMPARE(messageNonAdmis(QStringLiteral("eleve"), QStringLiteral("|")),
                 QStringLiteral("Le choix des mots admis dans les tournois de|scrabble obéit à des règles très "
                                "précises.|Il existe des milliers de mots, ne sont admis que|ceux qui figurent dans la "
                                "partie noms communs|des différents dictionnaires de langue française.||Le mot eleve "
                                "existe mais n'est pas admis|au jeu de scrabble."));
    }

    // ---- the shipped definitions file ----
    void shippedDefinitions()
    {
        const QString path = QStringLiteral(LEXIPARC_SOURCE_DIR "/resources/definitions1.20.ret");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = splitRecords(f.readAll());
        WordData words;
        ChargeDico(words);
        const QStringList dico = words.DicoWords.toStringList();
        QCOMPARE(dico.size(), qsizetype(DataCounts::kNbMots));
        QCOMPARE(lines.first(), QStringLiteral("[Cont]"));
        // One line per word, keyed by its position in the list, in order; every value splits.
        QCOMPARE(lines.size(), dico.size() + 1);
        const QSet<QString> known(dico.cbegin(), dico.cend());
        int crossReferences = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QString prefix = QString::number(i) + QStringLiteral(" = ");
            QVERIFY2(lines[i].startsWith(prefix), qPrintable(lines[i]));
            const QString value = lines[i].mid(prefix.size() - 2);
            if (value == TexteDico::ValeurExiste)
                continue;
            const qsizetype pound = value.indexOf(u'£');
            const qsizetype section = value.indexOf(u'§');
            QVERIFY2(pound >= 0 && section > pound, qPrintable(lines[i]));
            // A cross-reference names a word of the list, so the lookup can follow it.
            const QString def = value.mid(section + 1);
            if (def.contains(QLatin1String("Voir ")) && def.size() < 22) {
                ++crossReferences;
                QVERIFY2(def.contains(u'.') && known.contains(def.left(def.indexOf(u'.')).right(def.size() - 6)),
                         qPrintable(lines[i]));
            }
        }
        QVERIFY(crossReferences > 0);
        // The reader on keys all along the file, and the lookup on the first and the last word.
        for (qsizetype i = 1; i < lines.size(); i += 4999)
            QCOMPARE(GetIni(path, kSectionDefinitions, QString::number(i)),
                     lines[i].mid(QString::number(i).size() + 1));
        const QString last = QString::number(dico.size());
        QCOMPARE(GetIni(path, kSectionDefinitions, last), lines.last().mid(last.size() + 1));
        for (const QString& word : {dico.first(), dico.last()}) {
            const ResultatDico r = ChercheDefinition({dico, path, word.toLower(), DataCounts::kLongMaxDef});
            QVERIFY(!r.echec);
            QCOMPARE(r.entete == word || r.entete == TexteDico::Existe, true);
        }
    }
};

QTEST_APPLESS_MAIN(TestDictionary)
#include "test_dictionary.moc"
