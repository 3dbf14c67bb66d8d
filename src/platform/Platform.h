// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// A text with the desktop's line ends, LF: each CR LF pair, and a lone CR, becomes LF.
inline QString desktopLineEnds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Everything the windows ask of the desktop: settings, message boxes, shell and browser,
// clipboard, single instance, window drag, colour dialog, mouse pointer and the random
// generator. Tests replace it with FakePlatform.
class Platform {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    // Answers, with the values the message-box functions return.
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    // Mouse pointers: the arrow and the hourglass.
    enum Pointer { Default = 0, Arrow = 1, Hourglass = 11 };

    virtual ~Platform() = default;

    // Per-user settings of application "LXPC", section "Options". Absent key: empty text.
    virtual QString readSetting(const QString& key) = 0;
    // Stores keys with their values, in this order, in one write. False when they could not be
    // stored: the settings are then left as they were.
    virtual bool writeSettings(const QList<QPair<QString, QString>>& values) = 0;
    // False when stored settings exist but cannot be read: every key then reads empty.
    virtual bool settingsReadable() = 0;
    // Where the settings are kept, as the user would look for them (a file's path).
    virtual QString settingsLocation() = 0;

    // A modal message box; defaultButton is 1, 2 or 3 (the button's position). Returns the answer.
    virtual int messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                           int defaultButton = 1) = 0;

    // Opens a URL (web page or mailto:) with the desktop's default handler. False when no
    // handler could be started, or when the fallback command ends at once with a failure.
    virtual bool openUrl(const QString& url) = 0;
    // Starts a program with arguments, detached. The program may be a desktop entry (a path
    // ending in ".desktop", as findExecutable gives): it is started by its Exec line, the
    // arguments being the addresses it opens. False when it cannot be started, or when a
    // program (not an entry) ends at once with a failure status.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // The program associated with a file (by its type): the desktop entry of the type's
    // default application, or a program's path; empty when none is found.
    virtual QString findExecutable(const QString& file) = 0;

    virtual void clearClipboard() = 0;
    // Puts plain text on the clipboard with the desktop's line ends (see desktopLineEnds).
    virtual void setClipboardText(const QString& text) = 0;

    // True when another instance of the program already runs. The first call decides.
    virtual bool otherInstanceRunning() = 0;
    // Starts moving a window with the mouse, as if its title bar had been grabbed.
    virtual void dragWindow(QWidget* window) = 0;

    // The colour dialog opened on an initial colour; returns the colour it holds when it
    // closes (the initial one when the user cancels).
    virtual QColor chooseColor(QWidget* parent, const QColor& initial) = 0;

    // The screen size in twips.
    virtual QSize screenSizeTwips() = 0;
    // The part of the screen that windows may take (without the desktop's panels), in twips.
    virtual QRect availableAreaTwips() = 0;
    // The mouse pointer of a window, or of the whole screen.
    virtual void setPointer(QWidget* window, int pointer) = 0;
    virtual void setScreenPointer(int pointer) = 0;

    // The pseudo-random generator: reseeded from the clock, a number in [0, 1).
    virtual void randomize() = 0;
    virtual float rnd() = 0;

    // The program's folder.
    virtual QString applicationFolder() = 0;
    // The user's folder for temporary files.
    virtual QString temporaryFolder() = 0;

    // Ends the program at once: no window asks anything, nothing is saved.
    virtual void quit() = 0;
};
