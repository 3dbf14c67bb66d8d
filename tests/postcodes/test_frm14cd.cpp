// Lexiparc — GPL-3.0-or-later.
// The postal-code window on the shipped lists: loading, searches, selection, copies, the two
// outside links and the about box.
#include "WindowFixture.h"

#include "app/MDI.h"
#include "common/Module.h"
#include "common/Windows.h"
#include "data/WordData.h"
#include "platform/FakePlatform.h"
#include "tools/postcodes/CommuneLiens.h"
#include "tools/postcodes/Frm14CD.h"
#include "tools/postcodes/Frm21About.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Records whether the browser file exists, and what it holds, when it is looked up.
class BrowserPlatform : public FakePlatform {
public:
    QByteArray seenContent;
    bool startResult = true;
    QString findExecutable(const QString& file) override
    {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            seenContent = f.readAll();
        return FakePlatform::findExecutable(file);
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        FakePlatform::startProgram(program, arguments);
        return startResult;
    }
};
}

class TestFrm14CD : public QObject, WindowFixture<BrowserPlatform> {
    Q_OBJECT
    QPointer<Frm14CD> w;

    QLabel* label(int field) const { return w->LblDetail[size_t(field)]; }
    void typeCode(const QString& text)
    {
        w->TxtCP->setFocus();
        w->TxtCP->clear();
        QTest::keyClicks(w->TxtCP, text);
    }

private slots:
    void init()
    {
        reset();
        w = new Frm14CD(ctx_);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QTRY_VERIFY(!w->TimCP->isActive() && !w->TimNom->isActive());
        QVERIFY(!Frm14CD::tables().TabNom.isEmpty());
    }
    void cleanup() { delete w; }

    void loadState()
    {
        QCOMPARE(module_.PosGauche, 600);
        QCOMPARE(w->pos(), QPoint(40, 40));
        QCOMPARE(w->size(), QSize(Frm14CD::kLimiteD / 15, Frm14CD::kLimiteH / 15));
        QCOMPARE(w->windowTitle(), QStringLiteral("RECHERCHER - Codes postaux et communes de France"));
        QCOMPARE(w->CmdCopier->text(), QStringLiteral("Copier les\ndonnées"));
        QCOMPARE(w->CmdGoogleMap->text(), QStringLiteral("Géolocaliser la commune\nsur Google Maps"));
        QCOMPARE(w->CmdExterne->text(), QStringLiteral("Plus d' infos  sur  le  site\n") + kHoteAnnuaire);
        for (QPushButton* b : {w->CmdCopier, w->CmdGoogleMap, w->CmdExterne})
            QVERIFY(!b->isEnabled());
        QVERIFY(w->CmdAbout->isEnabled() && w->CmdQ->isEnabled());
        QVERIFY(w->ImgCopyTrue->isHidden());
        QCOMPARE(w->Txt1Foc->text(), QStringLiteral("Ex: 75001"));
        QCOMPARE(w->Txt2Foc->text(), QStringLiteral("Ex: ST JEAN LE BLANC"));
        QVERIFY(w->Txt1Foc->isVisible() && w->Txt2Foc->isVisible());
        QCOMPARE(w->ModeRecherche, 0);
        QCOMPARE(Frm14CD::tables().TabCP.size(), Frm14CD::tables().TabNom.size());
    }

    void placeholdersAndFocus()
    {
        QVERIFY(w->Foc->hasFocus());
        w->Txt1Foc->setFocus();
        QTRY_VERIFY(w->TxtCP->hasFocus());
        QVERIFY(w->Txt1Foc->isHidden());
        QCOMPARE(w->ModeRecherche, 1);
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Dans la zone de texte entrez un n° de CP."));
        w->Txt2Foc->setFocus();
        QTRY_VERIFY(w->TxtCherche->hasFocus());
        QVERIFY(w->Txt2Foc->isHidden());
        QCOMPARE(w->ModeRecherche, 2);
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Entrez un nom de commune."));
        QCOMPARE(w->TxtCP->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    }

    // A box reached without its placeholder still shows what is typed in it.
    void placeholderHiddenWhenBoxFocused()
    {
        w->TxtCherche->setFocus();
        QTRY_COMPARE(w->ModeRecherche, 2);
        QVERIFY(w->Txt2Foc->isHidden());
        QVERIFY(w->Txt1Foc->isVisible());
    }

    void codeSearchEnablesAndClears()
    {
        typeCode(QStringLiteral("750"));
        QCOMPARE(w->LstLaListe->item(0)->text(), QStringLiteral("75001 PARIS 01"));
        QCOMPARE(w->LblInfo->text(), QString::number(w->LstLaListe->count()) + QStringLiteral(" communes trouvées."));
        QCOMPARE(label(DetCommune)->text(), QStringLiteral("75001 PARIS 01"));
        QCOMPARE(label(DetInsee)->text(), QStringLiteral(" 75101"));
        QVERIFY(w->CmdCopier->isEnabled() && w->CmdGoogleMap->isEnabled() && w->CmdExterne->isEnabled());
        QVERIFY(w->ImgCopyTrue->isVisible());
        QTest::keyClick(w->TxtCP, Qt::Key_Backspace);
        QCOMPARE(w->LstLaListe->count(), 0);
        QCOMPARE(w->LblInfo->text(), QString());
        QCOMPARE(label(DetCommune)->text(), QString());
        QVERIFY(!w->CmdCopier->isEnabled() && w->ImgCopyTrue->isHidden());
        typeCode(QStringLiteral("123456"));
        QCOMPARE(w->TxtCP->text(), QStringLiteral("12345"));
    }

    void nameInput()
    {
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("zuyt"));
        QCOMPARE(w->TxtCherche->text(), QStringLiteral("ZUYT"));
        QCOMPARE(rows(w->LstLaListe), QStringList{QStringLiteral("59670 ZUYTPEENE")});
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Une commune trouvée."));
        QCOMPARE(label(DetDepartement)->text(), QStringLiteral("59 Nord"));
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("é"));
        QApplication::sendEvent(w->TxtCherche, &press);
        QCOMPARE(w->TxtCherche->text(), QStringLiteral("ZUYT"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages.first().text, QStringLiteral("Le caractere '' É '' n'est pas valide."));
        QCOMPARE(platform_.messages.first().title, QStringLiteral("Lexiparc"));
        QCOMPARE(w->LstLaListe->count(), 1);
        w->TxtCherche->setText(QStringLiteral("y"));
        QCOMPARE(w->TxtCherche->text(), QStringLiteral("Y"));
        QCOMPARE(w->LstLaListe->count(), 0);
        QCOMPARE(w->LblInfo->text(), QString());
        QCOMPARE(platform_.lastPointer(w), int(Platform::Arrow));
    }

    // The name box refuses an accent from a dead key or a paste as a typed one, and shows the
    // text in upper case while the message is up.
    void nameInputNotTyped_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::newRow("dead key") << false;
        QTest::newRow("paste") << true;
    }
    void nameInputNotTyped()
    {
        QFETCH(bool, paste);
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("st "));
        QString pendantMessage;
        platform_.onMessage = [&](const FakePlatform::Message&) { pendantMessage = w->TxtCherche->text(); };
        if (paste) {
            QGuiApplication::clipboard()->setText(QStringLiteral("é"));
            w->TxtCherche->paste();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QStringLiteral("é"));
            QApplication::sendEvent(w->TxtCherche, &commit);
        }
        platform_.onMessage = nullptr;
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages.first().text, QStringLiteral("Le caractere '' É '' n'est pas valide."));
        QCOMPARE(pendantMessage, QStringLiteral("ST É"));
        QCOMPARE(w->TxtCherche->text(), QStringLiteral("ST "));
    }

    // A code search's rows selected in code mode, then through the name tables.
    void selectionInEitherMode()
    {
        typeCode(QStringLiteral("75116"));
        QCOMPARE(label(DetCommune)->text(), QStringLiteral("75116 PARIS 16"));
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("THIEVRES"));
        QCOMPARE(rows(w->LstLaListe),
                 (QStringList{QStringLiteral("62760 THIEVRES"), QStringLiteral("80560 THIEVRES")}));
        QCOMPARE(label(DetDepartement)->text(), QStringLiteral("62 Pas-de-Calais"));
        w->LstLaListe->setCurrentRow(1);
        QCOMPARE(label(DetDepartement)->text(), QStringLiteral("80 Somme"));
        w->TxtCP->setFocus();
        QTRY_COMPARE(w->ModeRecherche, 1);
        QCOMPARE(w->LstLaListe->count(), 2);
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Dans la zone de texte entrez un n° de CP."));
        w->LstLaListe->setCurrentRow(0);
        QCOMPARE(label(DetDepartement)->text(), QStringLiteral("62 Pas-de-Calais"));
        w->LstLaListe->setCurrentRow(1);
        QCOMPARE(label(DetDepartement)->text(), QStringLiteral("80 Somme"));
        QCOMPARE(label(DetCommune)->text(), QStringLiteral("80560 THIEVRES"));
    }

    // The longest names show whole in the detail labels; a short one keeps the labels' font.
    void longNamesShowWhole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("shown");
        QTest::newRow("45 characters") << ""
                                       << "ST REMY BOUZEMONT"
                                       << "" << int(DetCommuneMin) << "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson";
        QTest::newRow("longest postal-code row")
            << "02160"
            << ""
            << "02160 LA VILLE AUX BOIS LES PONTAVER" << int(DetCommune) << "02160 LA VILLE AUX BOIS LES PONTAVER";
        QTest::newRow("short") << "01000"
                               << ""
                               << "" << int(DetCommuneMin) << "Bourg-en-Bresse";
    }
    void longNamesShowWhole()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, row);
        QFETCH(int, field);
        QFETCH(QString, shown);
        if (!code.isEmpty()) {
            typeCode(code);
        } else {
            w->TxtCherche->setFocus();
            QTest::keyClicks(w->TxtCherche, name);
        }
        if (!row.isEmpty())
            w->LstLaListe->setCurrentRow(rows(w->LstLaListe).indexOf(row));
        QCOMPARE(label(field)->text(), shown);
        for (QLabel* l : w->LblDetail) {
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(l->text()));
            QVERIFY(!l->wordWrap());
        }
        const QFont base = label(DetRegion)->font();
        QCOMPARE(label(field)->font() == base, shown.size() < 20);
        QCOMPARE(label(field)->font().pointSizeF(), base.pointSizeF());
    }

    // A damaged record is reported with the handler's code; the handler then carries on.
    void internalErrors()
    {
        CommuneTables& t = Frm14CD::tables();
        const CommuneTables saved = t;
        t.TabCP.prepend(QStringLiteral("00000 ABIMEE§Abîmée"));
        t.TabCleCP.prepend(QStringLiteral("00000 ABIMEE"));
        t.TabNom.prepend(QStringLiteral("AAAA$00000"));
        t.TabCleNom.prepend(QStringLiteral("AAAA"));
        w->TxtCP->setFocus();
        QTRY_COMPARE(w->ModeRecherche, 1);
        w->TxtCP->setText(QStringLiteral("00000"));
        QCOMPARE(rows(w->LstLaListe), QStringList{QStringLiteral("00000 ABIMEE")});
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Une commune a ce code postal."));
        w->LstLaListe->setCurrentRow(0);
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("AA"));
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Aucun nom de commune n'a été trouvé."));
        t = saved;
        QCOMPARE(platform_.messages.size(), 3);
        const QStringList codes{QStringLiteral("024"), QStringLiteral("026"), QStringLiteral("023")};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(platform_.messages.at(i).text, QStringLiteral("Subscript out of range") + QString(17, u' ') +
                                                        QStringLiteral("\r\nErreur interne ") + codes.at(i) +
                                                        QStringLiteral(" - 9"));
            QCOMPARE(platform_.messages.at(i).icon, Platform::Icon::Critical);
        }
        QCOMPARE(module_.ErrCode, QStringLiteral("023"));
        QCOMPARE(module_.ErrNumero, 9);
    }

    void copies()
    {
        typeCode(QStringLiteral("01000"));
        QTest::mouseClick(w->CmdCopier, Qt::LeftButton);
        // The clipboard has the desktop's line ends; the message keeps the program's.
        QVERIFY(platform_.clipboard.startsWith(QStringLiteral("Commune: 01000 BOURG EN BRESSE\n")));
        QVERIFY(!platform_.clipboard.contains(u'\r'));
        QCOMPARE(platform_.clipboard.split(u'\n').size(), 11);
        QCOMPARE(platform_.clipboard.split(u'\n').at(4), QStringLiteral("Code région:  84"));
        QCOMPARE(platform_.messages.last().text,
                 QStringLiteral("Les données on été copiées dans le presse-papier.\r\n\r\n") +
                     QString(platform_.clipboard).replace(u'\n', QStringLiteral("\r\n")));
        QCOMPARE(platform_.messages.last().icon, Platform::Icon::None);
        QTest::mouseClick(w->ImgCopyTrue, Qt::LeftButton);
        QCOMPARE(platform_.clipboard, QStringLiteral("01000 BOURG EN BRESSE"));
        QCOMPARE(platform_.messages.last().text,
                 QStringLiteral("Le nom de commune a été copiée dans le presse-papier.\r\n\r\n01000 BOURG EN BRESSE"));
        QCOMPARE(platform_.clipboardClears, 2);
        platform_.clipboardClears = 0;
    }

    void directory()
    {
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("ST ANDRE D HUIRIAT"));
        QTest::mouseClick(w->CmdExterne, Qt::LeftButton);
        QCOMPARE(platform_.openedUrls, QStringList{QString::fromLatin1(kSiteAnnuaire) + "01/saint-andre-d'huiriat"});
        QVERIFY(w->Foc->hasFocus());
    }

    void map_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("opened") << "/usr/bin/browser" << true << ""
                                << "";
        QTest::newRow("no browser") << "" << true << "Could not your Browser"
                                    << "Browser Not Found";
        QTest::newRow("browser fails") << " /usr/bin/browser " << false << "Web Page not Opened"
                                       << "URL Failed";
    }
    void map()
    {
        QFETCH(QString, program);
        QFETCH(bool, starts);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QTemporaryDir dir;
        platform_.tempFolder = dir.path();
        platform_.executableFound = program;
        platform_.startResult = starts;
        typeCode(QStringLiteral("01000"));
        QTest::mouseClick(w->CmdGoogleMap, Qt::LeftButton);
        QCOMPARE(platform_.executableQueries.size(), 1);
        QCOMPARE(QFileInfo(platform_.executableQueries.first()).absolutePath(), QDir(dir.path()).absolutePath());
        QCOMPARE(platform_.seenContent, QByteArray("<HTML> <\\HTML>\r\n"));
        QVERIFY(QDir(dir.path()).isEmpty());
        if (program.isEmpty()) {
            QVERIFY(platform_.startedPrograms.isEmpty());
        } else {
            const QString url = QStringLiteral("https://www.google.com/maps/dir//"
                                               "%20%20+%20%2046.20574%20%20+%20%20,%20%205.2258");
            const QList<QStringList> started{QStringList{QStringLiteral("/usr/bin/browser"), url}};
            QCOMPARE(platform_.startedPrograms, started);
        }
        if (message.isEmpty()) {
            QVERIFY(platform_.messages.isEmpty());
        } else {
            QCOMPARE(platform_.messages.size(), 1);
            QCOMPARE(platform_.messages.first().text, message);
            QCOMPARE(platform_.messages.first().title, title);
            QCOMPARE(platform_.messages.first().icon, Platform::Icon::Exclamation);
        }
        platform_.tempFolder = QStringLiteral("/tmp");
    }

    void mapWithoutCoordinates()
    {
        platform_.executableFound = QStringLiteral("/usr/bin/browser");
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("ZUYTPEENE"));
        QCOMPARE(label(DetLatitude)->text(), QStringLiteral("."));
        QTest::mouseClick(w->CmdGoogleMap, Qt::LeftButton);
        QCOMPARE(platform_.startedPrograms.size(), 1);
        QCOMPARE(platform_.startedPrograms.first().at(1),
                 QStringLiteral("https://www.google.com/maps/dir//Zuytpeene%2059670"));
    }

    void aboutBoxDisablesTheWindow_data()
    {
        QTest::addColumn<QString>("closer");
        QTest::newRow("Fermer") << "CmdQ";
        QTest::newRow("hidden button") << "CmdFoc";
        QTest::newRow("window closed") << "";
    }
    void aboutBoxDisablesTheWindow()
    {
        QFETCH(QString, closer);
        QTest::mouseClick(w->CmdAbout, Qt::LeftButton);
        QPointer<Frm21About> box = w->aPropos();
        QVERIFY(box);
        QVERIFY(!w->isEnabled());
        QCOMPARE(box->windowTitle(), QStringLiteral("A propos"));
        QCOMPARE(box->LblLigne[0]->text(), QString::number(Frm14CD::tables().TabCP.size()) +
                                               QStringLiteral(" codes postaux et noms de communes."));
        QCOMPARE(box->LblLigne[5]->text(), QStringLiteral("Géolocalisation automatique  sur Google Maps"));
        QCOMPARE(box->CmdSite->text(), QString::fromLatin1(kSiteProgramme));
        box->CmdSite->click();
        QCOMPARE(platform_.openedUrls, QStringList{QString::fromLatin1(kSiteProgramme)});
        if (closer.isEmpty())
            box->close();
        else
            box->findChild<QPushButton*>(closer)->click();
        QTRY_VERIFY(!box);
        QVERIFY(w->isEnabled());
    }

    // Closing the about box gives the focus back to the hidden control, not to an input box:
    // the search mode and the prompt line stay as the last search left them.
    void focusAfterAboutBox_data()
    {
        QTest::addColumn<bool>("mainFrame");
        QTest::newRow("alone") << false;
        QTest::newRow("in the main frame") << true;
    }
    void focusAfterAboutBox()
    {
        QFETCH(bool, mainFrame);
        std::unique_ptr<MDI> mdi;
        if (mainFrame) {
            delete w;
            mdi = std::make_unique<MDI>(ctx_);
            mdi->show();
            QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
            mdi->CmdCodPos->click();
            w = qobject_cast<Frm14CD*>(mdi->fenetre(FabriqueFrm14CD));
            QVERIFY(w);
            QTRY_VERIFY(!w->TimCP->isActive() && !w->TimNom->isActive());
        }
        w->TxtCherche->setFocus();
        QTest::keyClicks(w->TxtCherche, QStringLiteral("ZUYT"));
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Une commune trouvée."));
        QTest::mouseClick(w->CmdAbout, Qt::LeftButton);
        QPointer<Frm21About> box = w->aPropos();
        QVERIFY(box);
        if (mainFrame) {
            // Like every window of fixed size in the main frame, it offers no maximise button.
            auto* sub = qobject_cast<QMdiSubWindow*>(box->parentWidget());
            QVERIFY(sub);
            QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
        }
        box->CmdQ->click();
        QTRY_VERIFY(!box);
        // Alone, the window is not made active again here; it holds the focus when it is.
        QTRY_COMPARE(w->focusWidget(), w->Foc);
        if (mainFrame)
            QVERIFY(w->Foc->hasFocus());
        QCOMPARE(w->ModeRecherche, 2);
        QCOMPARE(w->LblInfo->text(), QStringLiteral("Une commune trouvée."));
        QCOMPARE(w->LblDetail[DetCommune]->text(), QStringLiteral("59670 ZUYTPEENE"));
        if (mainFrame) {
            w->CmdQ->click();
            QTRY_VERIFY(mdi->zone()->subWindowList().isEmpty());
            w = new Frm14CD(ctx_);
        }
    }

    void quit()
    {
        QTest::mouseClick(w->CmdQ, Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

    // Through the main frame: the tool-bar button opens the window in cascade and its about
    // box disables the window's frame.
    void inMainFrame()
    {
        delete w;
        MDI mdi(ctx_);
        mdi.show();
        QVERIFY(mdi.CmdCodPos->isEnabled());
        mdi.CmdCodPos->click();
        auto* cd = qobject_cast<Frm14CD*>(mdi.fenetre(FabriqueFrm14CD));
        QVERIFY(cd);
        auto* sub = qobject_cast<QMdiSubWindow*>(cd->parentWidget());
        QVERIFY(sub);
        cd->CmdAbout->click();
        QVERIFY(cd->aPropos());
        QVERIFY(!sub->isEnabled());
        QCOMPARE(mdi.zone()->subWindowList().size(), 2);
        cd->aPropos()->CmdQ->click();
        QTRY_COMPARE(mdi.zone()->subWindowList().size(), 1);
        QVERIFY(sub->isEnabled());
        cd->CmdQ->click();
        QTRY_VERIFY(mdi.zone()->subWindowList().isEmpty());
        w = new Frm14CD(ctx_);
    }
};

int runTestFrm14CD(int argc, char** argv)
{
    TestFrm14CD t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_frm14cd.moc"
