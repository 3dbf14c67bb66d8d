// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/TextHelpers.h"
#include "data/ListeMots.h"

#include <QString>
#include <QStringList>

// The dictionary lookup shared by the dictionary and Scrabble check windows: the word in
// the dictionary list, its record in the definitions file, and what the windows show.

// Texts of the result labels.
namespace TexteDico {
inline const QString Existe = QStringLiteral("Ce mot existe dans le dictionnaire.");
inline const QString PasDeDefinition = QStringLiteral("Pas de définition pour ce mot.");
inline const QString Inexistant = QStringLiteral("Ce mot n'existe pas dans le dictionnaire.");
inline const QString NonAdmisDico = QStringLiteral("Ce mot existe mais n'est pas admis dans les tournois de scrabble.");
inline const QString NonAdmisScrabble = QStringLiteral("Ce mot n'est pas admis dans les tournois de scrabble.");
inline const QString Attente = QStringLiteral("Recherche en cours, patientez...");
inline const QString Invite = QStringLiteral("Entrez un mot dans la zone de texte");
inline const QString Rapporte = QStringLiteral("Ce mot rapporte");
inline const QString Points = QStringLiteral("points au scrabble.");
inline const QString Copie1 = QStringLiteral("Copier le mot et sa définition");
inline const QString Copie2 = QStringLiteral("dans le presse-papier.");
inline const QString CopieFaite = QStringLiteral("Le mot et sa définition ont été copiés dans le presse-papier.");
// The last line of a copied definition.
inline const QString Source = QStringLiteral("Extrait du dictionnaire du programme Lexiparc.");
// The definition shown for a word of the list whose record cannot be read.
inline const QString DefinitionIllisible = QStringLiteral("La définition de ce mot n'a pas pu être lue.");
// The record of a word that is only known to exist.
inline const QString ValeurExiste = QStringLiteral("= x§EXISTE");
}

// The section of the definitions file.
inline const QString kSectionDefinitions = QStringLiteral("Cont");

// The wording of a part-of-speech abbreviation ("adj n" gives "adjectif, nom"), matched
// exactly; empty for an abbreviation that is not in the table.
QString AbreviationsNature(const QString& abreviation);
// The points of a letter A to Z (French tiles); 0 for any other character.
int ValeursLettres(QChar lettre);
// The number of occurrences of LETTRE in Mot, overlapping ones included; 0 when either is empty.
qint16 ChercheLet(const QString& Mot, const QString& LETTRE);
// The Scrabble score of a word in upper case: every occurrence of every letter A to Z.
qint16 ScoreScrabble(const QString& mot);

// "Le mot ''WORD'' est valide au scrabble."
QString phraseValide(const QString& motMajuscules);
// The no-definition text for a long word.
QString messageSansDefinition(int longMaxDef);
// "Erreur " & code & line break & "Le fichier des définitions des mots est introuvable."
QString messageFichierIntrouvable(int code, const QString& sautLigne);
// "Le fichier des définitions des mots est endommagé." & line break & what it means.
QString messageFichierEndommage(const QString& sautLigne);
// The explanation behind the information image, for the word as typed.
QString messageNonAdmis(const QString& motSaisi, const QString& sautLigne);
// The copied text: word, part of speech in parentheses, definition, then the source line.
QString texteCopie(const QString& mot, const QString& nature, const QString& definition, const QString& sautLigne);

enum class VarianteRecherche {
    Dictionnaire,  // the dictionary window: heading, part of speech, copy
    Scrabble,      // the Scrabble check: an absent word reads the file too; score only when admitted
};

// What became of the definitions file in a lookup.
enum class LectureFichier {
    Lue,         // read, or not needed
    Impossible,  // could not be opened or read: the missing-file message, with codeErreur
    Endommagee,  // a line too long, no line for a word of the list, a record that does not split
};

// What one lookup gives. The fields are written in the order of the lookup; a failure
// leaves those already written as they are. A word of the list is never shown absent
// because of the file: when its record cannot be read it is shown as existing, without
// validity, part of speech or definition, and `fichier` says why.
struct ResultatDico {
    bool echec = false;  // the not-found display is shown
    LectureFichier fichier = LectureFichier::Lue;
    int codeErreur = 0;     // the run-time error when the file could not be read, else 0
    QString mot;            // the typed word in upper case
    QString entete;         // the heading: the stored word or the existence sentence (dictionary only)
    QString nature;         // the part of speech in full words, empty when not written
    QString validite;       // the validity sentence of an admitted word
    bool nonAdmis = false;  // marked "NOT": the notice blinks, the information image is shown
    bool definitionEcrite = false;
    QString definition;
    bool copie = false;         // word and definition may be copied
    bool scoreAffiche = false;  // the score labels are shown
    qint16 score = 0;
};

struct RequeteRecherche {
    const ListeMots& dico;
    QString fichierDef;
    QString saisie;  // the text of the box as typed
    int longMaxDef = 12;
    QString sautLigne = QStringLiteral("\r\n");
    VarianteRecherche variante = VarianteRecherche::Dictionnaire;
};

// The lookup behind the search button: the word in the list, its record (following one
// cross-reference), validity, part of speech, definition and score.
ResultatDico ChercheDefinition(const RequeteRecherche& requete);

// The message a lookup shows about the definitions file; empty when there is none.
QString messageLecture(const ResultatDico& r, const QString& sautLigne);

// One result label of the dictionary window, by its object name, and the text a lookup gives it.
struct TexteLabel {
    const char* label;
    QString texte;
};

// The texts a lookup gives the dictionary window's result labels, in the window's order. The
// window sets each listed label (an empty text leaves empty a label the search emptied); the
// labels not listed keep their texts.
QList<TexteLabel> textesLabelsDico(const ResultatDico& r);

// What the dictionary window shows after a lookup has run out (blink ended), one
// "Label: text" per label in the window's order, empty labels left out; a message box
// shown on the way comes first as "Message: text". Line breaks inside a text become LF.
QStringList lignesAffichageDico(const ResultatDico& r, const QString& sautLigne);
