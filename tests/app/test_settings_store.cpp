// Lexiparc — GPL-3.0-or-later.
// The settings as the program keeps them on disk: the real store in a temporary configuration
// folder, read at start and written by the first start and by the options window, with hand-
// edited, damaged and unwritable files checked byte for byte afterwards.
#include "app/Frm01Boot.h"
#include "app/Frm04Options.h"
#include "app/MDI.h"
#include "platform/FakePlatform.h"
#include "platform/IniFile.h"
#include "platform/QtPlatform.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Message boxes and the rest recorded, the settings in the real store.
class StorePlatform : public FakePlatform {
public:
    QtPlatform store;
    QString readSetting(const QString& key) override { return store.readSetting(key); }
    bool writeSettings(const QList<QPair<QString, QString>>& values) override { return store.writeSettings(values); }
    bool settingsReadable() override { return store.settingsReadable(); }
    QString settingsLocation() override { return store.settingsLocation(); }
};

// The immutable attribute: what even root cannot change, delete or create entries in.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// A file-size limit of a few bytes: writing a file fails as on a full disk.
struct DiskFull {
    rlimit old{};
    bool on = false;
    void start()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tiny{8, old.rlim_max};
        on = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    void stop()
    {
        if (on)
            setrlimit(RLIMIT_FSIZE, &old);
        on = false;
    }
    ~DiskFull() { stop(); }
};

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

const QByteArray kDefaults("[Options]\nChargeAnag=1\nChargeSyno=1\nCouleurMDI=&HFFFFFF\nCouleurBar=&HE0E0E0\n");
const QByteArray kHandEdited("; mes réglages\r\n[General]\r\nChargeAnag=1\r\n\r\n[Options]\r\nChargeAnag=1,0\r\n"
                             "chargesyno = 1 \r\nCouleurMDI=&H00FF00\r\nCouleurBar=\"255\"\r\n\r\n[Autre]\r\nX=a,b");
}

class TestSettingsStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString config_;  // the configuration folder
    QString file_;    // the settings file in it
    QString target_;  // where the bytes checked afterwards are
    struct {
        QString path;
        bool set = false;
    } immutable_;
    DiskFull full_;
    Module module_;
    WordData words_;
    std::unique_ptr<StorePlatform> platform_;
    std::unique_ptr<AppContext> ctx_;

    // A new program: a new platform, nothing read yet.
    void newProgram()
    {
        module_ = Module{};
        platform_ = std::make_unique<StorePlatform>();
        ctx_ = std::make_unique<AppContext>(AppContext{module_, words_, *platform_});
    }

    // The start screen up to its settings timer.
    void start()
    {
        Frm01Boot boot(*ctx_);
        boot.setAttribute(Qt::WA_DeleteOnClose, false);
        boot.montreChargement = {};
        boot.TimReg_Timer();
    }

    // Puts the configuration folder in the state a row names. False when this machine cannot.
    bool prepared(const QString& state, const QByteArray& content)
    {
        prepare(state, content);
        return !QTest::currentTestFailed() && (!state.startsWith(u"immutable") || immutable_.set);
    }
    void prepare(const QString& state, const QByteArray& content)
    {
        target_ = file_;
        if (state == u"file" || state == u"immutable file" || state == u"disk full") {
            put(file_, content);
        } else if (state == u"directory") {
            QVERIFY(QDir().mkpath(file_));
        } else if (state == u"folder is a file") {
            put(config_, content);
            target_ = config_;
        } else if (state == u"link to a device") {
            QVERIFY(QDir().mkpath(config_));
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), file_));
        } else if (state == u"link to a file" || state == u"dangling link") {
            target_ = dir_->path() + QStringLiteral("/ailleurs/mes-options.ini");
            if (state == u"link to a file")
                put(target_, content);
            QVERIFY(QDir().mkpath(config_));
            QVERIFY(QFile::link(target_, file_));
        } else if (state == u"link loop") {
            QVERIFY(QDir().mkpath(config_));
            QVERIFY(QFile::link(file_, dir_->path() + QStringLiteral("/boucle")));
            QVERIFY(QFile::link(dir_->path() + QStringLiteral("/boucle"), file_));
        } else if (state == u"too big") {
            put(file_, QByteArray(ini::kMaxSize, ';') + content);
        } else if (state == u"immutable folder") {
            QVERIFY(QDir().mkpath(config_));
        } else {
            QVERIFY(state == u"absent");
        }
        if (state.startsWith(u"immutable")) {
            immutable_.path = state == u"immutable file" ? file_ : config_;
            immutable_.set = setImmutable(immutable_.path, true);
        }
    }

    // What is there afterwards: the same kind of thing, the bytes expected, nothing left over.
    void check(const QString& state, const QByteArray& after)
    {
        if (state == u"directory") {
            QVERIFY(QFileInfo(file_).isDir());
            QVERIFY(QDir(file_).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
        } else if (state == u"link to a device") {
            QCOMPARE(QFileInfo(file_).symLinkTarget(), QStringLiteral("/dev/full"));
            struct stat st {};
            QCOMPARE(::stat("/dev/full", &st), 0);
            QVERIFY(S_ISCHR(st.st_mode));
        } else if (state == u"link loop") {
            QVERIFY(QFileInfo(file_).isSymLink());
        } else if (state == u"too big") {
            QCOMPARE(contents(target_), QByteArray(ini::kMaxSize, ';') + after);
        } else if (state == u"immutable folder") {
            QVERIFY(!QFileInfo::exists(file_));
        } else {
            QCOMPARE(contents(target_), after);
            if (state.contains(u"link"))
                QCOMPARE(QFileInfo(file_).symLinkTarget(), target_);
        }
        // No half-written copy stays behind.
        if (QFileInfo(config_).isDir() && state != u"immutable folder")
            QCOMPARE(QDir(config_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("LXPC.ini")});
    }

    void checkMessage(const QString& message)
    {
        const QString texts[] = {{},
                                 QStringLiteral("Les options n'ont pas pu être lues dans le fichier\r\n") + file_ +
                                     QStringLiteral("\r\nLes options par défaut sont utilisées."),
                                 QStringLiteral("Les options n'ont pas pu être enregistrées dans le fichier\r\n") +
                                     file_ +
                                     QStringLiteral("\r\nElles restent en vigueur jusqu'à la fermeture du programme.")};
        const QString& expected = texts[message == u"read" ? 1 : message == u"write" ? 2 : 0];
        if (expected.isEmpty()) {
            QCOMPARE(platform_->messages.size(), 0);
            return;
        }
        QCOMPARE(platform_->messages.size(), 1);
        QCOMPARE(platform_->messages[0].text, expected);
        QCOMPARE(platform_->messages[0].title, QStringLiteral("Lexiparc"));
        QCOMPARE(platform_->messages[0].icon, Platform::Icon::Exclamation);
        QCOMPARE(platform_->messages[0].buttons, Platform::Buttons::Ok);
        QCOMPARE(module_.MsgTexte, expected);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        config_ = dir_->path() + QStringLiteral("/config");
        file_ = config_ + QStringLiteral("/LXPC.ini");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
        newProgram();
    }
    void cleanup()
    {
        full_.stop();
        if (immutable_.set)
            setImmutable(immutable_.path, false);
        immutable_ = {};
        ctx_.reset();
        platform_.reset();
        dir_.reset();
    }

    // The first start writes the defaults; the options window's save changes them; the next
    // start reads what was saved.
    void roundTrip()
    {
        QCOMPARE(platform_->settingsLocation(), file_);
        start();
        QCOMPARE(contents(file_), kDefaults);
        QVERIFY(platform_->messages.isEmpty());
        // A file the user made private stays private once rewritten.
        const QFile::Permissions privateFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                               QFile::WriteUser;
        QVERIFY(QFile::setPermissions(file_, privateFile));

        {
            MDI mdi(*ctx_);
            mdi.show();
            auto* opt = qobject_cast<Frm04Options*>(mdi.OuvreOutil(FabriqueFrm04Options));
            QVERIFY(opt);
            opt->Chk1->click();
            platform_->colorChosen = QColor(0x12, 0x34, 0x56);
            opt->chameleonButton1->click();
            opt->CmdEnregistre->click();
        }
        QCOMPARE(contents(file_),
                 QByteArray("[Options]\nChargeAnag=0\nChargeSyno=1\nCouleurMDI=&HFFFFFF\nCouleurBar=5649426\n"));
        QCOMPARE(QFile::permissions(file_), privateFile);

        newProgram();
        start();
        QCOMPARE(int(module_.OptChargeAnag), 0);
        QCOMPARE(int(module_.OptChargeSyno), 1);
        QCOMPARE(module_.OptCouleurMDI, QStringLiteral("&HFFFFFF"));
        QCOMPARE(module_.OptCouleurBar, QStringLiteral("5649426"));
        QVERIFY(platform_->messages.isEmpty());
    }

    void startWith_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("anag");
        QTest::addColumn<int>("syno");
        QTest::addColumn<QString>("mdi");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("message");  // none, read or write
        QTest::addColumn<QByteArray>("after");
        const QString white = QStringLiteral("&HFFFFFF"), grey = QStringLiteral("&HE0E0E0");
        const QByteArray firstRun("; à moi\n[Options]\nChargeAnag=\nCouleurMDI=255\n");
        const QByteArray firstRunDone("; à moi\n[Options]\nChargeAnag=1\nCouleurMDI=&HFFFFFF\nChargeSyno=1\n"
                                      "CouleurBar=&HE0E0E0\n");

        QTest::newRow("hand-edited file is read as it stands") << "file" << kHandEdited << 0 << 1 << "&H00FF00"
                                                               << "\"255\""
                                                               << "none" << kHandEdited;
        QTest::newRow("hexadecimal and octal load options")
            << "file" << QByteArray("[Options]\nChargeAnag=&H1\nChargeSyno=&o1&\nCouleurMDI=&O777\n") << 1 << 1
            << "&O777"
            << ""
            << "none" << QByteArray("[Options]\nChargeAnag=&H1\nChargeSyno=&o1&\nCouleurMDI=&O777\n");
        QTest::newRow("decimals and exponents")
            << "file" << QByteArray("[Options]\nChargeAnag=0.6\nChargeSyno=1e0") << 1 << 1 << ""
            << ""
            << "none" << QByteArray("[Options]\nChargeAnag=0.6\nChargeSyno=1e0");
        QTest::newRow("absent: first run")
            << "absent" << QByteArray() << 1 << 1 << white << grey << "none" << kDefaults;
        QTest::newRow("empty load option: first run, the rest kept")
            << "file" << firstRun << 1 << 1 << white << grey << "none" << firstRunDone;
        QTest::newRow("damaged file: section added")
            << "file" << QByteArray("\0\xFF\xFEjunk", 7) << 1 << 1 << white << grey << "none"
            << QByteArray("\0\xFF\xFEjunk\n\n", 9) + kDefaults;
        QTest::newRow("link to a file elsewhere")
            << "link to a file" << QByteArray("[Options]\nChargeAnag=1\nChargeSyno=0\n") << 1 << 0 << ""
            << ""
            << "none" << QByteArray("[Options]\nChargeAnag=1\nChargeSyno=0\n");
        QTest::newRow("dangling link: target created")
            << "dangling link" << QByteArray() << 1 << 1 << white << grey << "none" << kDefaults;
        QTest::newRow("directory in place of the file")
            << "directory" << QByteArray() << 1 << 1 << white << grey << "read" << QByteArray();
        QTest::newRow("link to a device")
            << "link to a device" << QByteArray() << 1 << 1 << white << grey << "read" << QByteArray();
        QTest::newRow("link loop") << "link loop" << QByteArray() << 1 << 1 << white << grey << "read" << QByteArray();
        QTest::newRow("too big to be settings") << "too big" << QByteArray("\n[Options]\nChargeAnag=0\n") << 1 << 1
                                                << white << grey << "read" << QByteArray("\n[Options]\nChargeAnag=0\n");
        QTest::newRow("configuration folder is a file") << "folder is a file" << QByteArray("pas un dossier") << 1 << 1
                                                        << white << grey << "write" << QByteArray("pas un dossier");
        QTest::newRow("read-only folder")
            << "immutable folder" << QByteArray() << 1 << 1 << white << grey << "write" << QByteArray();
        QTest::newRow("read-only file") << "immutable file" << firstRun << 1 << 1 << white << grey << "write"
                                        << firstRun;
        QTest::newRow("disk full") << "disk full" << firstRun << 1 << 1 << white << grey << "write" << firstRun;
    }
    void startWith()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, content);
        QFETCH(int, anag);
        QFETCH(int, syno);
        QFETCH(QString, mdi);
        QFETCH(QString, bar);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        if (!prepared(state, content))
            QSKIP("the immutable attribute cannot be set here");
        if (state == u"disk full")
            full_.start();
        start();
        full_.stop();
        QCOMPARE(int(module_.OptChargeAnag), anag);
        QCOMPARE(int(module_.OptChargeSyno), syno);
        QCOMPARE(module_.OptCouleurMDI, mdi);
        QCOMPARE(module_.OptCouleurBar, bar);
        checkMessage(message);
        check(state, after);
    }

    // Saving from the options window: the keys' lines change and nothing else; when the file
    // cannot be written the user is told, the window closes and the options hold for the run.
    void save_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        const QByteArray saved("; mes réglages\r\n[General]\r\nChargeAnag=1\r\n\r\n[Options]\r\nChargeAnag=1\r\n"
                               "ChargeSyno=0\r\nCouleurMDI=5649426\r\nCouleurBar=\"255\"\r\n\r\n[Autre]\r\nX=a,b");
        QTest::newRow("hand-edited file") << "file" << kHandEdited << "none" << saved;
        QTest::newRow("link to a file elsewhere") << "link to a file" << kHandEdited << "none" << saved;
        QTest::newRow("directory in place of the file") << "directory" << QByteArray() << "write" << QByteArray();
        QTest::newRow("link to a device") << "link to a device" << QByteArray() << "write" << QByteArray();
        QTest::newRow("read-only file") << "immutable file" << kHandEdited << "write" << kHandEdited;
        QTest::newRow("disk full") << "disk full" << kHandEdited << "write" << kHandEdited;
    }
    void save()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        if (!prepared(state, content))
            QSKIP("the immutable attribute cannot be set here");
        start();
        platform_->messages.clear();

        MDI mdi(*ctx_);
        mdi.show();
        QPointer<Frm04Options> opt = qobject_cast<Frm04Options*>(mdi.OuvreOutil(FabriqueFrm04Options));
        QVERIFY(opt);
        opt->Chk1->setChecked(true);
        opt->Chk2->setChecked(false);
        platform_->colorChosen = QColor(0x12, 0x34, 0x56);
        opt->CmdCoulFenetre->click();
        if (state == u"disk full")
            full_.start();
        opt->CmdEnregistre->click();
        full_.stop();
        QTRY_VERIFY(!opt || !opt->isVisible());
        QCOMPARE(int(module_.OptChargeAnag), 1);
        QCOMPARE(int(module_.OptChargeSyno), 0);
        QCOMPARE(module_.OptCouleurMDI, QStringLiteral("5649426"));
        checkMessage(message);
        check(state, after);
    }
};

QTEST_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
