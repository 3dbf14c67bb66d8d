// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "tools/postcodes/RechercheCommunes.h"

#include <QString>
#include <QStringList>

// The town-hall directory: its base address and the host name its button shows.
inline constexpr const char* kSiteAnnuaire = "http://annuaire-mairies.lexiparc.fr/";
inline constexpr const char* kHoteAnnuaire = "annuaire-mairies.lexiparc.fr";
// The map service.
inline constexpr const char* kSiteCarte = "https://www.google.com";

// The eleven lines "Commune: ..." to "Longitude: ..." joined by `saut`, each caption as it
// stands (so the labels' own leading blanks follow the colon's blank).
QString texteCopie(const DetailCommune& detail, const QString& saut);
// The messages of the two copies: the success line, two line breaks, the copied text.
QString messageCopieDonnees(const QString& texte, const QString& saut);
QString messageCopieNom(const QString& texte, const QString& saut);

// The directory page of a commune: the base address, the first two characters of the
// department label, "/", the commune name in lower case with the accents of SubAccents
// folded and every blank turned into a hyphen. Nothing is percent-encoded.
QString adresseAnnuaire(const QString& communeMin, const QString& departement);
// The map directions to the commune shown: to its coordinates as the labels show them; for a
// commune without coordinates ("." in either label), to its name and postal code, encoded
// for the address.
QString adresseCarte(const DetailCommune& detail);

// The one line of the HTML file written to find the browser.
inline constexpr const char* kLigneNavigateur = "<HTML> <\\HTML>";
// Creates that file under a new name "Navigateur-XXXXXX.HTM" in the folder (never reusing a
// file that exists) and returns its path; empty when it cannot be written. The caller
// deletes it.
QString creeFichierNavigateur(const QString& dossierTemporaire);

// The six lines of the postal-code window's about box; the first quotes the record count.
QStringList lignesAPropos(qsizetype nbCommunes);
