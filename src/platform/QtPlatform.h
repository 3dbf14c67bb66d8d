// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <memory>
#include <random>

class QCoreApplication;

// Installs Qt's own French texts (standard buttons, colour dialog, context menus) whatever
// the user's locale, from the catalogue "qtbase_fr" of `folder` (Qt's translations folder
// when empty). Returns false, and leaves Qt's English texts, when the catalogue is missing.
bool installQtFrenchTexts(QCoreApplication& app, const QString& folder = {});

// Gives every window of the program its logo as icon (title bars, system menus, the window
// manager's frame) in place of Qt's, and names the desktop entry that carries the same icon.
void installProgramIcon();

// The platform over Qt: a settings file in the user's XDG config folder, QMessageBox, GIO for
// the desktop's applications (fallback commands watched for their exit status), QClipboard,
// a lock file for the single instance, QWindow's system move.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    QString readSetting(const QString& key) override;
    bool writeSettings(const QList<QPair<QString, QString>>& values) override;
    bool settingsReadable() override;
    QString settingsLocation() override;
    int messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                   int defaultButton) override;
    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findExecutable(const QString& file) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    bool otherInstanceRunning() override;
    void dragWindow(QWidget* window) override;
    QColor chooseColor(QWidget* parent, const QColor& initial) override;
    QSize screenSizeTwips() override;
    QRect availableAreaTwips() override;
    void setPointer(QWidget* window, int pointer) override;
    void setScreenPointer(int pointer) override;
    void randomize() override;
    float rnd() override;
    QString applicationFolder() override;
    QString temporaryFolder() override;
    void quit() override;

private:
    // The settings file as read at the first use, updated by each write (none: unreadable).
    const std::optional<QByteArray>& settings();

    std::optional<std::optional<QByteArray>> settings_;
    std::unique_ptr<QLockFile> instanceLock_;
    std::optional<bool> otherInstance_;
    std::mt19937 random_{5489u};
    bool screenPointerSet_ = false;
};
