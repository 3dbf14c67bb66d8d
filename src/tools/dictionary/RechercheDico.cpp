// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/RechercheDico.h"

#include "common/RuntimeError.h"
#include "tools/dictionary/GetIni.h"

namespace {
struct Nature {
    const char16_t* abreviation;
    const char16_t* libelle;
};
constexpr Nature kNatures[] = {
    {u"adj", u"adjectif"},
    {u"adj adv", u"adjectif, adverbe"},
    {u"adj interj", u"adjectif, interjection"},
    {u"adj interj n", u"adjectif, interjection, nom"},
    {u"adj n", u"adjectif, nom"},
    {u"adj n v", u"adjectif, nom, verbe"},
    {u"adj prép", u"adjectif, préposition"},
    {u"adj pron", u"adjectif, pronom"},
    {u"adj v", u"adjectif, verbe"},
    {u"adv", u"adverbe"},
    {u"adv conj", u"adverbe, conjonction"},
    {u"adv loc", u"adverbe, locution"},
    {u"adv n", u"adverbe, nom"},
    {u"adv prép", u"adverbe, préposition"},
    {u"adv pron", u"adverbe, pronom"},
    {u"adv v", u"adverbe, verbe"},
    {u"art", u"article"},
    {u"conj", u"conjonction"},
    {u"conj n", u"conjonction, nom"},
    {u"interj", u"interjection"},
    {u"interj n", u"interjection, nom"},
    {u"loc", u"locution"},
    {u"loc adv", u"locution, adverbe"},
    {u"n", u"nom"},
    {u"n conj", u"nom, conjonction"},
    {u"n préf", u"nom, préfixe"},
    {u"n prép", u"nom, préposition"},
    {u"n pron", u"nom, pronom"},
    {u"n suff", u"nom, suffixe"},
    {u"n v", u"nom, verbe"},
    {u"onomat", u"onomatopée"},
    {u"préf", u"préfixe"},
    {u"prép", u"préposition"},
    {u"pron", u"pronom"},
    {u"v", u"verbe"},
};

//                                A  B  C  D  E  F  G  H  I  J  K   L  M  N  O  P  Q  R  S  T  U  V  W   X   Y   Z
constexpr int kPoints[26] = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2, 1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};

// The lookup ends on the not-found display.
struct Echec {};
// The definitions file could not be read (code) or is damaged (code 0).
struct EchecFichier {
    LectureFichier lecture;
    int code;
};
}

QString AbreviationsNature(const QString& abreviation)
{
    for (const Nature& n : kNatures)
        if (abreviation == QStringView(n.abreviation))
            return QString::fromUtf16(n.libelle);
    return {};
}

int ValeursLettres(QChar lettre)
{
    const char16_t c = lettre.unicode();
    return (c >= u'A' && c <= u'Z') ? kPoints[c - u'A'] : 0;
}

qint16 ChercheLet(const QString& Mot, const QString& LETTRE)
{
    if (Mot.isEmpty() || LETTRE.isEmpty() || !Mot.contains(LETTRE))
        return 0;
    qint16 compte = 0;
    qsizetype position = 0;  // 0-based: the next occurrence is looked for from here
    do {
        ++compte;
        position = Mot.indexOf(LETTRE, position) + 1;
    } while (position < Mot.size() && Mot.indexOf(LETTRE, position) >= 0);
    return compte;
}

qint16 ScoreScrabble(const QString& mot)
{
    qint16 score = 0;
    for (char16_t l = u'A'; l <= u'Z'; ++l) {
        const qint16 n = ChercheLet(mot, QString(QChar(l)));
        if (n != 0)
            score = qint16(score + n * ValeursLettres(QChar(l)));
    }
    return score;
}

QString phraseValide(const QString& motMajuscules)
{
    return QStringLiteral("Le mot ''") + motMajuscules + QStringLiteral("'' est valide au scrabble.");
}

QString messageSansDefinition(int longMaxDef)
{
    return QStringLiteral("Ce mot existe mais il n'y a pas actuellement de définition pour les mots de plus de ") +
           QString::number(longMaxDef) + QStringLiteral(" lettres.");
}

QString messageFichierIntrouvable(int code, const QString& sautLigne)
{
    return QStringLiteral("Erreur ") + QString::number(code) + sautLigne +
           QStringLiteral("Le fichier des définitions des mots est introuvable.");
}

QString messageFichierEndommage(const QString& sautLigne)
{
    return QStringLiteral("Le fichier des définitions des mots est endommagé.") + sautLigne +
           QStringLiteral("Les définitions ne peuvent pas être lues.");
}

QString messageNonAdmis(const QString& motSaisi, const QString& sautLigne)
{
    const QString& s = sautLigne;
    return QStringLiteral("Le choix des mots admis dans les tournois de") + s +
           QStringLiteral("scrabble obéit à des règles très précises.") + s +
           QStringLiteral("Il existe des milliers de mots, ne sont admis que") + s +
           QStringLiteral("ceux qui figurent dans la partie noms communs") + s +
           QStringLiteral("des différents dictionnaires de langue française.") + s + s + QStringLiteral("Le mot ") +
           motSaisi + QStringLiteral(" existe mais n'est pas admis") + s + QStringLiteral("au jeu de scrabble.");
}

QString texteCopie(const QString& mot, const QString& nature, const QString& definition, const QString& sautLigne)
{
    return mot + QStringLiteral(": (") + nature + QStringLiteral(") ") + definition + sautLigne + TexteDico::Source;
}

namespace {
// The record of a word by its 0-based index in the list; -1 asks for the key "0". A word of
// the list has a line that splits: its absence is damage.
QString lireValeur(const RequeteRecherche& q, qsizetype index)
{
    QString valeur;
    try {
        valeur = GetIni(q.fichierDef, kSectionDefinitions, QString::number(index + 1));
    } catch (const FichierEndommage&) {
        throw EchecFichier{LectureFichier::Endommagee, 0};
    } catch (const RuntimeError& e) {
        throw EchecFichier{LectureFichier::Impossible, e.number()};
    }
    if (index >= 0 && valeur.isEmpty())
        throw EchecFichier{LectureFichier::Endommagee, 0};
    return valeur;
}

// The text a cross-reference adds to the definition (line break included).
QString suiteRenvoi(const RequeteRecherche& q, const QString& definition)
{
    const qsizetype point = definition.indexOf(u'.');
    const qsizetype garde = definition.size() - 6;
    if (point < 0 || garde < 0)
        throw EchecFichier{LectureFichier::Endommagee, 0};
    const QString cible = definition.left(point).right(garde);
    const qsizetype indexCible = q.dico.indexOf(cible);
    if (indexCible < 0)
        throw EchecFichier{LectureFichier::Endommagee, 0};
    const QString valeurCible = lireValeur(q, indexCible);
    const qsizetype p = valeurCible.indexOf(u'§');
    return q.sautLigne + (p < 0 ? valeurCible : valeurCible.mid(p + 1));
}

void remplit(const RequeteRecherche& q, ResultatDico& r)
{
    const bool dico = q.variante == VarianteRecherche::Dictionnaire;
    r.mot = majuscules(q.saisie);
    const qsizetype index = q.dico.indexOf(r.mot);
    if (index < 0 && dico)
        throw Echec{};
    // A word of the list whose record cannot be read exists all the same; the file says no more.
    const auto sansFiche = [&](LectureFichier lecture, int code) {
        r.fichier = lecture;
        r.codeErreur = code;
        if (dico)
            r.entete = TexteDico::Existe;
        r.definition = TexteDico::DefinitionIllisible;
        r.definitionEcrite = true;
    };
    QString valeur;
    try {
        // The Scrabble check reads the file for an absent word too, with the key "0".
        valeur = lireValeur(q, index);
    } catch (const EchecFichier& e) {
        if (index >= 0)
            return sansFiche(e.lecture, e.code);
        r.fichier = e.lecture;
        r.codeErreur = e.code;
        throw Echec{};
    }
    if (index < 0)
        throw Echec{};  // whatever a line of the key "0" may say

    if (valeur == TexteDico::ValeurExiste) {
        if (dico)
            r.entete = TexteDico::Existe;
        r.definition = TexteDico::PasDeDefinition;
        r.definitionEcrite = true;
        return;
    }
    const qsizetype livre = valeur.indexOf(u'£');
    const qsizetype paragraphe = valeur.indexOf(u'§');
    if (livre < 0 || paragraphe < 0)
        return sansFiche(LectureFichier::Endommagee, 0);  // a record that does not split
    if (dico)
        r.entete = q.dico.at(index);
    if (valeur.left(livre).mid(2) == QLatin1String("NOT"))
        r.nonAdmis = true;
    else
        r.validite = phraseValide(r.mot);
    if (dico) {
        const QString avant = valeur.left(paragraphe).mid(2);
        r.nature = AbreviationsNature(avant.mid(avant.indexOf(u'£') + 1));
    }

    QString definition = valeur.mid(paragraphe + 1);
    if (definition.contains(QLatin1String("Voir ")) && definition.size() < 22) {
        // A cross-reference that cannot be followed leaves the definition as written.
        try {
            definition += suiteRenvoi(q, definition);
        } catch (const EchecFichier& e) {
            r.fichier = e.lecture;
            r.codeErreur = e.code;
        }
    }
    r.copie = dico;
    if (definition.isEmpty()) {
        r.copie = false;
        // Only a word longer than the limit is said to lack a definition because of its length.
        definition = r.mot.size() > q.longMaxDef ? messageSansDefinition(q.longMaxDef) : TexteDico::PasDeDefinition;
    }
    r.definition = definition;
    r.definitionEcrite = true;
}
}

ResultatDico ChercheDefinition(const RequeteRecherche& q)
{
    ResultatDico r;
    try {
        remplit(q, r);
    } catch (const Echec&) {
        r.echec = true;
        return r;
    }
    r.score = ScoreScrabble(r.mot);
    r.scoreAffiche = q.variante == VarianteRecherche::Dictionnaire || !r.nonAdmis;
    return r;
}

QString messageLecture(const ResultatDico& r, const QString& sautLigne)
{
    switch (r.fichier) {
    case LectureFichier::Lue: return {};
    case LectureFichier::Impossible: return messageFichierIntrouvable(r.codeErreur, sautLigne);
    case LectureFichier::Endommagee: return messageFichierEndommage(sautLigne);
    }
    return {};
}

QList<TexteLabel> textesLabelsDico(const ResultatDico& r)
{
    QList<TexteLabel> textes;
    if (r.echec)
        textes.append({"LblDef4", TexteDico::Inexistant});
    else
        textes.append({"LblDef1", r.entete});
    textes.append({"LblDef2", r.nature});
    textes.append({"LblDef3", r.definition});
    if (r.nonAdmis)
        textes.append({"LblValideODS", TexteDico::NonAdmisDico});
    else
        textes.append({"Lbl(2)", r.validite});  // empty for an absent word
    if (r.scoreAffiche) {
        textes.append({"Lbl(0)", TexteDico::Rapporte});
        textes.append({"LblPts", QString::number(r.score)});
        textes.append({"Lbl(1)", TexteDico::Points});
    }
    return textes;
}

QStringList lignesAffichageDico(const ResultatDico& r, const QString& sautLigne)
{
    QStringList lignes;
    const auto ajoute = [&](const char* label, const QString& texte) {
        if (!texte.isEmpty())
            lignes << QString::fromLatin1(label) + QStringLiteral(": ") +
                          QString(texte).replace(sautLigne, QStringLiteral("\n"));
    };
    ajoute("Message", messageLecture(r, sautLigne));
    for (const TexteLabel& t : textesLabelsDico(r))
        ajoute(t.label, t.texte);
    return lignes;
}
