// Lexiparc — GPL-3.0-or-later.
// GIO first: its headers use names that Qt defines as macros.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "platform/DesktopApps.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <memory>

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

}
