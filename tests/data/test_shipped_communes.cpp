// Lexiparc — GPL-3.0-or-later.
// The shipped commune lists: both orders hold the same records, as many as CommuneCounts.h
// states, and they follow the current official list of communes.
#include "data/CommuneCounts.h"
#include "data/Resources.h"

#include <QHash>
#include <QtTest>

class TestShippedCommunes : public QObject {
    Q_OBJECT
    QStringList cp_;
    QHash<QString, QString> parCle_;  // "INSEE postal" -> record of LISTEPARCP
    QSet<QString> insee_;

private slots:
    void initTestCase()
    {
        cp_ = ChargeRessource(QStringLiteral("LISTEPARCP"), 200);
        for (const QString& r : cp_) {
            const QStringList f = r.split(u'§');
            QCOMPARE(f.size(), 11);
            parCle_.insert(f[5] + u' ' + f[0].left(5), r);
            insee_.insert(f[5]);
        }
        QCOMPARE(parCle_.size(), cp_.size());  // one record per commune and postal code
    }

    void bothListsHoldTheSameRecords()
    {
        const QStringList nom = ChargeRessource(QStringLiteral("LISTEPARNOM"), 201);
        QCOMPARE(cp_.size(), qsizetype(CommuneCounts::kNbEnregistrements));
        QCOMPARE(nom.size(), cp_.size());
        for (qsizetype i = 1; i < cp_.size(); ++i)
            QVERIFY2(cp_[i - 1].section(u'§', 0, 0) <= cp_[i].section(u'§', 0, 0), qPrintable(cp_[i]));
        // Each name record laid out as a postal-code record, the key rebuilt into field 1.
        QStringList depuisNom;
        for (const QString& r : nom) {
            const qsizetype dollar = r.indexOf(u'$');
            QVERIFY2(dollar > 0, qPrintable(r));
            const QStringList f = r.mid(dollar + 1).split(u'§');
            QCOMPARE(f.size(), 12);
            depuisNom << QStringList{f[1] + u' ' + r.left(dollar),
                                     f[4],
                                     f[2] + u' ' + f[3],
                                     f[6],
                                     f[5],
                                     f[0],
                                     f[9],
                                     f[10],
                                     f[11],
                                     f[7],
                                     f[8]}
                             .join(u'§');
        }
        QStringList depuisCp = cp_;
        depuisCp.sort();
        depuisNom.sort();
        QCOMPARE(depuisNom, depuisCp);
    }

    void currentCommunes_data()
    {
        QTest::addColumn<QString>("insee");
        QTest::addColumn<QString>("postal");
        QTest::addColumn<QString>("name");
        QTest::newRow("Paris 16e, first code") << "75116"
                                               << "75016"
                                               << "Paris 16e Arrondissement";
        QTest::newRow("Paris 16e, second code") << "75116"
                                                << "75116"
                                                << "Paris 16e Arrondissement";
        QTest::newRow("Marseille 16e") << "13216"
                                       << "13016"
                                       << "Marseille 16e Arrondissement";
        QTest::newRow("Lyon 9e") << "69389"
                                 << "69009"
                                 << "Lyon 9e Arrondissement";
        QTest::newRow("new code") << "12218"
                                  << "12320"
                                  << "Conques-en-Rouergue";
        QTest::newRow("new code, one") << "14581"
                                       << "14240"
                                       << "Aurseulles";
        QTest::newRow("new code, other") << "14581"
                                         << "14250"
                                         << "Aurseulles";
        QTest::newRow("new code 49") << "49126"
                                     << "49270"
                                     << "Orée d'Anjou";
        QTest::newRow("new code 69") << "69114"
                                     << "69400"
                                     << "Porte des Pierres Dorées";
        QTest::newRow("restored") << "15031"
                                  << "15170"
                                  << "Celles";
        QTest::newRow("restored 2") << "15035"
                                    << "15170"
                                    << "Chalinargues";
        QTest::newRow("restored 3") << "15047"
                                    << "15300"
                                    << "Chavagnac";
        QTest::newRow("restored 4") << "15171"
                                    << "15170"
                                    << "Sainte-Anastasie";
        QTest::newRow("renamed") << "02589"
                                 << "02000"
                                 << "Pargny-et-Filain";
        QTest::newRow("code of an absorbed commune") << "93066"
                                                     << "93380"
                                                     << "Saint-Denis";
        QTest::newRow("Saint-Barthélemy") << "97701"
                                          << "97133"
                                          << "Saint-Barthélemy";
        QTest::newRow("Saint-Martin") << "97801"
                                      << "97150"
                                      << "Saint-Martin";
        QTest::newRow("French Polynesia") << "98729"
                                          << "98728"
                                          << "Moorea-Maiao";
        QTest::newRow("Wallis and Futuna") << "98613"
                                           << "98600"
                                           << "Uvea";
        QTest::newRow("New Caledonia") << "98821"
                                       << "98889"
                                       << "Païta";
    }
    void currentCommunes()
    {
        QFETCH(QString, insee);
        QFETCH(QString, postal);
        QFETCH(QString, name);
        const QString r = parCle_.value(insee + u' ' + postal);
        QVERIFY2(!r.isEmpty(), qPrintable(insee + u' ' + postal));
        QCOMPARE(r.section(u'§', 1, 1), name);
    }

    // Communes merged into others, pairs the postal service no longer uses, and the cities
    // divided into arrondissements (listed through their arrondissements only).
    void formerCommunesAbsent_data()
    {
        QTest::addColumn<QString>("insee");
        QTest::addColumn<QString>("postal");  // empty: no record of that commune at all
        QTest::newRow("merged into Saint-Denis") << "93059"
                                                 << "";
        QTest::newRow("old code of Conques-en-Rouergue") << "12076"
                                                         << "";
        QTest::newRow("old code of Aurseulles") << "14011"
                                                << "";
        QTest::newRow("old code of Orée d'Anjou") << "49069"
                                                  << "";
        QTest::newRow("old code of Porte des Pierres Dorées") << "69159"
                                                              << "";
        QTest::newRow("merged into Verdun-Ciel") << "71131"
                                                 << "";
        QTest::newRow("Paris") << "75056"
                               << "";
        QTest::newRow("Marseille") << "13055"
                                   << "";
        QTest::newRow("Lyon") << "69123"
                              << "";
        QTest::newRow("Issy-les-Moulineaux under a Paris code") << "92040"
                                                                << "75015";
        QTest::newRow("Boulogne-Billancourt under a Paris code") << "92012"
                                                                 << "75016";
    }
    void formerCommunesAbsent()
    {
        QFETCH(QString, insee);
        QFETCH(QString, postal);
        if (postal.isEmpty())
            QVERIFY2(!insee_.contains(insee), qPrintable(insee));
        else
            QVERIFY2(!parCle_.contains(insee + u' ' + postal), qPrintable(insee + u' ' + postal));
    }

    // Every field of a few records: department, region, académie and zone of the kinds of place.
    void wholeRecords_data()
    {
        QTest::addColumn<QString>("record");
        QTest::newRow("arrondissement") << QStringLiteral(
            "75116 PARIS 16§Paris 16e Arrondissement§75 Paris§Île-de-France§11§75116§Paris§01§C§.§.");
        QTest::newRow("new commune, former place")
            << QStringLiteral("12320 CONQUES EN ROUERGUE§Conques-en-Rouergue§12 "
                              "Aveyron§Occitanie§76§12218§Toulouse§16§C§44.54742§2.41322");
        QTest::newRow("overseas collectivity") << QStringLiteral(
            "97133 ST BARTHELEMY§Saint-Barthélemy§977 Saint-Barthélemy§Saint-Barthélemy§.§97701§Guadeloupe§32§.§"
            "17.89618§-62.84978");
        QTest::newRow("vice-rectorat") << QStringLiteral(
            "98800 NOUMEA§Nouméa§988 Nouvelle-Calédonie§Nouvelle-Calédonie§.§98818§Nouvelle-Calédonie§40§.§"
            "-22.27407§166.44884");
        // The place of another village filed under the commune's code is left out.
        QTest::newRow("misplaced, 85 km off") << QStringLiteral(
            "40390 STE MARIE DE GOSSE§Sainte-Marie-de-Gosse§40 Landes§Nouvelle-Aquitaine§75§40271§Bordeaux§04§A§.§.");
        QTest::newRow("misplaced, south of Grenoble")
            << QStringLiteral("38270 ST BARTHELEMY BEAUREPAIRE§Saint-Barthélemy§38 "
                              "Isère§Auvergne-Rhône-Alpes§84§38363§Grenoble§08§A§.§.");
        QTest::newRow("misplaced, 39 km off")
            << QStringLiteral("71600 VITRY EN CHAROLLAIS§Vitry-en-Charollais§71 "
                              "Saône-et-Loire§Bourgogne-Franche-Comté§27§71588§Dijon§07§A§.§.");
        // Keyed by the current name where the routing name names another place.
        QTest::newRow("former commune as routing name") << QStringLiteral(
            "01350 CULOZ BEON§Culoz-Béon§01 Ain§Auvergne-Rhône-Alpes§84§01138§Lyon§10§A§45.84886§5.78537");
        QTest::newRow("placeholder as routing name")
            << QStringLiteral("28290 VALD YERRE§Vald'Yerre§28 Eure-et-Loir§Centre-Val de "
                              "Loire§24§28012§Orléans-Tours§18§B§48.09768§1.12851");
        QTest::newRow("no académie") << QStringLiteral(
            "98799 ILE DE CLIPPERTON§Île de Clipperton§989 Île de Clipperton§Île de Clipperton§.§98901§.§.§.§.§.");
    }
    void wholeRecords()
    {
        QFETCH(QString, record);
        QCOMPARE(parCle_.value(record.section(u'§', 5, 5) + u' ' + record.left(5)), record);
    }
};

QTEST_APPLESS_MAIN(TestShippedCommunes)
#include "test_shipped_communes.moc"
