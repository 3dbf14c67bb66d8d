// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>

// The longest mailto: URL handed to the mail client, in characters (all ASCII): far below the
// system's limit for one argument of a program (128 KiB), which the URL crosses on its way.
inline constexpr qsizetype kLongueurMaxUrlMail = 65536;

namespace TexteMail {
inline const QString TropLong = QStringLiteral(
    "Le message est trop long pour être transmis au programme de messagerie.");
inline const QString Raccourcir = QStringLiteral("Raccourcissez le texte du message.");
inline const QString NonLance = QStringLiteral("Le programme de messagerie n'a pas pu être lancé.");
inline const QString NonEnvoye = QStringLiteral("Le message n'a pas été envoyé.");
}

// The mailto: URL of a message: the address, then the fields that are not empty in the order
// subject, body, copy, blind copy, the first opening the query with "?". Field values are
// percent-encoded as UTF-8 (RFC 6068), so "&", "=", "?", "#" and "%" typed by the user stay
// in their field; every line break of the body (CR LF, CR or LF) becomes "%0D%0A".
QString urlMail(const QString& adresse, const QString& sujet, const QString& corps, const QString& cc,
                const QString& bcc);
