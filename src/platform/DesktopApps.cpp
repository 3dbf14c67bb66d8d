// Lexiparc — GPL-3.0-or-later.
// GIO first: its headers use names that Qt defines as macros.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "platform/DesktopApps.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace desktopapps {

namespace {
template <typename T>
struct Unref {
    void operator()(T* p) const { g_object_unref(p); }
};
template <typename T>
using GPtr = std::unique_ptr<T, Unref<T>>;

bool isLocalPath(const QString& address)
{
    return QDir::isAbsolutePath(address);
}
}

QString defaultApplication(const QString& mimeType)
{
    const QByteArray type = mimeType.toUtf8();
    GPtr<GAppInfo> app(g_app_info_get_default_for_type(type.constData(), FALSE));
    if (!app || !G_IS_DESKTOP_APP_INFO(app.get()))
        return {};
    const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(app.get()));
    return file ? QString::fromLocal8Bit(file) : QString();
}

bool launch(const QString& desktopEntry, const QStringList& addresses)
{
    const QByteArray entry = QFile::encodeName(desktopEntry);
    GPtr<GDesktopAppInfo> desktop(g_desktop_app_info_new_from_filename(entry.constData()));
    if (!desktop)
        return false;
    GAppInfo* app = G_APP_INFO(desktop.get());
    bool allLocal = true;
    for (const QString& a : addresses)
        allLocal = allLocal && isLocalPath(a);
    if (!addresses.isEmpty() && !g_app_info_supports_uris(app) && !(allLocal && g_app_info_supports_files(app)))
        return false;

    QList<QByteArray> uris;
    for (const QString& a : addresses)
        uris << (isLocalPath(a) ? QUrl::fromLocalFile(a).toEncoded() : a.toUtf8());
    GList* list = nullptr;
    for (QByteArray& u : uris)
        list = g_list_append(list, u.data());
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(app, list, nullptr, &error);
    g_list_free(list);
    if (error)
        g_error_free(error);
    return started;
}

bool startWatched(const QString& program, const QStringList& arguments, int waitMs)
{
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return false;
    QList<QByteArray> texts{QFile::encodeName(path)};
    for (const QString& a : arguments)
        texts << a.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& t : texts)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;

    QElapsedTimer clock;
    clock.start();
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (ended < 0 && errno != EINTR)
            return true;  // collected elsewhere: nothing says it failed
        if (clock.elapsed() >= waitMs)
            break;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}
