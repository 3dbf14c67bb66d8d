// Lexiparc — GPL-3.0-or-later.
// The desktop platform's own dialogs speak French: the standard buttons of its message boxes,
// the quit question of the main frame and the colour dialog. A missing catalogue changes
// nothing else.
#include "app/MDI.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// What a modal dialog showed, read from inside its exec.
struct Seen {
    QString title;
    QString text;
    QStringList buttons;  // sorted, mnemonics removed (their order is the desktop style's)
};

QString plain(QString s)
{
    return s.remove(u'&');
}

// Reads the next modal dialog once it is open, then presses its button `press` (by its
// plain text) or, when no such button exists, closes it.
void answerNextModal(Seen& seen, const QString& press)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, press] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        seen.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << plain(b->text());
            seen.buttons.sort();
        }
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (plain(b->text()) == press) {
                b->click();
                return;
            }
        modal->close();
    });
    timer->start();
}
}

class TestQtPlatform : public QObject {
    Q_OBJECT
    QtPlatform desktop_;
    Platform& platform_ = desktop_;  // through the interface, as the windows call it

private slots:
    // Runs first, before any catalogue is installed.
    void missingCatalogue()
    {
        QTemporaryDir empty;
        static QStringList said;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& m) { said << m; });
        const bool installed = installQtFrenchTexts(*qApp, empty.path());
        qInstallMessageHandler(previous);
        QVERIFY(!installed);
        QCOMPARE(said, QStringList());
        Seen seen;
        answerNextModal(seen, QStringLiteral("No"));
        const int answer = platform_.messageBox(nullptr, QStringLiteral("Texte"), QStringLiteral("Lexiparc"),
                                                Platform::Icon::None, Platform::Buttons::YesNo);
        QCOMPARE(seen.buttons, QStringList({QStringLiteral("No"), QStringLiteral("Yes")}));
        QCOMPARE(answer, int(Platform::No));
    }

    void installsFrench() { QVERIFY(installQtFrenchTexts(*qApp)); }

    void messageBoxButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        const auto ok = int(Platform::Buttons::Ok), okCancel = int(Platform::Buttons::OkCancel),
                   yesNo = int(Platform::Buttons::YesNo), yesNoCancel = int(Platform::Buttons::YesNoCancel);
        const QStringList t1{"OK"}, t2{"Annuler", "OK"}, t3{"Non", "Oui"}, t4{"Annuler", "Non", "Oui"};
        QTest::newRow("OK") << ok << t1 << "OK" << int(Platform::Ok);
        QTest::newRow("OK of OK/Cancel") << okCancel << t2 << "OK" << int(Platform::Ok);
        QTest::newRow("Cancel of OK/Cancel") << okCancel << t2 << "Annuler" << int(Platform::Cancel);
        QTest::newRow("Yes of Yes/No") << yesNo << t3 << "Oui" << int(Platform::Yes);
        QTest::newRow("No of Yes/No") << yesNo << t3 << "Non" << int(Platform::No);
        QTest::newRow("closed Yes/No") << yesNo << t3 << "" << int(Platform::No);
        QTest::newRow("No of Yes/No/Cancel") << yesNoCancel << t4 << "Non" << int(Platform::No);
        QTest::newRow("Cancel of Yes/No/Cancel") << yesNoCancel << t4 << "Annuler" << int(Platform::Cancel);
    }
    void messageBoxButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, texts);
        QFETCH(QString, press);
        QFETCH(int, answer);
        Seen seen;
        answerNextModal(seen, press);
        const int got = platform_.messageBox(nullptr, QStringLiteral("Caractère non valide."),
                                             QStringLiteral("Lexiparc"), Platform::Icon::Information,
                                             Platform::Buttons(buttons));
        QCOMPARE(seen.title, QStringLiteral("Lexiparc"));
        QCOMPARE(seen.text, QStringLiteral("Caractère non valide."));
        QCOMPARE(seen.buttons, texts);
        QCOMPARE(got, answer);
    }

    // The quit question of the main frame, answered No: the program goes on.
    // The clipboard gets the desktop's line ends, whatever the program's texts use.
    void clipboardLineEnds()
    {
        QtPlatform p;
        p.setClipboardText(QStringLiteral("CHAT: (nom) félin.\r\nExtrait\rfin\n"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("CHAT: (nom) félin.\nExtrait\nfin\n"));
    }

    void quitQuestion()
    {
        Module module;
        module.MsgTitre = QStringLiteral("Lexiparc");
        WordData words;
        AppContext ctx{module, words, platform_};
        MDI mdi(ctx);
        mdi.show();
        Seen seen;
        answerNextModal(seen, QStringLiteral("Non"));
        mdi.CmdQ->click();
        QCOMPARE(seen.text, QStringLiteral("               Quitter le programme ?"));
        QCOMPARE(seen.buttons, QStringList({QStringLiteral("Non"), QStringLiteral("Oui")}));
        QCOMPARE(module.MsgReponse, int(Platform::No));
        QVERIFY(mdi.isVisible());
    }

    // Every window shows the program's logo, the tool windows inside the frame included; no
    // window is left with Qt's own icon.
    void programIcon()
    {
        installProgramIcon();
        const auto image = [](const QIcon& icon) { return icon.pixmap(128, 128).toImage(); };
        const QImage logo = image(QIcon(QStringLiteral(":/images/logo.png")));
        QVERIFY(!logo.isNull());
        const auto shows = [&](const QIcon& icon) { return image(icon) == logo; };
        QVERIFY(shows(QApplication::windowIcon()));
        Module module;
        WordData words;
        AppContext ctx{module, words, platform_};
        MDI mdi(ctx);
        mdi.show();
        QVERIFY(shows(mdi.windowIcon()));
        QMdiSubWindow* sub = mdi.ajouteFenetre(new QWidget);
        QVERIFY(shows(sub->windowIcon()));
        QVERIFY(shows(QMessageBox().windowIcon()));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("lexiparc"));
    }

    // The colour dialog is French; cancelling it gives the initial colour back.
    void colourDialog()
    {
        Seen seen;
        QStringList labels;
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
                timer->stop();
                for (QWidget* w : dialog->findChildren<QWidget*>())
                    if (const QVariant t = w->property("text"); t.isValid())
                        labels << plain(t.toString());
                answerNextModal(seen, QStringLiteral("Annuler"));
            }
        });
        timer->start(5);
        const QColor initial(0x12, 0x34, 0x56);
        QCOMPARE(platform_.chooseColor(nullptr, initial), initial);
        QCOMPARE(seen.title, QStringLiteral("Sélectionner une couleur"));
        QVERIFY2(labels.contains(QStringLiteral("Couleurs de base")), qPrintable(labels.join(u'|')));
        QVERIFY(labels.contains(QStringLiteral("Annuler")));
        QVERIFY(!labels.contains(QStringLiteral("Cancel")));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
