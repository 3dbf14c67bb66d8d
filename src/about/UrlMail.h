// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>

// The mailto: URL of a message: the address, then the fields that are not empty in the order
// subject, body, copy, blind copy, the first opening the query with "?". Field values are
// percent-encoded as UTF-8 (RFC 6068), so "&", "=", "?", "#" and "%" typed by the user stay
// in their field; every line break of the body (CR LF, CR or LF) becomes "%0D%0A".
QString urlMail(const QString& adresse, const QString& sujet, const QString& corps, const QString& cc,
                const QString& bcc);
