// Lexiparc — GPL-3.0-or-later.
#include "platform/QtPlatform.h"

#include "platform/DesktopApps.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdlib>

bool installQtFrenchTexts(QCoreApplication& app, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    const QString dir = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (!translator->load(QStringLiteral("qtbase_fr"), dir)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void installProgramIcon()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("lexiparc"));
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

namespace {
constexpr QStringView kSection = u"Options";
}

QString QtPlatform::settingsLocation()
{
    // ~/.config/LXPC.ini, or LXPC.ini in $XDG_CONFIG_HOME.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/LXPC.ini");
}

const std::optional<QByteArray>& QtPlatform::settings()
{
    if (!settings_)
        settings_ = ini::readFile(settingsLocation());
    return *settings_;
}

QString QtPlatform::readSetting(const QString& key)
{
    const std::optional<QByteArray>& text = settings();
    return text ? ini::value(*text, kSection, key).value_or(QString()) : QString();
}

bool QtPlatform::writeSettings(const QList<QPair<QString, QString>>& values)
{
    const QString path = settingsLocation();
    if (!ini::writeFile(path, kSection, values))
        return false;
    settings_ = ini::readFile(path);
    return true;
}

bool QtPlatform::settingsReadable()
{
    return settings().has_value();
}

int QtPlatform::messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                           int defaultButton)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // The box's own copy (Ctrl+C) gives the desktop's line ends too.
    box.setText(desktopLineEnds(text));
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QList<QPair<QMessageBox::StandardButton, int>> list;
    switch (buttons) {
    case Buttons::Ok: list = {{QMessageBox::Ok, Ok}}; break;
    case Buttons::OkCancel: list = {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}}; break;
    case Buttons::YesNo: list = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}}; break;
    case Buttons::YesNoCancel:
        list = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
        break;
    }
    QList<QAbstractButton*> made;
    for (const auto& b : list)
        made << box.addButton(b.first);
    if (defaultButton >= 1 && defaultButton <= made.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(made[defaultButton - 1]));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (int i = 0; i < made.size(); ++i)
        if (made[i] == clicked)
            return list[i].second;
    // Closed by Escape or the window's close box.
    return buttons == Buttons::YesNo ? No : (buttons == Buttons::Ok ? Ok : Cancel);
}

namespace {
// How long a program started without a desktop entry is watched for a failure: the
// fallback commands that find no handler end within it with a status that says so.
constexpr int kAttenteLancement = 3000;

// The commands that open a web page or a file, in the order they are tried, when the desktop
// names no application; for any other address, xdg-open only.
QString commandeDeSecours(bool web)
{
    static const char* const web_[] = {"x-www-browser", "sensible-browser", "xdg-open"};
    static const char* const autre[] = {"xdg-open"};
    const auto essaie = [](const auto& noms) {
        for (const char* name : noms) {
            const QString p = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!p.isEmpty())
                return p;
        }
        return QString();
    };
    return web ? essaie(web_) : essaie(autre);
}
}

bool QtPlatform::openUrl(const QString& url)
{
    // The application the desktop names for the address's scheme, else a fallback command;
    // either way the answer says whether it could be started.
    const QUrl adresse(url, QUrl::TolerantMode);
    const QString scheme = adresse.scheme().toLower();
    const QString encodee = QString::fromLatin1(adresse.toEncoded());
    if (scheme.isEmpty())
        return false;
    const QString application = desktopapps::defaultApplication(QStringLiteral("x-scheme-handler/") + scheme);
    if (!application.isEmpty())
        return desktopapps::launch(application, {encodee});
    const QString commande = commandeDeSecours(scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    return !commande.isEmpty() && desktopapps::startWatched(commande, {encodee}, kAttenteLancement);
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments)
{
    if (program.endsWith(QLatin1String(".desktop")))
        return desktopapps::launch(program, arguments);
    return desktopapps::startWatched(program, arguments, kAttenteLancement);
}

QString QtPlatform::findExecutable(const QString& file)
{
    if (!QFileInfo::exists(file))
        return {};
    const QString mime = QMimeDatabase().mimeTypeForFile(file).name();
    const QString application = desktopapps::defaultApplication(mime);
    if (!application.isEmpty())
        return application;
    return mime == QLatin1String("text/html") ? commandeDeSecours(true) : QString();
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(desktopLineEnds(text));
}

bool QtPlatform::otherInstanceRunning()
{
    if (!otherInstance_) {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        instanceLock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/lexiparc.lock"));
        instanceLock_->setStaleLockTime(0);
        // A lock we cannot take because another process holds it means another instance;
        // a folder we cannot write in does not stop the program.
        const bool locked = instanceLock_->tryLock(0);
        otherInstance_ = !locked && instanceLock_->error() == QLockFile::LockFailedError;
    }
    return *otherInstance_;
}

namespace {
// Moves a child window of the main frame with the mouse until a button is released.
class DeplacementSousFenetre : public QObject {
public:
    explicit DeplacementSousFenetre(QMdiSubWindow* frame)
        : frame_(frame), depart_(QCursor::pos()), origine_(frame->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && frame_) {
            const QPoint ici = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            frame_->move(origine_ + (ici - depart_));
        } else if (event->type() == QEvent::MouseButtonRelease || !frame_) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QMdiSubWindow> frame_;
    QPoint depart_;
    QPoint origine_;
};
}

void QtPlatform::dragWindow(QWidget* window)
{
    if (!window)
        return;
    // A child window of the main frame is not a system window: it follows the mouse itself.
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            new DeplacementSousFenetre(sub);
            return;
        }
    if (QWindow* handle = window->window()->windowHandle())
        handle->startSystemMove();
}

QColor QtPlatform::chooseColor(QWidget* parent, const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    return c.isValid() ? c : initial;
}

QSize QtPlatform::screenSizeTwips()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(1280, 1024);
    return {px.width() * 15, px.height() * 15};
}

QRect QtPlatform::availableAreaTwips()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect px = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    return {px.x() * 15, px.y() * 15, px.width() * 15, px.height() * 15};
}

namespace {
Qt::CursorShape cursorFor(int pointer)
{
    return pointer == Platform::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor;
}
}

void QtPlatform::setPointer(QWidget* window, int pointer)
{
    if (!window)
        return;
    if (pointer == Default)
        window->unsetCursor();
    else
        window->setCursor(cursorFor(pointer));
}

void QtPlatform::setScreenPointer(int pointer)
{
    if (screenPointerSet_) {
        QApplication::restoreOverrideCursor();
        screenPointerSet_ = false;
    }
    if (pointer != Default) {
        QApplication::setOverrideCursor(cursorFor(pointer));
        screenPointerSet_ = true;
    }
}

void QtPlatform::randomize()
{
    random_.seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

float QtPlatform::rnd()
{
    return std::uniform_real_distribution<float>(0.0f, 1.0f)(random_) * 0.99999994f;
}

QString QtPlatform::applicationFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::temporaryFolder()
{
    return QDir::tempPath();
}

void QtPlatform::quit()
{
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
    else
        std::exit(0);
}
