// Lexiparc — GPL-3.0-or-later.
// The commune tables, the two searches, the selection, the name input and the texts built
// from a commune, on a small pair of lists; then a few facts of the shipped lists.
#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "data/Records.h"
#include "data/Resources.h"
#include "tools/postcodes/CommuneLiens.h"
#include "tools/postcodes/RechercheCommunes.h"
#include "tools/postcodes/CommuneTables.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList fixture(const char* name)
{
    QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/postcodes/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return splitRecords(f.readAll());
}

const QString kBourgCP = QStringLiteral(
    "01000 BOURG EN BRESSE§Bourg-en-Bresse§01 Ain§Auvergne-Rhône-Alpes§84§01053§Lyon§10§A§46.20574§5.2258");
}

class TestCommunes : public QObject {
    Q_OBJECT
    CommuneTables t;

private slots:
    void initTestCase()
    {
        remplitTablesCP(t, fixture("LISTEPARCP"));
        remplitTablesNom(t, fixture("LISTEPARNOM"));
    }

    // Padding and the final line break of the fixtures make no record and stay out of the last one.
    void tablesSizedFromTheLists()
    {
        QCOMPARE(t.TabCP.size(), 18);
        QCOMPARE(t.TabCleCP.size(), 18);
        QCOMPARE(t.TabNom.size(), 18);
        QCOMPARE(t.TabCleNom.size(), 18);
        QCOMPARE(t.TabCP.first(), kBourgCP);
        QCOMPARE(t.TabCleCP.first(), QStringLiteral("01000 BOURG EN BRESSE"));
        QCOMPARE(t.TabCP.last(), QStringLiteral("80190 Y§Y§80 Somme§Hauts-de-France§32§80829§Amiens§20§B§.§."));
        QCOMPARE(t.TabCleCP.last(), QStringLiteral("80190 Y"));
        QCOMPARE(t.TabCleNom.first(), QStringLiteral("AAST"));
        QCOMPARE(t.TabCleNom.last(), QStringLiteral("ZUYTPEENE"));
        QVERIFY(t.TabNom.last().endsWith(QStringLiteral("§Lille§09§B")));
    }

    void recordWithoutSeparatorKeepsTables()
    {
        CommuneTables u = t;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, remplitTablesCP(u, {kBourgCP, QStringLiteral("75001 PARIS 01")}));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, remplitTablesNom(u, {QStringLiteral("AAST§64001")}));
        QCOMPARE(u.TabCP, t.TabCP);
        QCOMPARE(u.TabCleNom, t.TabCleNom);
    }

    void parCode_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("departement");
        QTest::newRow("1 character") << "7" << QStringList{} << ""
                                     << "";
        QTest::newRow("2 characters") << "75" << QStringList{} << ""
                                      << "";
        QTest::newRow("3 digits") << "750" << QStringList{"75001 PARIS 01", "75002 PARIS 02", "75016 PARIS 16"}
                                  << "3 communes trouvées."
                                  << "75 Paris";
        QTest::newRow("one hit") << "75001" << QStringList{"75001 PARIS 01"} << "Une commune a ce code postal."
                                 << "75 Paris";
        QTest::newRow("no hit") << "99999" << QStringList{} << "Ce code postal est inexistant."
                                << "";
        QTest::newRow("duplicate key of two departments")
            << "62760" << QStringList{"62760 THIEVRES", "62760 THIEVRES"} << "2 communes trouvées."
            << "62 Pas-de-Calais";
        QTest::newRow("one-letter key found by code")
            << "80190" << QStringList{"80190 NESLE", "80190 PARGNY", "80190 Y"} << "3 communes trouvées."
            << "80 Somme";
        QTest::newRow("prefix beyond the code")
            << "80190 P" << QStringList{"80190 PARGNY"} << "Une commune a ce code postal."
            << "80 Somme";
        QTest::newRow("case-sensitive") << "80190 y" << QStringList{} << "Ce code postal est inexistant."
                                        << "";
    }
    void parCode()
    {
        QFETCH(QString, texte);
        QFETCH(QStringList, items);
        QFETCH(QString, info);
        QFETCH(QString, departement);
        const ResultatCommunes r = rechercheParCode(t, texte);
        QCOMPARE(r.items, items);
        QCOMPARE(r.info, info);
        QCOMPARE(r.premier.isEmpty() ? QString() : detailDepuisCP(r.premier)[DetDepartement], departement);
    }

    void parNom_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("commune");
        QTest::newRow("empty") << "" << QStringList{} << ""
                               << "";
        QTest::newRow("1 character") << "P" << QStringList{} << ""
                                     << "";
        QTest::newRow("one-letter key never found by name") << "Y" << QStringList{} << ""
                                                            << "";
        QTest::newRow("2 characters, no hit") << "YZ" << QStringList{} << "Aucun nom de commune n'a été trouvé."
                                              << "";
        QTest::newRow("2 characters") << "PA" << QStringList{"02220 PAARS",    "22500 PAIMPOL",  "80190 PARGNY",
                                                             "75001 PARIS 01", "75002 PARIS 02", "75016 PARIS 16",
                                                             "75116 PARIS 16"}
                                      << "7 communes trouvées."
                                      << "02220 PAARS";
        QTest::newRow("equal keys by postal code, lower case typed")
            << "st jean le blanc" << QStringList{"14770 ST JEAN LE BLANC", "45650 ST JEAN LE BLANC"}
            << "2 communes trouvées."
            << "14770 ST JEAN LE BLANC";
        QTest::newRow("one hit") << "ZUYT" << QStringList{"59670 ZUYTPEENE"} << "Une commune trouvée."
                                 << "59670 ZUYTPEENE";
        QTest::newRow("duplicate key") << "THIEVRES" << QStringList{"62760 THIEVRES", "62760 THIEVRES"}
                                       << "2 communes trouvées."
                                       << "62760 THIEVRES";
    }
    void parNom()
    {
        QFETCH(QString, texte);
        QFETCH(QStringList, items);
        QFETCH(QString, info);
        QFETCH(QString, commune);
        const ResultatCommunes r = rechercheParNom(t, texte);
        QCOMPARE(r.items, items);
        QCOMPARE(r.info, info);
        QCOMPARE(r.premier.isEmpty() ? QString() : detailDepuisNom(r.premier)[DetCommune], commune);
    }

    void detailLabels()
    {
        const DetailCommune d = detailDepuisCP(kBourgCP);
        const DetailCommune attendu = {"01000 BOURG EN BRESSE",
                                       "Bourg-en-Bresse",
                                       "01 Ain",
                                       "Auvergne-Rhône-Alpes",
                                       " 84",
                                       " 01053",
                                       "Lyon",
                                       " 10",
                                       " A",
                                       "46.20574",
                                       "5.2258"};
        QCOMPARE(d, attendu);
        const DetailCommune sans = detailDepuisCP(t.TabCP.last());
        QCOMPARE(sans[DetLatitude], QStringLiteral("."));
        QCOMPARE(sans[DetLongitude], QStringLiteral("."));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, detailDepuisCP(QStringLiteral("01000 X§X§01 Ain")));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, detailDepuisNom(QStringLiteral("X§01053§01000")));
    }

    // Both lists give the same eleven texts for each commune.
    void detailSameFromBothLists()
    {
        for (const QString& cp : t.TabCP) {
            const DetailCommune d = detailDepuisCP(cp);
            int found = 0;
            for (const QString& nom : t.TabNom) {
                const DetailCommune e = detailDepuisNom(nom);
                if (e[DetInsee] == d[DetInsee] && e[DetCommune] == d[DetCommune]) {
                    QCOMPARE(e, d);
                    ++found;
                }
            }
            QCOMPARE(found, 1);
        }
    }

    void selection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("insee");  // empty: no commune
        QTest::newRow("by code") << 1 << "01000 BOURG EN BRESSE" << 0 << " 01053";
        QTest::newRow("by name") << 2 << "01000 BOURG EN BRESSE" << 0 << " 01053";
        QTest::newRow("just loaded, by name") << 0 << "80190 Y" << 0 << " 80829";
        QTest::newRow("one-letter key by code") << 1 << "80190 Y" << 0 << " 80829";
        QTest::newRow("duplicate key, first row, by code") << 1 << "62760 THIEVRES" << 0 << " 62814";
        QTest::newRow("duplicate key, second row, by code") << 1 << "62760 THIEVRES" << 1 << " 80756";
        QTest::newRow("duplicate key, second row, by name") << 2 << "62760 THIEVRES" << 1 << " 80756";
        QTest::newRow("name with two postal codes") << 2 << "75116 PARIS 16" << 0 << " 75116";
        QTest::newRow("the other postal code") << 1 << "75016 PARIS 16" << 0 << " 75116";
        QTest::newRow("exact key, not a prefix") << 1 << "01000 BOURG" << 0 << "";
        QTest::newRow("name under another code") << 2 << "75001 PARIS 02" << 0 << "";
        QTest::newRow("no blank") << 2 << "ZUYTPEENE" << 0 << "";
    }
    void selection()
    {
        QFETCH(int, mode);
        QFETCH(QString, item);
        QFETCH(int, rang);
        QFETCH(QString, insee);
        const auto d = selectionCommune(t, mode, item, rang);
        QCOMPARE(d.has_value(), !insee.isEmpty());
        if (d) {
            QCOMPARE((*d)[DetInsee], insee);
            QCOMPARE((*d)[DetCommune], item);
        }
    }

    // Every row a search lists names its own commune, whichever list it is looked up in.
    void everyListedRowReachable()
    {
        for (const QString& prefixe : {QStringLiteral("PA"), QStringLiteral("TH"), QStringLiteral("ST")}) {
            const QStringList items = rechercheParNom(t, prefixe).items;
            QSet<QString> vus;
            for (int i = 0; i < items.size(); ++i) {
                const int rang = int(std::count(items.begin(), items.begin() + i, items.at(i)));
                const auto parCode = selectionCommune(t, 1, items.at(i), rang);
                const auto parNom = selectionCommune(t, 2, items.at(i), rang);
                QVERIFY(parCode && parNom);
                QCOMPARE(*parCode, *parNom);
                vus.insert((*parNom)[DetInsee] + (*parNom)[DetCommune]);
            }
            QCOMPARE(vus.size(), items.size());
        }
    }

    void saisieNom_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("refuses");
        QTest::newRow("lower case") << "st jean 2"
                                    << "ST JEAN 2"
                                    << "";
        QTest::newRow("accent reported in upper case") << "é"
                                                       << ""
                                                       << "É";
        QTest::newRow("hyphen and apostrophe, each once") << "l'ile-d-yeu"
                                                          << "LILEDYEU"
                                                          << "'-";
        QTest::newRow("no expansion of ß") << "aß"
                                           << "A"
                                           << "ß";
    }
    void saisieNom()
    {
        QFETCH(QString, typed);
        QFETCH(QString, texte);
        QFETCH(QString, refuses);
        const SaisieNom s = nettoieSaisieNom(typed);
        QCOMPARE(s.texte, texte);
        QCOMPARE(QString(s.refuses.constData(), s.refuses.size()), refuses);
        QCOMPARE(messageCaractereRefuse(u'É'), QStringLiteral("Le caractere '' É '' n'est pas valide."));
    }

    void copie()
    {
        const QString texte = texteCopie(detailDepuisCP(kBourgCP), QStringLiteral("\r\n"));
        QCOMPARE(texte, QStringLiteral("Commune: 01000 BOURG EN BRESSE\r\n"
                                       "Nom minuscule: Bourg-en-Bresse\r\n"
                                       "Département: 01 Ain\r\n"
                                       "Région: Auvergne-Rhône-Alpes\r\n"
                                       "Code région:  84\r\n"
                                       "N°INSEE:  01053\r\n"
                                       "Académie: Lyon\r\n"
                                       "Code académie:  10\r\n"
                                       "Zone vacances:  A\r\n"
                                       "Latitude: 46.20574\r\n"
                                       "Longitude: 5.2258"));
        QCOMPARE(messageCopieDonnees(QStringLiteral("T"), QStringLiteral("\r\n")),
                 QStringLiteral("Les données on été copiées dans le presse-papier.\r\n\r\nT"));
        QCOMPARE(messageCopieNom(QStringLiteral("T"), QStringLiteral("\r\n")),
                 QStringLiteral("Le nom de commune a été copiée dans le presse-papier.\r\n\r\nT"));
    }

    void annuaire_data()
    {
        QTest::addColumn<QString>("commune");
        QTest::addColumn<QString>("departement");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("accents and apostrophe") << "Saint-André-d'Huiriat"
                                                << "01 Ain"
                                                << "01/saint-andre-d'huiriat";
        QTest::newRow("45 characters") << "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson"
                                       << "51 Marne"
                                       << "51/saint-remy-en-bouzemont-saint-genest-et-isson";
        QTest::newRow("blanks, capital accent") << "Île de Batz"
                                                << "29 Finistère"
                                                << "29/ile-de-batz";
        QTest::newRow("ligature kept") << "Œuilly"
                                       << "02 Aisne"
                                       << "02/œuilly";
        QTest::newRow("overseas department") << "Saint-Denis"
                                             << "974 La Réunion"
                                             << "97/saint-denis";
    }
    void annuaire()
    {
        QFETCH(QString, commune);
        QFETCH(QString, departement);
        QFETCH(QString, chemin);
        QCOMPARE(adresseAnnuaire(commune, departement), QString::fromLatin1(kSiteAnnuaire) + chemin);
    }

    // To the coordinates when the commune has them; otherwise to its name and postal code,
    // encoded, never to "." (a map of nowhere).
    void carte_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("destination");
        QTest::newRow("coordinates") << kBourgCP << "%20%20+%20%2046.20574%20%20+%20%20,%20%205.2258";
        QTest::newRow("none") << "59670 ZUYTPEENE§Zuytpeene§59 Nord§Hauts-de-France§32§59668§Lille§09§B§.§."
                              << "Zuytpeene%2059670";
        QTest::newRow("accent, apostrophe") << "01540 ST ANDRE D HUIRIAT§Saint-André-d'Huiriat§01 Ain§"
                                               "Auvergne-Rhône-Alpes§84§01340§Lyon§10§A§.§."
                                            << "Saint-Andr%C3%A9-d%27Huiriat%2001540";
        QTest::newRow("one value missing") << "98729 MOOREA MAIAO§Moorea-Maiao§987 Polynésie française§"
                                              "Polynésie française§.§98729§.§.§.§-17.5§."
                                           << "Moorea-Maiao%2098729";
        QTest::newRow("name list") << "ZUYTPEENE$59668§59670§59§Nord§Zuytpeene§32§Hauts-de-France§.§.§Lille§09§B"
                                   << "Zuytpeene%2059670";
    }
    void carte()
    {
        QFETCH(QString, record);
        QFETCH(QString, destination);
        const DetailCommune detail = record.contains(u'$') ? detailDepuisNom(record) : detailDepuisCP(record);
        QCOMPARE(adresseCarte(detail), QStringLiteral("https://www.google.com/maps/dir//") + destination);
    }

    void fichierNavigateur()
    {
        QTemporaryDir dir;
        const QString a = creeFichierNavigateur(dir.path());
        const QString b = creeFichierNavigateur(dir.path());
        QVERIFY(!a.isEmpty());
        QVERIFY(a != b);
        QCOMPARE(QFileInfo(a).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
        QVERIFY(a.endsWith(QStringLiteral(".HTM")));
        QFile f(a);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("<HTML> <\\HTML>\r\n"));
        QCOMPARE(creeFichierNavigateur(dir.filePath(QStringLiteral("absent/folder"))), QString());
    }

    void aPropos()
    {
        const QStringList l = lignesAPropos(18);
        QCOMPARE(l.size(), 6);
        QCOMPARE(l.first(), QStringLiteral("18 codes postaux et noms de communes."));
        QCOMPARE(l.at(4), QStringLiteral("de  l ' Académie - Zone des vacances scolaires"));
    }

    // The shipped lists: the same communes in both, every key naming one commune.
    void shippedData()
    {
        CommuneTables s;
        remplitTablesCP(s, ChargeRessource(QStringLiteral("LISTEPARCP"), 200));
        remplitTablesNom(s, ChargeRessource(QStringLiteral("LISTEPARNOM"), 201));
        QCOMPARE(s.TabNom.size(), s.TabCP.size());
        QVERIFY(s.TabCP.size() > 30000);
        QCOMPARE(s.TabCP.first(), kBourgCP);
        QCOMPARE(s.TabCleNom.first(), QStringLiteral("AAST"));
        QCOMPARE(s.TabCleNom.last(), QStringLiteral("ZUYTPEENE"));
        QStringList doubles;
        for (qsizetype i = 1; i < s.TabCleCP.size(); ++i) {
            QVERIFY(s.TabCleCP.at(i - 1) <= s.TabCleCP.at(i));
            if (s.TabCleCP.at(i - 1) == s.TabCleCP.at(i))
                doubles << s.TabCleCP.at(i);
        }
        QCOMPARE(doubles, QStringList{});
        const ResultatCommunes paris = rechercheParCode(s, QStringLiteral("750"));
        QCOMPARE(paris.items.first(), QStringLiteral("75001 PARIS 01"));
        QCOMPARE(paris.info, QString::number(paris.items.size()) + QStringLiteral(" communes trouvées."));
        QVERIFY(rechercheParCode(s, QStringLiteral("80190")).items.contains(QStringLiteral("80190 Y")));
        // Two communes of one name, told apart by their postal codes.
        const ResultatCommunes thievres = rechercheParNom(s, QStringLiteral("THIEVRES"));
        QCOMPARE(thievres.items, (QStringList{QStringLiteral("62760 THIEVRES"), QStringLiteral("80560 THIEVRES")}));
        QCOMPARE(selectionCommune(s, 2, thievres.items.at(1), 0)->at(DetDepartement), QStringLiteral("80 Somme"));
        QCOMPARE(selectionCommune(s, 1, thievres.items.at(1), 0)->at(DetDepartement), QStringLiteral("80 Somme"));

        // The sorted keys are searched by halves: the same hits as the scan of every key.
        QVERIFY(s.clesCPTriees);
        CommuneTables parcourues = s;
        parcourues.clesCPTriees = false;
        for (const char* prefixe : {"010", "750", "988", "98890", "2A0", "000", "999", "62760 THIEVRES", "80190 Y"}) {
            const ResultatCommunes a = rechercheParCode(s, QString::fromLatin1(prefixe));
            const ResultatCommunes b = rechercheParCode(parcourues, QString::fromLatin1(prefixe));
            QCOMPARE(a.items, b.items);
            QCOMPARE(a.premier, b.premier);
        }
    }

    // Keys out of order are all scanned, and listed in table order.
    void parCodeClesDansLeDesordre()
    {
        CommuneTables u;
        remplitTablesCP(u, {QStringLiteral("75002 PARIS 02§a§b§c§d§e§f§g§h§i§j"), kBourgCP,
                            QStringLiteral("75001 PARIS 01§a§b§c§d§e§f§g§h§i§j")});
        QVERIFY(!u.clesCPTriees);
        QCOMPARE(rechercheParCode(u, QStringLiteral("750")).items,
                 (QStringList{QStringLiteral("75002 PARIS 02"), QStringLiteral("75001 PARIS 01")}));
    }
};

int runTestCommunes(int argc, char** argv)
{
    TestCommunes t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_communes.moc"
