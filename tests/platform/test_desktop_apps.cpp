// Lexiparc — GPL-3.0-or-later.
// Starting the desktop's applications by their desktop entries, on entries written here whose
// program is a small script that records the arguments it receives: no real browser starts.
#include "platform/DesktopApps.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kAdresse = QStringLiteral("https://www.example.org/maps/dir//%20%20+%20%2046.2%20%20+%20%20,%20%205.2");

// The user's folders of this run, set before anything reads the desktop's applications.
QTemporaryDir* gDossierUtilisateur = nullptr;

void ecrit(const QString& chemin, const QByteArray& texte)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size())
        qFatal("cannot write %s", qPrintable(chemin));
}

// A script that writes its arguments, one a line, to "argv" beside it, all at once.
QString ecritEnregistreur(const QString& dossier)
{
    const QString script = dossier + QStringLiteral("/un dossier/enregistre.sh");
    ecrit(script, "#!/bin/sh\n"
                  "out=\"$(dirname \"$0\")/argv\"\n"
                  "printf '%s\\n' \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

QString ecritEntree(const QString& chemin, const QString& exec)
{
    ecrit(chemin, "[Desktop Entry]\nType=Application\nName=Navigateur d'essai\nMimeType=text/html;\nExec=" +
                      exec.toUtf8() + "\n");
    return chemin;
}

// The arguments the script received, once it has run.
QStringList argumentsRecus(const QString& script)
{
    QFile f(QFileInfo(script).absolutePath() + QStringLiteral("/argv"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lignes = QString::fromUtf8(f.readAll()).split(u'\n');
    lignes.removeLast();
    return lignes;
}
}

class TestDesktopApps : public QObject {
    Q_OBJECT

private slots:
    // The Exec line: wrappers and their options, quoting and escapes, the field codes.
    // "@S" stands for the script's quoted path; the address is a web address unless it is
    // "@F", a local file.
    void launch_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("arguments");
        const QString page = QStringLiteral("@F");
        QTest::newRow("wrapper, %u") << "env LEXIPARC_ESSAI=1 @S --new-window %u" << kAdresse << true
                                     << QStringList{"--new-window", kAdresse};
        QTest::newRow("sandbox wrapper")
            << "@S run --branch=stable --file-forwarding org.example.Nav @@u %u @@" << kAdresse << true
            << QStringList{"run", "--branch=stable", "--file-forwarding", "org.example.Nav", "@@u", kAdresse, "@@"};
        // In the file: \\ is one backslash; inside quotes \" and \\ are a quote and a backslash.
        QTest::newRow("quotes and escapes")
            << "@S \"un  deux\" \"guillemet \\\\\" dedans\" \"a\\\\\\\\b\" 100%% %U" << kAdresse << true
            << QStringList{"un  deux", "guillemet \" dedans", "a\\b", "100%", kAdresse};
        QTest::newRow("%f, local file") << "@S --file %f" << page << true << QStringList{"--file", "@F"};
        QTest::newRow("%f, web address") << "@S %f" << kAdresse << false << QStringList{};
        QTest::newRow("no field code") << "@S --home" << kAdresse << false << QStringList{};
        QTest::newRow("missing program") << "/nonexistent/navigateur %u" << kAdresse << false << QStringList{};
    }
    void launch()
    {
        QFETCH(QString, exec);
        QFETCH(QString, address);
        QFETCH(bool, started);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QString script = ecritEnregistreur(dir.path());
        const QString fichier = dir.filePath(QStringLiteral("page.HTM"));
        ecrit(fichier, "<HTML> <\\HTML>\r\n");
        exec.replace(QStringLiteral("@S"), u'"' + script + u'"');
        address.replace(QStringLiteral("@F"), fichier);
        arguments.replaceInStrings(QStringLiteral("@F"), fichier);
        const QString entree = ecritEntree(dir.filePath(QStringLiteral("essai.desktop")), exec);

        QCOMPARE(desktopapps::launch(entree, {address}), started);
        if (started)
            QTRY_COMPARE(argumentsRecus(script), arguments);
        else
            QVERIFY(!QFile::exists(QFileInfo(script).absolutePath() + QStringLiteral("/argv")));
    }

    // A program started without a desktop entry answers by its exit status, when it ends
    // within the wait; one still running then is taken as started.
    void startWatched_data()
    {
        QTest::addColumn<QByteArray>("body");  // of the script; empty: no such program
        QTest::addColumn<int>("argumentSize");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<bool>("started");
        QTest::newRow("ends with 0") << QByteArray("exit 0") << 10 << 60000 << true;
        QTest::newRow("ends with 3") << QByteArray("exit 3") << 10 << 60000 << false;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << 10 << 60000 << false;
        QTest::newRow("still running") << QByteArray("sleep 2") << 10 << 100 << true;
        QTest::newRow("missing program") << QByteArray() << 10 << 60000 << false;
        QTest::newRow("argument too long for the system") << QByteArray("exit 0") << 200000 << 60000 << false;
    }
    void startWatched()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, argumentSize);
        QFETCH(int, waitMs);
        QFETCH(bool, started);
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("programme"));
        if (!body.isEmpty()) {
            ecrit(script, "#!/bin/sh\n" + body + "\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        }
        QCOMPARE(desktopapps::startWatched(script, {QString(argumentSize, u'a')}, waitMs), started);
    }

    // Addresses: the desktop's handler of the scheme, else xdg-open, which fails when it finds
    // no handler; a program given by the map button is watched the same way.
    void openUrlAndFallback()
    {
        QtPlatform platform;
        const QString mail = QStringLiteral("mailto:contact@lexiparc.fr?Subject=Essai&Body=Un%0D%0ADeux");
        QVERIFY(platform.openUrl(mail));
        QTRY_COMPARE(argumentsRecus(gDossierUtilisateur->filePath(QStringLiteral("courrier/un dossier/enregistre.sh"))),
                     (QStringList{"--compose", mail}));

        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString adresse = QStringLiteral("x-lexiparc-essai://page");
        QVERIFY(!platform.openUrl(adresse));  // no handler and no fallback
        const QString secours = bin.filePath(QStringLiteral("xdg-open"));
        ecrit(secours, "#!/bin/sh\nexit 3\n");
        QFile::setPermissions(secours, QFile::ReadOwner | QFile::ExeOwner);
        const bool echec = platform.openUrl(adresse);
        const bool programme = platform.startProgram(secours, {adresse});
        ecrit(secours, "#!/bin/sh\nexit 0\n");
        const bool succes = platform.openUrl(adresse);
        qputenv("PATH", path);
        QVERIFY(!echec && !programme);
        QVERIFY(succes);
    }

    void unreadableEntry()
    {
        QTemporaryDir dir;
        QVERIFY(!desktopapps::launch(dir.filePath(QStringLiteral("absent.desktop")), {kAdresse}));
        const QString vide = dir.filePath(QStringLiteral("vide.desktop"));
        ecrit(vide, "not a desktop entry\n");
        QVERIFY(!desktopapps::launch(vide, {kAdresse}));
    }

    // The HTML file's default application, as the user's mimeapps.list names it, started by
    // the platform on an address.
    void defaultBrowserThroughPlatform()
    {
        const QString racine = gDossierUtilisateur->path();
        const QString script = racine + QStringLiteral("/un dossier/enregistre.sh");
        const QString entree = racine + QStringLiteral("/data/applications/lexiparc-essai.desktop");
        QTemporaryDir dir;
        const QString fichier = dir.filePath(QStringLiteral("Navigateur-abc.HTM"));
        ecrit(fichier, "<HTML> <\\HTML>\r\n");

        QtPlatform platform;
        QCOMPARE(desktopapps::defaultApplication(QStringLiteral("text/html")), entree);
        const QString programme = platform.findExecutable(fichier);
        QCOMPARE(programme, entree);
        QVERIFY(platform.startProgram(programme, {kAdresse}));
        QTRY_COMPARE(argumentsRecus(script), (QStringList{"--new-tab", kAdresse}));
        QCOMPARE(platform.findExecutable(dir.filePath(QStringLiteral("absent.HTM"))), QString());
        QCOMPARE(desktopapps::defaultApplication(QStringLiteral("application/x-lexiparc-essai")), QString());
    }
};

int main(int argc, char** argv)
{
    // The desktop's application folders are read once, on first use: point them here and
    // write the default browser's entry first, keeping the system's data folders after ours
    // for the file types.
    QTemporaryDir racine;
    gDossierUtilisateur = &racine;
    ecrit(racine.filePath(QStringLiteral("config/mimeapps.list")),
          "[Default Applications]\ntext/html=lexiparc-essai.desktop\n"
          "x-scheme-handler/mailto=lexiparc-courrier.desktop\n");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(racine.filePath(QStringLiteral("config"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(racine.filePath(QStringLiteral("config-system"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(racine.filePath(QStringLiteral("data"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(racine.filePath(QStringLiteral("data-system"))) + ":/usr/share");
    qunsetenv("XDG_CURRENT_DESKTOP");
    const QString script = ecritEnregistreur(racine.path());
    ecritEntree(racine.filePath(QStringLiteral("data/applications/lexiparc-essai.desktop")),
                u'"' + script + QStringLiteral("\" --new-tab %u"));
    const QString courrier = ecritEnregistreur(racine.filePath(QStringLiteral("courrier")));
    ecrit(racine.filePath(QStringLiteral("data/applications/lexiparc-courrier.desktop")),
          "[Desktop Entry]\nType=Application\nName=Courrier d'essai\nMimeType=x-scheme-handler/mailto;\nExec=\"" +
              courrier.toUtf8() + "\" --compose %u\n");
    QApplication app(argc, argv);
    TestDesktopApps t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_desktop_apps.moc"
