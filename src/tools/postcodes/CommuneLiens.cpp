// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/CommuneLiens.h"

#include "common/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QUrl>

QString texteCopie(const DetailCommune& detail, const QString& saut)
{
    QStringList lignes;
    for (int i = 0; i < NbChampsDetail; ++i)
        lignes << QString::fromUtf8(kTitresDetail[size_t(i)]) + QLatin1Char(' ') + detail[size_t(i)];
    return lignes.join(saut);
}

QString messageCopieDonnees(const QString& texte, const QString& saut)
{
    return QStringLiteral("Les données on été copiées dans le presse-papier.") + saut + saut + texte;
}

QString messageCopieNom(const QString& texte, const QString& saut)
{
    return QStringLiteral("Le nom de commune a été copiée dans le presse-papier.") + saut + saut + texte;
}

QString adresseAnnuaire(const QString& communeMin, const QString& departement)
{
    QString nom = SubAccents(communeMin.toLower());
    nom = ChangeEspaceTiret(nom, QStringLiteral(" "), QStringLiteral("-"));
    return QString::fromLatin1(kSiteAnnuaire) + departement.left(2) + QLatin1Char('/') + nom;
}

namespace {
bool sansCoordonnee(const QString& valeur)
{
    const QString v = valeur.trimmed();
    return v.isEmpty() || v == QLatin1String(".");
}
}

QString adresseCarte(const DetailCommune& detail)
{
    const QString base = QString::fromLatin1(kSiteCarte) + QStringLiteral("/maps/dir//");
    const QString& latitude = detail[DetLatitude];
    const QString& longitude = detail[DetLongitude];
    if (sansCoordonnee(latitude) || sansCoordonnee(longitude)) {
        // "59670 ZUYTPEENE": the postal code is the caption's first word.
        const QString codePostal = detail[DetCommune].trimmed().section(QLatin1Char(' '), 0, 0);
        const QString destination = detail[DetCommuneMin].trimmed() + QLatin1Char(' ') + codePostal;
        return base + QString::fromLatin1(QUrl::toPercentEncoding(destination.trimmed()));
    }
    return base + QStringLiteral("%20%20+%20%20") + latitude + QStringLiteral("%20%20+%20%20,%20%20") + longitude;
}

QString creeFichierNavigateur(const QString& dossierTemporaire)
{
    QTemporaryFile f(QDir(dossierTemporaire).filePath(QStringLiteral("Navigateur-XXXXXX.HTM")));
    f.setAutoRemove(false);
    if (!f.open())
        return {};
    const QByteArray ligne = QByteArray(kLigneNavigateur) + "\r\n";
    const bool ecrit = f.write(ligne) == ligne.size() && f.flush();
    const QString chemin = f.fileName();
    f.close();
    if (!ecrit) {
        QFile::remove(chemin);
        return {};
    }
    return chemin;
}

QStringList lignesAPropos(qsizetype nbCommunes)
{
    return {
        QString::number(nbCommunes) + QStringLiteral(" codes postaux et noms de communes."),
        QStringLiteral("N° INSEE - N° de département - Département"),
        QStringLiteral("Nom en minuscule - Code de région - Nom de"),
        QStringLiteral("région - latitude - longitude - Académie - Code"),
        QStringLiteral("de  l ' Académie - Zone des vacances scolaires"),
        QStringLiteral("Géolocalisation automatique  sur Google Maps"),
    };
}
