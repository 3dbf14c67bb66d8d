// Lexiparc — GPL-3.0-or-later.
// The definitions file reader and the dictionary lookup, on small files.
#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "data/DataCounts.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "data/WordData.h"
#include "tools/dictionary/RechercheDico.h"
#include "tools/dictionary/GetIni.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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
        QTest::newRow("key 12 before key 1") << twelveFirst << "Cont"
                                             << "1"
                                             << "= un";
        QTest::newRow("key 12 itself") << twelveFirst << "Cont"
                                       << "12"
                                       << "= douze";
        QTest::newRow("blanks around the line and the =") << QByteArray("[Cont]\r\n   7    =  NOT\xa3n\xa7"
                                                                        "def   \r\n")
                                                          << "Cont"
                                                          << "7" << QString::fromUtf8("=  NOT£n§def");
        QTest::newRow("first = of the line") << QByteArray("[Cont]\r\n3 = a=b\r\n") << "Cont"
                                             << "3"
                                             << "= a=b";
        QTest::newRow("lower-case header with blanks") << QByteArray("  [cont]  \r\n5 = cinq\r\n") << "Cont"
                                                       << "5"
                                                       << "= cinq";
        QTest::newRow("header with text after it") << QByteArray("[CONT] words\r\n5 = cinq\r\n") << "Cont"
                                                   << "5"
                                                   << "= cinq";
        // Keys with letters are searched line by line, keys of digits by their occurrences.
        QTest::newRow("letter key x12 before x1") << QByteArray("[Cont]\r\nx12 = douze\r\n  X1  = un\r\n") << "Cont"
                                                  << "x1"
                                                  << "= un";
        QTest::newRow("letter key after a [ line")
            << QByteArray("[Cont]\r\na = un\r\n[Autre]\r\nb = deux\r\n") << "Cont"
            << "b"
            << "";
        QTest::newRow("letter key before the header") << QByteArray("b = avant\r\n[Cont]\r\nc = c\r\n") << "Cont"
                                                      << "b"
                                                      << "";
        QTest::newRow("digit key inside a value") << QByteArray("[Cont]\r\n1 = vu 7 = x\r\n7 = sept\r\n") << "Cont"
                                                  << "7"
                                                  << "= sept";
        QTest::newRow("[ inside a value") << QByteArray("[Cont]\r\n1 = a [b]\r\n2 = deux\r\n") << "Cont"
                                          << "2"
                                          << "= deux";
        QTest::newRow("key letters ignore case") << QByteArray("[S]\r\nClef = v\r\n") << "s"
                                                 << "cLEF"
                                                 << "= v";
        QTest::newRow("header missing") << QByteArray("5 = cinq\r\n") << "Cont"
                                        << "5"
                                        << "";
        QTest::newRow("key before the header") << QByteArray("5 = avant\r\n[Cont]\r\n6 = six\r\n") << "Cont"
                                               << "5"
                                               << "";
        QTest::newRow("a [ line ends the section")
            << QByteArray("[Cont]\r\n1 = un\r\n  [Autre]\r\n5 = cinq\r\n") << "Cont"
            << "5"
            << "";
        QTest::newRow("other section first") << QByteArray("[Autre]\r\n5 = faux\r\n[Cont]\r\n5 = cinq\r\n") << "Cont"
                                             << "5"
                                             << "= cinq";
        QTest::newRow("key without =") << QByteArray("[Cont]\r\n5 cinq\r\n5 = cinq\r\n") << "Cont"
                                       << "5"
                                       << "= cinq";
        QTest::newRow("key absent") << QByteArray("[Cont]\r\n1 = un\r\n") << "Cont"
                                    << "0"
                                    << "";
        QTest::newRow("empty file") << QByteArray() << "Cont"
                                    << "1"
                                    << "";
        QTest::newRow("last line without CR LF") << QByteArray("[Cont]\r\n1 = un\r\n2 = deux") << "Cont"
                                                 << "2"
                                                 << "= deux";
        QTest::newRow("LF only lines") << QByteArray("[Cont]\n1 = un\n") << "Cont"
                                       << "1"
                                       << "= un";
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

    // A line longer than the bound, read before the result is known, makes the file damaged,
    // whatever the size of the blocks read; lines after the result are not read.
    void lineBound_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("value");
        const qsizetype b = kLongueurMaxLigne;
        const auto ligne = [](qsizetype n) { return QByteArray(n - 1, 'x') + "\r\n"; };  // n bytes, CR included
        QTest::newRow("at the bound") << "[Cont]\r\n" + ligne(b) + "2 = deux\r\n"
                                      << "2" << false << "= deux";
        QTest::newRow("one byte over") << "[Cont]\r\n" + ligne(b + 1) + "2 = deux\r\n"
                                       << "2" << true << "";
        QTest::newRow("over, before the header") << ligne(b + 1) + "[Cont]\r\n2 = deux\r\n"
                                                 << "2" << true << "";
        QTest::newRow("over, the key's own line") << "[Cont]\r\n2 = " + QByteArray(b, 'x') + "\r\n"
                                                  << "2" << true << "";
        QTest::newRow("over, after the key's line")
            << "[Cont]\r\n2 = deux\r\n" + ligne(b + 1) << "2" << false << "= deux";
        QTest::newRow("over, after the section")
            << "[Cont]\r\n1 = un\r\n[Autre]\r\n" + ligne(b + 1) << "2" << false << "";
        QTest::newRow("over, last line without LF")
            << "[Cont]\r\n1 = un\r\n" + QByteArray(b + 1, 'x') << "2" << true << "";
        QTest::newRow("over, letter key") << "[Cont]\r\n" + ligne(b + 1) + "b = deux\r\n"
                                          << "b" << true << "";
    }
    void lineBound()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(bool, damaged);
        QFETCH(QString, value);
        const QString path = write(file);
        const QString section = QStringLiteral("Cont");
        const auto check = [&](const std::function<QString()>& read) {
            try {
                QCOMPARE(read(), value);
                QVERIFY(!damaged);
            } catch (const FichierEndommage&) {
                QVERIFY(damaged);
            }
        };
        check([&] { return valeurIni(file, section, key); });
        check([&] { return GetIni(path, section, key); });
        for (const qsizetype block : {qsizetype(1), qsizetype(7), kLongueurMaxLigne, kLongueurMaxLigne + 1})
            check([&] { return GetIni(path, section, key, block); });
    }

    // The definitions file in every state, and what the lookup of a word of the list (CHAT)
    // and the Scrabble check of an absent word (CHIEN) make of it.
    void fileStates_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("error");      // raised by the reader (62: damaged), 0 when none
        QTest::addColumn<QString>("value");  // what the reader gives for CHAT's key
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("absentToo");  // the Scrabble check of CHIEN shows the message too
        const QString introuvable = QStringLiteral("Erreur %1\r\nLe fichier des définitions des mots est introuvable.");
        const QString endommage = messageFichierEndommage(QStringLiteral("\r\n"));
        QTest::newRow("sound") << "sound" << 0 << QStringLiteral("= £n§Petit félin domestique.") << "" << false;
        QTest::newRow("missing") << "missing" << 53 << "" << introuvable.arg(53) << true;
        QTest::newRow("folder") << "folder" << 75 << "" << introuvable.arg(75) << true;
        QTest::newRow("unreadable") << "unreadable" << 70 << "" << introuvable.arg(70) << true;
        QTest::newRow("named pipe") << "fifo" << 75 << "" << introuvable.arg(75) << true;
        QTest::newRow("link to /dev/zero") << "zero" << 75 << "" << introuvable.arg(75) << true;
        QTest::newRow("no line ends") << "noeol" << 62 << "" << endommage << true;
        QTest::newRow("cut short") << "cut" << 0 << "" << endommage << false;
    }
    void fileStates()
    {
        QFETCH(QString, state);
        QFETCH(int, error);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(bool, absentToo);
        QFile source(kData + QStringLiteral("definitions.ret"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray sound = source.readAll();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("definitions.ret"));
        const auto ecrit = [&](const QByteArray& bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        };
        if (state == QLatin1String("sound")) {
            ecrit(sound);
        } else if (state == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else if (state == QLatin1String("unreadable")) {
            if (geteuid() == 0)
                QSKIP("the superuser reads every file");
            ecrit(sound);
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        } else if (state == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (state == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (state == QLatin1String("noeol")) {
            ecrit(QByteArray(1 << 20, 'a'));
        } else if (state == QLatin1String("cut")) {
            ecrit(sound.left(sound.indexOf("4 = ")));
        }

        const int before = openFiles();
        try {
            QCOMPARE(GetIni(path, kSectionDefinitions, QStringLiteral("4")), value);
            QCOMPARE(error, 0);
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), error);
            QCOMPARE(dynamic_cast<const FichierEndommage*>(&e) != nullptr, error == 62);
        }
        const ResultatDico r = lookup(QStringLiteral("CHAT"), VarianteRecherche::Dictionnaire, path);
        QVERIFY(!r.echec);
        QCOMPARE(messageLecture(r, QStringLiteral("\r\n")), message);
        QCOMPARE(r.definition,
                 message.isEmpty() ? QStringLiteral("Petit félin domestique.") : TexteDico::DefinitionIllisible);
        QCOMPARE(r.score, qint16(9));
        const ResultatDico absent = lookup(QStringLiteral("CHIEN"), VarianteRecherche::Scrabble, path);
        QVERIFY(absent.echec);
        QCOMPARE(messageLecture(absent, QStringLiteral("\r\n")), absentToo ? message : QString());
        QCOMPARE(openFiles(), before);
    }

    // ---- tables ----
    void natures_data()
    {
        QTest::addColumn<QString>("abbr");
        QTest::addColumn<QString>("wording");
        QTest::newRow("n") << "n"
                           << "nom";
        QTest::newRow("adj n v") << "adj n v"
                                 << "adjectif, nom, verbe";
        QTest::newRow("adj interj n") << "adj interj n"
                                      << "adjectif, interjection, nom";
        QTest::newRow("accent") << QStringLiteral("n préf") << QStringLiteral("nom, préfixe");
        QTest::newRow("onomat") << "onomat" << QStringLiteral("onomatopée");
        QTest::newRow("upper case unknown") << "N"
                                            << "";
        QTest::newRow("accent missing") << "prep"
                                        << "";
        QTest::newRow("blank added") << "n "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
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
        QTest::newRow("three E") << "ELEVE"
                                 << "E" << 3;
        QTest::newRow("none") << "CHAT"
                              << "E" << 0;
        QTest::newRow("last letter") << "CHAT"
                                     << "T" << 1;
        QTest::newRow("overlapping") << "AAA"
                                     << "AA" << 2;
        QTest::newRow("case counts") << "Chat"
                                     << "C" << 1;
        QTest::newRow("empty word") << ""
                                    << "A" << 0;
        QTest::newRow("empty letter") << "A"
                                      << "" << 0;
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
            << QStringList{"LblDef1: AA",
                           "LblDef2: nom",
                           QStringLiteral("LblDef3: Lave volcanique à surface rugueuse."),
                           "Lbl(2): Le mot ''AA'' est valide au scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 2",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("EXISTE") << "Bof"
                                << QStringList{"LblDef1: Ce mot existe dans le dictionnaire.", nodef,
                                               "Lbl(0): Ce mot rapporte", "LblPts: 8", "Lbl(1): points au scrabble."};
        QTest::newRow("NOT, no definition, short word")
            << "eleve"
            << QStringList{"LblDef1: ELEVE",
                           "LblDef2: nom",
                           nodef,
                           "LblValideODS: Ce mot existe mais n'est pas admis dans les tournois de scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 8",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("NOT, no definition, long word")
            << "ABRACADABRANTE"
            << QStringList{"LblDef1: ABRACADABRANTE",
                           "LblDef2: adjectif",
                           QStringLiteral("LblDef3: Ce mot existe mais il n'y a pas actuellement de définition "
                                          "pour les mots de plus de 12 lettres."),
                           "LblValideODS: Ce mot existe mais n'est pas admis dans les tournois de scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 21",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("cross-reference followed")
            << "chats"
            << QStringList{"LblDef1: CHATS",
                           "LblDef2: nom",
                           QStringLiteral("LblDef3: Voir CHAT.\nPetit félin domestique."),
                           "Lbl(2): Le mot ''CHATS'' est valide au scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 10",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("22 characters, not followed") << "CHATTE"
                                                     << QStringList{"LblDef1: CHATTE",
                                                                    "LblDef2: nom",
                                                                    QStringLiteral("LblDef3: Voir CHAT, petit félin"),
                                                                    "Lbl(2): Le mot ''CHATTE'' est valide au scrabble.",
                                                                    "Lbl(0): Ce mot rapporte",
                                                                    "LblPts: 11",
                                                                    "Lbl(1): points au scrabble."};
        QTest::newRow("lower-case voir, not followed") << "CHOU"
                                                       << QStringList{"LblDef1: CHOU",
                                                                      "LblDef2: nom",
                                                                      "LblDef3: voir CHAT.",
                                                                      "Lbl(2): Le mot ''CHOU'' est valide au scrabble.",
                                                                      "Lbl(0): Ce mot rapporte",
                                                                      "LblPts: 9",
                                                                      "Lbl(1): points au scrabble."};
        QTest::newRow("unknown abbreviation") << "gnou"
                                              << QStringList{"LblDef1: GNOU",
                                                             "LblDef3: Antilope d'Afrique.",
                                                             "Lbl(2): Le mot ''GNOU'' est valide au scrabble.",
                                                             "Lbl(0): Ce mot rapporte",
                                                             "LblPts: 5",
                                                             "Lbl(1): points au scrabble."};
        QTest::newRow("two blanks before NOT: admitted")
            << "kiwi"
            << QStringList{"LblDef1: KIWI",
                           "LblDef2: nom",
                           QStringLiteral("LblDef3: Oiseau de Nouvelle-Zélande."),
                           "Lbl(2): Le mot ''KIWI'' est valide au scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 22",
                           "Lbl(1): points au scrabble."};
        const QString absent = QStringLiteral("LblDef4: Ce mot n'existe pas dans le dictionnaire.");
        QTest::newRow("absent word") << "CHIEN" << QStringList{absent};
        QTest::newRow("pasted text with a blank") << "CH AT" << QStringList{absent};
        // A word of the list is never said absent because of the file.
        const QString damaged = QStringLiteral(
            "Message: Le fichier des définitions des mots est endommagé.\nLes définitions ne peuvent pas être lues.");
        QTest::newRow("cross-reference to an absent word")
            << "CHIENS"
            << QStringList{damaged,
                           "LblDef1: CHIENS",
                           "LblDef2: nom",
                           "LblDef3: Voir CHIEN.",
                           "Lbl(2): Le mot ''CHIENS'' est valide au scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 11",
                           "Lbl(1): points au scrabble."};
        QTest::newRow("cross-reference without a point")
            << "CHOUX"
            << QStringList{damaged,
                           "LblDef1: CHOUX",
                           "LblDef2: nom",
                           "LblDef3: Voir CHOU petit chou",
                           "Lbl(2): Le mot ''CHOUX'' est valide au scrabble.",
                           "Lbl(0): Ce mot rapporte",
                           "LblPts: 19",
                           "Lbl(1): points au scrabble."};
        const auto sansFiche = [&](const char* score) {
            return QStringList{damaged,
                               "LblDef1: Ce mot existe dans le dictionnaire.",
                               QStringLiteral("LblDef3: La définition de ce mot n'a pas pu être lue."),
                               "Lbl(0): Ce mot rapporte",
                               QStringLiteral("LblPts: ") + score,
                               "Lbl(1): points au scrabble."};
        };
        QTest::newRow("no line for the word") << "OKAPI" << sansFiche("16");
        QTest::newRow("value without section sign") << "ZEBU" << sansFiche("15");
        QTest::newRow("value without pound sign") << "ZOO" << sansFiche("12");
    }
    void lookup()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, shown);
        const ResultatDico r = lookup(word);
        QCOMPARE(lignesAffichageDico(r, QStringLiteral("\r\n")), shown);
        QCOMPARE(r.codeErreur, 0);
        QCOMPARE(r.echec, shown.last().startsWith(QLatin1String("LblDef4")));
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
        // A record that does not split says nothing of the word's validity.
        r = lookup(QStringLiteral("ZEBU"));
        QVERIFY(!r.echec && !r.copie && !r.nonAdmis);
        QCOMPARE(r.fichier, LectureFichier::Endommagee);
        QVERIFY(r.validite.isEmpty());
    }

    void missingFile()
    {
        const QString missing = dir_.filePath(QStringLiteral("absent.ret"));
        ResultatDico r = lookup(QStringLiteral("CHAT"), VarianteRecherche::Dictionnaire, missing);
        QVERIFY(!r.echec);
        QCOMPARE(r.fichier, LectureFichier::Impossible);
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
        r = lookup(QStringLiteral("ZEBU"), v);
        QVERIFY(!r.echec && r.scoreAffiche && r.validite.isEmpty());
        QCOMPARE(r.definition, QStringLiteral("La définition de ce mot n'a pas pu être lue."));
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
        // The reader's bound on a line stays far above the longest line of the file.
        f.seek(0);
        qsizetype longest = 0;
        while (!f.atEnd())
            longest = std::max(longest, f.readLine().chopped(1).size());
        QVERIFY2(longest * 4 <= kLongueurMaxLigne, qPrintable(QString::number(longest)));
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
