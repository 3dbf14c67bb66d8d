// Lexiparc — GPL-3.0-or-later.
#include "about/UrlMail.h"

#include <QUrl>

namespace {
// A field value: everything but the unreserved characters is encoded.
QString champ(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// One CR LF for every line break.
QString sautsCRLF(const QString& text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += QStringLiteral("\r\n");
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}
}

QString urlMail(const QString& adresse, const QString& sujet, const QString& corps, const QString& cc,
                const QString& bcc)
{
    QString q;
    if (!sujet.isEmpty())
        q += QStringLiteral("&Subject=") + champ(sujet);
    if (!corps.isEmpty())
        q += QStringLiteral("&Body=") + champ(sautsCRLF(corps));
    if (!cc.isEmpty())
        q += QStringLiteral("&CC=") + champ(cc);
    if (!bcc.isEmpty())
        q += QStringLiteral("&BCC=") + champ(bcc);
    if (q.startsWith(u'&'))
        q[0] = u'?';
    // The address keeps the characters an address may hold unencoded.
    return QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(adresse, "!$'()*+,;:@")) + q;
}
