// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <QStringList>

// Cuts the bytes of a resource into its records: Windows-1252 to text, the NUL bytes after
// the last record dropped, split at every CR LF. A final CR LF ends the last record and
// makes no empty record.
QStringList splitRecords(const QByteArray& bytes);
