// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <QStringList>

// The desktop's applications as its desktop entries describe them, read through GIO: which
// one opens a type of file, and how it is started.
namespace desktopapps {

// The desktop entry (its file path) of the default application for a MIME type, as the
// user's and the system's mimeapps.list say; empty when there is none.
QString defaultApplication(const QString& mimeType);

// Starts, detached, the application of a desktop entry on addresses (web addresses or local
// file paths), by its Exec line: quoting, escapes and field codes as the desktop-entry rules
// say. False when the entry cannot be read, its program is missing or cannot be started, or
// the addresses would not reach it: an entry without %u/%U takes no web address, and one
// without any field code takes no address at all.
bool launch(const QString& desktopEntry, const QStringList& addresses);

// Starts a program (a path, or a name looked up in PATH) with arguments, in a session of its
// own and with no input, and watches it for up to `waitMs` milliseconds, the pending events
// other than the user's being handled meanwhile. True when it ended with the status 0 in that
// time or still runs (a browser stays open; its end is collected aside); false when it cannot
// be started (missing, not executable, arguments too long) or ended with another status.
bool startWatched(const QString& program, const QStringList& arguments, int waitMs);

}
