// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <functional>

// A platform for tests: records what the windows asked and answers what the test says.
class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        int defaultButton;
    };

    // Settings held in memory; writes are also logged in order as "key=value". A store that
    // cannot be read reads empty; one that cannot be written stores and logs nothing.
    QMap<QString, QString> settings;
    QStringList settingWrites;
    bool settingsCanRead = true;
    bool settingsCanWrite = true;
    QString settingsPath = QStringLiteral("/home/joueur/.config/LXPC.ini");

    QList<Message> messages;
    QList<int> answers;                             // answers given to the next message boxes, in order
    int defaultAnswer = Ok;                         // when answers is empty (Yes for a Yes/No box... set by the test)
    std::function<void(const Message&)> onMessage;  // called while a message box "is open"

    QStringList openedUrls;
    bool openUrlResult = true;
    QList<QStringList> startedPrograms;  // program first, then its arguments
    QString executableFound;             // what findExecutable answers
    QStringList executableQueries;

    QString clipboard;
    int clipboardClears = 0;

    bool otherInstance = false;
    QList<QWidget*> dragged;

    QList<QColor> colorDialogInitial;
    std::optional<QColor> colorChosen;  // none: the dialog is cancelled

    QSize screenTwips{1920 * 15, 1080 * 15};
    std::optional<QRect> availableTwips;  // none: the whole screen
    QList<QPair<QWidget*, int>> pointers;
    QList<int> screenPointers;

    int randomizeCalls = 0;
    QList<float> randomValues;  // drawn in order; 0.5 when exhausted

    QString appFolder = QStringLiteral("/opt/lexiparc");
    QString tempFolder = QStringLiteral("/tmp");
    int quitCalls = 0;

    QString readSetting(const QString& key) override { return settingsCanRead ? settings.value(key) : QString(); }
    bool writeSettings(const QList<QPair<QString, QString>>& values) override
    {
        if (!settingsCanWrite)
            return false;
        for (const auto& [key, value] : values) {
            settings[key] = value;
            settingWrites << key + u'=' + value;
        }
        return true;
    }
    bool settingsReadable() override { return settingsCanRead; }
    QString settingsLocation() override { return settingsPath; }
    int messageBox(QWidget*, const QString& text, const QString& title, Icon icon, Buttons buttons,
                   int defaultButton) override
    {
        messages.append({text, title, icon, buttons, defaultButton});
        if (onMessage)
            onMessage(messages.last());
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (buttons == Buttons::Ok)
            return Ok;
        return defaultAnswer;
    }
    bool openUrl(const QString& url) override
    {
        openedUrls << url;
        return openUrlResult;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        startedPrograms.append(QStringList{program} + arguments);
        return true;
    }
    QString findExecutable(const QString& file) override
    {
        executableQueries << file;
        return executableFound;
    }
    void clearClipboard() override
    {
        clipboard.clear();
        ++clipboardClears;
    }
    // Holds the text as the desktop's clipboard would.
    void setClipboardText(const QString& text) override { clipboard = desktopLineEnds(text); }
    bool otherInstanceRunning() override { return otherInstance; }
    void dragWindow(QWidget* window) override { dragged << window; }
    QColor chooseColor(QWidget*, const QColor& initial) override
    {
        colorDialogInitial << initial;
        return colorChosen ? *colorChosen : initial;
    }
    QSize screenSizeTwips() override { return screenTwips; }
    QRect availableAreaTwips() override { return availableTwips.value_or(QRect(QPoint(0, 0), screenTwips)); }
    void setPointer(QWidget* window, int pointer) override { pointers.append({window, pointer}); }
    void setScreenPointer(int pointer) override { screenPointers << pointer; }
    void randomize() override { ++randomizeCalls; }
    float rnd() override { return randomValues.isEmpty() ? 0.5f : randomValues.takeFirst(); }
    QString applicationFolder() override { return appFolder; }
    QString temporaryFolder() override { return tempFolder; }
    void quit() override { ++quitCalls; }

    // The last pointer set on a window (Default when none was).
    int lastPointer(QWidget* window) const
    {
        for (auto it = pointers.crbegin(); it != pointers.crend(); ++it)
            if (it->first == window)
                return it->second;
        return Default;
    }
};
