// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "tools/postcodes/CommuneTables.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The eleven detail labels of the postal-code window, in display order.
enum ChampDetail {
    DetCommune,
    DetCommuneMin,
    DetDepartement,
    DetRegion,
    DetCodeRegion,
    DetInsee,
    DetAcademie,
    DetCodeAca,
    DetZoneVac,
    DetLatitude,
    DetLongitude,
    NbChampsDetail
};
using DetailCommune = std::array<QString, NbChampsDetail>;

// The object names of the eleven labels and the captions shown before them ("Commune:"...).
extern const std::array<const char*, NbChampsDetail> kNomsLabelsDetail;
extern const std::array<const char*, NbChampsDetail> kTitresDetail;

// The label texts of a record of the postal-code list (11 fields) or of the name list (key,
// "$", 12 fields). The code-region, INSEE, académie-code and zone labels start with a blank.
// A record with too few fields raises a RuntimeError (9).
DetailCommune detailDepuisCP(const QString& enregCP);
DetailCommune detailDepuisNom(const QString& enregNom);

// What a search shows: the rows of the list, the record of the first hit (empty when none;
// a postal-code record for the search by code, a name record for the search by name) and
// the prompt line.
struct ResultatCommunes {
    QStringList items;
    QString premier;
    QString info;
};

// The search by postal code: every key that begins with the text, case-sensitive, in table
// order; nothing under 3 characters.
ResultatCommunes rechercheParCode(const CommuneTables& tables, const QString& texte);
// The search by name: every routing name that begins with the text in upper case, listed as
// postal code, blank, routing name; nothing under 2 characters.
ResultatCommunes rechercheParNom(const CommuneTables& tables, const QString& texte);

// The prompt line after a search with `hits` hits.
QString infoRechercheCode(qsizetype hits);
QString infoRechercheNom(qsizetype hits, qsizetype longueurSaisie);

// The prompts shown when an input box takes the focus.
QString infoFocusCode();
QString infoFocusNom();

// The commune a selected row names: `rang` is how many rows above it hold the same text, so
// that rows of equal text (communes of one name sharing one postal code) each give their own
// commune. Mode 1 looks the row up among the postal-code keys, any other mode among the
// routing names and postal codes of the name list. No match gives no value.
std::optional<DetailCommune> selectionCommune(const CommuneTables& tables, int modeRecherche, const QString& item,
                                              int rang);

// The name typed, cleaned: upper case character by character, every character other than
// A-Z, blank and 0-9 removed; `refuses` lists each removed character once, in order of first
// occurrence (upper case).
struct SaisieNom {
    QString texte;
    QList<QChar> refuses;
};
SaisieNom nettoieSaisieNom(const QString& texte);
// "Le caractere '' " & c & " '' n'est pas valide."
QString messageCaractereRefuse(QChar c);
