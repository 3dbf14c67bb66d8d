// Lexiparc — GPL-3.0-or-later.
// The dictionary and Scrabble check windows, driven headless on the test word list.
#include "WindowFixture.h"

#include "app/MDI.h"
#include "common/Colors.h"
#include "data/Records.h"
#include "platform/QtPlatform.h"
#include "tools/dictionary/Frm10Dico.h"
#include "tools/dictionary/Frm15Scrabble.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
const QString kData = QStringLiteral(LEXIPARC_TEST_DATA "/dictionary/");
const QString kCRLF = QStringLiteral("\r\n");

QColor textColor(const QLabel* l)
{
    return l->palette().color(QPalette::WindowText);
}

// Records when a label is shown and hidden, in milliseconds from its start.
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(QWidget* w)
    {
        w->installEventFilter(this);
        clock.start();
    }
    QList<QPair<bool, qint64>> changes;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
            changes.append({e->type() == QEvent::Show, clock.elapsed()});
        return false;
    }
};
}

class TestDictionaryWindows : public QObject, WindowFixture<> {
    Q_OBJECT
    QStringList mots_;

    template <class W>
    std::unique_ptr<W> open()
    {
        auto w = std::make_unique<W>(ctx_);
        w->show();
        w->activateWindow();
        w->TxtCtrl->setFocus();
        return w;
    }
    template <class W>
    void search(W& w, const QString& word)
    {
        w.TxtCtrl->setText(word);
        QTest::mouseClick(w.CmdCtrl, Qt::LeftButton);
        QTRY_VERIFY(!w.TimCherche->isActive() && w.LblD->isHidden());
    }

private slots:
    void initTestCase()
    {
        QFile f(kData + QStringLiteral("DICO"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        mots_ = splitRecords(f.readAll());
    }
    void init()
    {
        reset();
        words_.DicoWords = mots_;
        module_.FichierDef = kData + QStringLiteral("definitions.ret");
        module_.LongMaxDef = 12;
        module_.NbMots = 16;
    }

    // ---- the dictionary window ----
    void dicoLoad()
    {
        module_.PosGauche = 1200;
        auto w = open<Frm10Dico>();
        QCOMPARE(module_.PosGauche, qint16(1800));
        QCOMPARE(w->pos(), QPoint(120, 120));
        QCOMPARE(w->windowTitle(), QStringLiteral("Le dictionnaire"));
        QCOMPARE(w->LblA->text(), QStringLiteral("Dictionnaire 16 mots de 2 à 15 lettres, avec définitions."));
        QCOMPARE(w->LblD->text(), QStringLiteral("Entrez un mot dans la zone de texte"));
        QVERIFY(!w->CmdCtrl->isEnabled());
        QVERIFY(!w->CmdCop->isEnabled());
        QCOMPARE(textColor(w->LblCop1), colorFromNumber(0xC0C0C0));
        QCOMPARE(w->LblDef4->y(), w->LblDef1->y());
        QVERIFY(w->PremiereCopie);
    }

    void dicoFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("after");
        QTest::newRow("accented letter") << 0 << QStringLiteral("é") << true << "ab";
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << true << "ab";
        QTest::newRow("blank") << int(Qt::Key_Space) << " " << true << "ab";
        QTest::newRow("lower-case letter stays") << int(Qt::Key_C) << "c" << false << "abc";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << false << "a";
        QTest::newRow("delete") << int(Qt::Key_Delete) << QString(QChar(0x7f)) << false << "ab";
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << false << "ab";
    }
    void dicoFilter()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, message);
        QFETCH(QString, after);
        auto w = open<Frm10Dico>();
        QTest::keyClicks(w->TxtCtrl, QStringLiteral("ab"));
        QTest::sendKeyEvent(QTest::KeyAction::Click, w->TxtCtrl, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(w->TxtCtrl->text(), after);
        QCOMPARE(platform_.messages.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(
                platform_.messages[0].text,
                QStringLiteral("Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées."));
            QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
            QCOMPARE(platform_.messages[0].title, QStringLiteral("Lexiparc"));
        }
    }

    // Text that comes in without its own key presses (a dead key or compose sequence, a paste
    // by the keyboard or the menu) is taken as typed: its letters get in, up to the limit; any
    // other character is refused with the message, once for the whole text.
    void dicoTextNotTyped_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("apres");
        QTest::addColumn<bool>("message");
        QTest::newRow("dead key: ê") << "commit"
                                     << "f"
                                     << "ê"
                                     << "f" << true;
        QTest::newRow("dead key then blank: ^") << "commit"
                                                << "f"
                                                << "^"
                                                << "f" << true;
        QTest::newRow("input method letter") << "commit"
                                             << "f"
                                             << "e"
                                             << "fe" << false;
        QTest::newRow("input method, 16th letter") << "commit"
                                                   << "abcdefghijklmno"
                                                   << "e"
                                                   << "abcdefghijklmno" << false;
        QTest::newRow("Ctrl+V été") << "ctrl+v"
                                    << ""
                                    << "été"
                                    << "t" << true;
        QTest::newRow("Ctrl+V trailing blank") << "ctrl+v"
                                               << ""
                                               << "maison "
                                               << "maison" << true;
        QTest::newRow("Ctrl+V letters") << "ctrl+v"
                                        << "ab"
                                        << "Chat"
                                        << "abChat" << false;
        QTest::newRow("Ctrl+V line end dropped") << "ctrl+v"
                                                 << ""
                                                 << "chat\n"
                                                 << "chat" << false;
        QTest::newRow("menu paste, letters past the limit") << "menu"
                                                            << "abcdefghijkl"
                                                            << "mnopqr"
                                                            << "abcdefghijklmno" << false;
        QTest::newRow("menu paste, refused character then letter") << "menu"
                                                                   << "abcdefghijklmn"
                                                                   << "-x"
                                                                   << "abcdefghijklmnx" << true;
        QTest::newRow("menu paste, nothing to let in") << "menu"
                                                       << "ab"
                                                       << "12"
                                                       << "ab" << true;
    }
    void dicoTextNotTyped()
    {
        QFETCH(QString, source);
        QFETCH(QString, avant);
        QFETCH(QString, texte);
        QFETCH(QString, apres);
        QFETCH(bool, message);
        auto w = open<Frm10Dico>();
        QTest::keyClicks(w->TxtCtrl, avant);
        QSignalSpy changes(w->TxtCtrl, &QLineEdit::textChanged);
        if (source == u"commit") {
            QInputMethodEvent commit;
            commit.setCommitString(texte);
            QApplication::sendEvent(w->TxtCtrl, &commit);
        } else {
            QGuiApplication::clipboard()->setText(texte);
            if (source == u"ctrl+v")
                QTest::keyClick(w->TxtCtrl, Qt::Key_V, Qt::ControlModifier);
            else
                w->TxtCtrl->paste();
        }
        QCoreApplication::processEvents();
        QCOMPARE(w->TxtCtrl->text(), apres);
        QCOMPARE(w->LblN->text(), QString::number(apres.size()));
        if (apres == avant)
            QCOMPARE(changes.size(), 0);
        QCOMPARE(platform_.messages.size(), message ? 1 : 0);
        if (message)
            QCOMPARE(
                platform_.messages[0].text,
                QStringLiteral("Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées."));
    }

    void dicoLimit()
    {
        auto w = open<Frm10Dico>();
        QTest::keyClicks(w->TxtCtrl, QStringLiteral("ABCDEFGHIJKLMNO"));
        QCOMPARE(w->LblN->text(), QStringLiteral("15"));
        w->TxtCtrl->setSelection(3, 5);
        QTest::keyClick(w->TxtCtrl, Qt::Key_P);
        w->TxtCtrl->selectAll();
        QTest::keyClick(w->TxtCtrl, Qt::Key_Q);
        QCOMPARE(w->TxtCtrl->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
        QVERIFY(platform_.messages.isEmpty());
        // Inserted text keeps the limit.
        w->TxtCtrl->clear();
        w->TxtCtrl->insert(QStringLiteral("abcdefghijklmnopq"));
        QCOMPARE(w->TxtCtrl->text(), QStringLiteral("abcdefghijklmno"));
    }

    void dicoSearchButtonAndEnter()
    {
        auto w = open<Frm10Dico>();
        QTest::keyClick(w->TxtCtrl, Qt::Key_C);
        QVERIFY(!w->CmdCtrl->isEnabled());
        QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
        QVERIFY(!w->TimCherche->isActive());
        QTest::keyClicks(w->TxtCtrl, QStringLiteral("hat"));
        QVERIFY(w->CmdCtrl->isEnabled() && w->CmdCtrl->isDefault());
        QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
        QVERIFY(w->TimCherche->isActive());
        QCOMPARE(w->TimCherche->interval(), 100);
        QCOMPARE(w->LblD->text(), QStringLiteral("Recherche en cours, patientez..."));
        QVERIFY(w->LblD->isVisible());
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Hourglass));
        QTRY_VERIFY(w->LblD->isHidden());
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
        QCOMPARE(w->LblDef1->text(), QStringLiteral("CHAT"));
        QCOMPARE(w->LblPts->text(), QStringLiteral("9"));
        QVERIFY(w->isEnabled());
        // The box keeps the focus and the default button through the lookup; losing the focus
        // takes the default role away.
        QVERIFY(w->TxtCtrl->hasFocus() && w->CmdCtrl->isDefault());
        w->Foc->setFocus();
        QVERIFY(!w->CmdCtrl->isDefault());
        w->TxtCtrl->setFocus();
        QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
        QVERIFY(!w->TimCherche->isActive());
    }

    // A message box takes the focus from the whole window, not from the text box: once the box
    // has the focus back, Enter looks the word up again without the text being changed.
    void dicoEnterAfterMessage_data()
    {
        QTest::addColumn<bool>("invalidKey");
        QTest::newRow("invalid character") << true;
        QTest::newRow("information image") << false;
    }
    void dicoEnterAfterMessage()
    {
        QFETCH(bool, invalidKey);
        auto w = open<Frm10Dico>();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClicks(w->TxtCtrl, invalidKey ? QStringLiteral("chat") : QStringLiteral("eleve"));
        if (!invalidKey) {
            QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
            QTRY_VERIFY(w->ImfInfo->isVisible());
        }
        // The box, like a modal message box, takes the focus while it is shown.
        platform_.onMessage = [](const FakePlatform::Message&) {
            QLineEdit box;
            box.show();
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        };
        if (invalidKey)
            QTest::keyClick(w->TxtCtrl, Qt::Key_5);
        else
            QTest::mouseClick(w->ImfInfo, Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(w->TxtCtrl->hasFocus());
        QVERIFY(w->CmdCtrl->isDefault());
        QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
        QVERIFY(w->TimCherche->isActive());
        QTRY_VERIFY(w->LblD->isHidden());
        QCOMPARE(w->LblDef1->text(), invalidKey ? QStringLiteral("CHAT") : QStringLiteral("ELEVE"));
    }

    void dicoResults()
    {
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("chats"));
        QCOMPARE(w->LblDef1->text(), QStringLiteral("CHATS"));
        QCOMPARE(w->LblDef2->text(), QStringLiteral("nom"));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Voir CHAT.\r\nPetit félin domestique."));
        QCOMPARE(w->Lbl[2]->text(), QStringLiteral("Le mot ''CHATS'' est valide au scrabble."));
        for (QLabel* l : {w->LblDef1, w->LblPts, w->Lbl[0], w->Lbl[1], w->Lbl[2]})
            QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
        QVERIFY(w->LblDef4->isHidden() && w->ImfInfo->isHidden() && w->LblValideODS->isHidden());
        QVERIFY(w->CmdCop->isEnabled());
        QCOMPARE(textColor(w->LblCop2), colorFromNumber(0));

        // Typing empties the results.
        QTest::keyClick(w->TxtCtrl, Qt::Key_S);
        QVERIFY(w->LblDef1->text().isEmpty() && w->LblDef3->text().isEmpty());
        QVERIFY(w->LblPts->isHidden() && w->Lbl[2]->isHidden() && w->Lbl[2]->text().isEmpty());
        QVERIFY(!w->CmdCop->isEnabled());

        search(*w, QStringLiteral("Bof"));
        QCOMPARE(w->LblDef1->text(), QStringLiteral("Ce mot existe dans le dictionnaire."));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Pas de définition pour ce mot."));
        QVERIFY(w->LblDef2->text().isEmpty() && w->Lbl[2]->text().isEmpty());
        QVERIFY(!w->CmdCop->isEnabled());
        QCOMPARE(textColor(w->LblCop1), colorFromNumber(0xC0C0C0));
        QCOMPARE(w->LblPts->text(), QStringLiteral("8"));

        search(*w, QStringLiteral("CHIEN"));
        QVERIFY(w->LblDef4->isVisible() && w->LblDef1->isHidden() && w->LblPts->isHidden());
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(w->isEnabled());
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
    }

    void dicoMissingFile()
    {
        module_.FichierDef = kData + QStringLiteral("absent.ret");
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("CHIEN"));
        QVERIFY(platform_.messages.isEmpty());
        search(*w, QStringLiteral("CHAT"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text,
                 QStringLiteral("Erreur 53\r\nLe fichier des définitions des mots est introuvable."));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(module_.MsgTexte, platform_.messages[0].text);
        // A word of the list still exists: no definition, no validity, no copy, its score.
        QVERIFY(w->LblDef4->isHidden() && w->LblDef1->isVisible());
        QCOMPARE(w->LblDef1->text(), QStringLiteral("Ce mot existe dans le dictionnaire."));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("La définition de ce mot n'a pas pu être lue."));
        QVERIFY(w->LblDef2->text().isEmpty() && w->Lbl[2]->text().isEmpty() && !w->CmdCop->isEnabled());
        QVERIFY(w->LblPts->isVisible());
        QCOMPARE(w->LblPts->text(), QStringLiteral("9"));
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
        QVERIFY(w->isEnabled());
    }

    // A file that lacks the line of a word of the list is damaged: said so, the word exists.
    void dicoDamagedFile()
    {
        QTemporaryDir dir;
        QFile source(kData + QStringLiteral("definitions.ret"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray all = source.readAll();
        const QString damaged = dir.filePath(QStringLiteral("def.ret"));
        QFile cut(damaged);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(all.left(all.indexOf("4 = ")));
        cut.close();
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("CHAT"));
        QCOMPARE(w->Lbl[2]->text(), QStringLiteral("Le mot ''CHAT'' est valide au scrabble."));
        // The file is damaged between two searches of the same word: nothing of the first stays.
        module_.FichierDef = damaged;
        search(*w, QStringLiteral("CHAT"));
        QVERIFY(w->Lbl[2]->text().isEmpty());
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Le fichier des définitions des mots est endommagé.\r\n"
                                                            "Les définitions ne peuvent pas être lues."));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(w->LblDef1->text(), QStringLiteral("Ce mot existe dans le dictionnaire."));
        QVERIFY(w->LblDef4->isHidden() && w->LblPts->isVisible());
        search(*w, QStringLiteral("BOF"));  // a line before the cut
        QCOMPARE(platform_.messages.size(), 1);

        auto s = open<Frm15Scrabble>();
        search(*s, QStringLiteral("CHAT"));
        QCOMPARE(platform_.messages.size(), 2);
        QCOMPARE(s->LblDef3->text(), QStringLiteral("La définition de ce mot n'a pas pu être lue."));
        QVERIFY(s->LblDef4->isHidden() && s->LblPts->isVisible() && s->ImfInfo->isHidden());
    }

    void dicoCopy()
    {
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("chat"));
        QTest::mouseClick(w->CmdCop, Qt::LeftButton);
        QCOMPARE(platform_.clipboardClears, 1);
        QCOMPARE(platform_.clipboard, QStringLiteral("CHAT: (nom) Petit félin domestique.\n"
                                                     "Extrait du dictionnaire du programme Lexiparc."));
        QVERIFY(w->Foc->hasFocus());
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text,
                 QStringLiteral("Le mot et sa définition ont été copiés dans le presse-papier."));
        // Later copies are silent; an unknown abbreviation leaves the parentheses empty.
        search(*w, QStringLiteral("GNOU"));
        QTest::mouseClick(w->CmdCop, Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.clipboard, QStringLiteral("GNOU: () Antilope d'Afrique.\n"
                                                     "Extrait du dictionnaire du programme Lexiparc."));
    }

    void dicoNotAdmitted()
    {
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("eleve"));
        QCOMPARE(w->LblValideODS->text(),
                 QStringLiteral("Ce mot existe mais n'est pas admis dans les tournois de scrabble."));
        QVERIFY(w->LblValideODS->isHidden() && w->ImfInfo->isVisible());
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Pas de définition pour ce mot."));
        QVERIFY(!w->CmdCop->isEnabled());
        QVERIFY(w->TimCligno->isActive());
        QCOMPARE(w->TimCligno->interval(), 700);
        // Tick by tick: shown, hidden, shown, hidden, shown for good.
        w->TimCligno->stop();
        QList<bool> seen;
        for (int i = 0; i < 5; ++i) {
            w->TimCligno_Timer();
            seen << w->LblValideODS->isVisible();
            QVERIFY(w->Lbl[2]->isHidden());
        }
        QCOMPARE(seen, (QList<bool>{true, false, true, false, true}));
        QCOMPARE(w->NbClignotements, qint16(0));

        QTest::mouseClick(w->ImfInfo, Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        QVERIFY(platform_.messages[0].text.endsWith(
            QStringLiteral("\r\n\r\nLe mot eleve existe mais n'est pas admis\r\nau jeu de scrabble.")));
    }

    void dicoBlinkTiming()
    {
        auto w = open<Frm10Dico>();
        w->TxtCtrl->setText(QStringLiteral("ELEVES"));
        w->CmdCtrl_Click();
        w->TimCherche->stop();
        w->TimCherche_Timer();
        VisibilityLog log(w->LblValideODS);
        QTRY_VERIFY_WITH_TIMEOUT(!w->TimCligno->isActive(), 6000);
        QCOMPARE(log.changes.size(), 5);
        // Shown at 0.7 s, hidden at 1.4 s, shown at 2.1 s, hidden at 2.8 s, shown from 3.5 s
        // (coarse timers may fire up to 5 % early).
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(log.changes[i].first, i % 2 == 0);
            QVERIFY2(log.changes[i].second >= (i + 1) * 665, qPrintable(QString::number(log.changes[i].second)));
        }
        QVERIFY(w->LblValideODS->isVisible());
    }

    void dicoBlinkStopsOnNewText()
    {
        auto w = open<Frm10Dico>();
        search(*w, QStringLiteral("ELEVE"));
        QTRY_VERIFY(w->LblValideODS->isVisible());
        QTest::keyClick(w->TxtCtrl, Qt::Key_S);
        QVERIFY(!w->TimCligno->isActive());
        QCOMPARE(w->NbClignotements, qint16(0));
        QTest::qWait(800);
        QVERIFY(w->LblValideODS->isHidden());
        // A new lookup stops it too.
        search(*w, QStringLiteral("ELEVE"));
        QTRY_VERIFY(w->LblValideODS->isVisible());
        w->CmdCtrl_Click();
        QVERIFY(!w->TimCligno->isActive());
        QVERIFY(w->LblValideODS->isHidden());
    }

    void dicoDrag()
    {
        auto w = open<Frm10Dico>();
        QTest::mousePress(w->LblDef1, Qt::LeftButton);
        QTest::mousePress(w->LblA, Qt::RightButton);
        QTest::mousePress(w->LblDef3, Qt::LeftButton);
        QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(500, 390));
        QCOMPARE(platform_.dragged.size(), 4);
        QVERIFY(platform_.dragged.count(w.get()) == 4);
        QTest::mousePress(w->TxtCtrl, Qt::LeftButton);
        QCOMPARE(platform_.dragged.size(), 4);
    }

    // The desktop platform moves a child window of the main frame with the mouse.
    void dicoDragInMainFrame()
    {
        QtPlatform desktop;
        AppContext ctx{module_, words_, desktop, nullptr};
        QMdiArea area;
        area.resize(900, 700);
        auto* w = new Frm10Dico(ctx);
        QMdiSubWindow* sub = area.addSubWindow(w);
        area.show();
        sub->move(40, 40);
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QPoint start = QPoint(20, 10);
        QCursor::setPos(w->LblDef3->mapToGlobal(start));
        QTest::mousePress(w->LblDef3, Qt::LeftButton, {}, start);
        QTest::mouseMove(w->LblDef3, start + QPoint(30, 25));
        QTest::mouseRelease(w->LblDef3, Qt::LeftButton, {}, start + QPoint(30, 25));
        QCOMPARE(sub->pos(), QPoint(70, 65));
        QTest::mouseMove(w->LblDef3, start + QPoint(60, 60));
        QCOMPARE(sub->pos(), QPoint(70, 65));
    }

    // The tool-bar buttons open the two windows in the main frame, or give them the focus.
    void mainFrame()
    {
        MDI mdi(ctx_);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        QVERIFY(mdi.CmdDico->isEnabled() && mdi.CmdScrabble->isEnabled());
        QTest::mouseClick(mdi.CmdDico, Qt::LeftButton);
        auto* dico = qobject_cast<Frm10Dico*>(mdi.fenetre(FabriqueFrm10Dico));
        QVERIFY(dico);
        auto* sub = qobject_cast<QMdiSubWindow*>(dico->parentWidget());
        QVERIFY(sub);
        QCOMPARE(sub->windowTitle(), QStringLiteral("Le dictionnaire"));
        QCOMPARE(sub->pos(), QPoint(40, 40));
        QTest::mouseClick(mdi.CmdScrabble, Qt::LeftButton);
        auto* scrabble = qobject_cast<Frm15Scrabble*>(mdi.fenetre(FabriqueFrm15Scrabble));
        QVERIFY(scrabble);
        QCOMPARE(scrabble->parentWidget()->pos(), QPoint(80, 80));
        QTest::mouseClick(mdi.CmdDico, Qt::LeftButton);
        QCOMPARE(mdi.fenetre(FabriqueFrm10Dico), dico);
        QCOMPARE(mdi.zone()->activeSubWindow(), sub);
        QTRY_VERIFY(dico->TxtCtrl->hasFocus());
    }

    // ---- the Scrabble check window ----
    void scrabbleLoadAndTyping()
    {
        auto w = open<Frm15Scrabble>();
        QCOMPARE(module_.PosGauche, qint16(600));
        QCOMPARE(w->pos(), QPoint(40, 40));
        QCOMPARE(w->windowTitle(), QStringLiteral("Vérifier si un mot est admis au jeu de scrabble"));
        QCOMPARE(w->CmdCtrl->text(), QStringLiteral("  Vérifier "));
        QVERIFY(!w->CmdCtrl->isEnabled());
        QTest::sendKeyEvent(QTest::KeyAction::Click, w->TxtCtrl, Qt::Key(0), QStringLiteral("é"), Qt::NoModifier);
        QTest::keyClicks(w->TxtCtrl, QStringLiteral(" 5"));
        QCOMPARE(w->TxtCtrl->text(), QStringLiteral("é 5"));
        QVERIFY(platform_.messages.isEmpty());
        QVERIFY(w->CmdCtrl->isEnabled() && w->CmdCtrl->isDefault());
        QTest::keyClick(w->TxtCtrl, Qt::Key_Return);
        QTRY_VERIFY(w->LblD->isHidden());
        QVERIFY(w->LblDef4->isVisible());
        QVERIFY(platform_.messages.isEmpty());
        QTest::keyClicks(w->TxtCtrl, QStringLiteral("ABCDEFGHIJKLMNOPQ"));
        QCOMPARE(w->TxtCtrl->text().size(), 15);
    }

    void scrabbleResults()
    {
        auto w = open<Frm15Scrabble>();
        search(*w, QStringLiteral("kiwi"));
        QCOMPARE(w->Lbl[2]->text(), QStringLiteral("Le mot ''KIWI'' est valide au scrabble."));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Oiseau de Nouvelle-Zélande."));
        QCOMPARE(w->LblPts->text(), QStringLiteral("22"));
        for (QLabel* l : {w->LblPts, w->Lbl[0], w->Lbl[1], w->Lbl[2]})
            QVERIFY(l->isVisible());
        QCOMPARE(w->MotNonAdmis, std::uint8_t(0));
        // Typing hides score and validity but leaves the definition in view.
        QTest::keyClick(w->TxtCtrl, Qt::Key_S);
        QVERIFY(w->LblPts->isHidden() && w->Lbl[2]->isHidden());
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Oiseau de Nouvelle-Zélande."));

        search(*w, QStringLiteral("ELEVES"));
        QCOMPARE(w->MotNonAdmis, std::uint8_t(1));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Qui suit un enseignement."));
        QVERIFY(w->ImfInfo->isVisible() && w->LblPts->isHidden() && w->Lbl[0]->isHidden());
        QVERIFY(w->TimCligno->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!w->TimCligno->isActive(), 6000);
        QCOMPARE(w->LblValideODS->text(), QStringLiteral("Ce mot n'est pas admis dans les tournois de scrabble."));
        QVERIFY(w->LblValideODS->isVisible());
        QTest::mouseClick(w->ImfInfo, Qt::LeftButton);
        QVERIFY(platform_.messages.last().text.contains(QStringLiteral("Le mot ELEVES existe mais n'est pas admis")));

        search(*w, QStringLiteral("BOF"));
        QCOMPARE(w->MotNonAdmis, std::uint8_t(0));
        QCOMPARE(w->LblDef3->text(), QStringLiteral("Pas de définition pour ce mot."));
        QCOMPARE(w->LblPts->text(), QStringLiteral("8"));
        QVERIFY(w->LblPts->isVisible() && w->ImfInfo->isHidden());
    }

    // Whatever the result, no two texts or images of the result are drawn over each other
    // (the blinking notice counts while it blinks). A word that is not admitted and whose
    // cross-reference fails keeps its own result beside the image and the notice; the file is
    // reported as damaged rather than the word as absent.
    void scrabbleResultsDoNotOverlap_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("notFound");
        QTest::newRow("not admitted, cross-reference fails") << "ELEVE" << false;
        QTest::newRow("not admitted") << "ELEVES" << false;
        QTest::newRow("admitted") << "KIWI" << false;
        QTest::newRow("absent") << "CHIEN" << true;
        QTest::newRow("cross-reference fails") << "CHIENS" << false;
    }
    void scrabbleResultsDoNotOverlap()
    {
        QFETCH(QString, word);
        QFETCH(bool, notFound);
        // The test definitions with ELEVE, a word that is not admitted, sent to an absent word.
        QFile source(kData + QStringLiteral("definitions.ret"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray defs = source.readAll();
        QVERIFY(defs.contains("10 = NOT\xa3n\xa7\r\n"));
        defs.replace("10 = NOT\xa3n\xa7\r\n", "10 = NOT\xa3n\xa7Voir CHIEN.\r\n");
        QTemporaryDir dir;
        QFile copy(dir.filePath(QStringLiteral("definitions.ret")));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(defs) == defs.size());
        copy.close();
        module_.FichierDef = copy.fileName();

        auto w = open<Frm15Scrabble>();
        search(*w, word);
        QCOMPARE(w->LblDef4->isVisible(), notFound);
        QList<QWidget*> shown;
        for (QWidget* c :
             std::initializer_list<QWidget*>{w->LblDef4, w->ImfInfo, w->Lbl[2], w->LblPts, w->Lbl[0], w->Lbl[1]})
            if (c->isVisible())
                shown << c;
        if (w->TimCligno->isActive() || w->LblValideODS->isVisible())
            shown << w->LblValideODS;
        if (!w->LblDef3->text().isEmpty())
            shown << w->LblDef3;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                         qPrintable(shown[i]->objectName() + u' ' + shown[j]->objectName()));
    }

    void scrabbleMissingFile()
    {
        module_.FichierDef = kData + QStringLiteral("absent.ret");
        auto w = open<Frm15Scrabble>();
        // The absent word reads the file too, so the missing file is reported for it.
        search(*w, QStringLiteral("CHIEN"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text,
                 QStringLiteral("Erreur 53\r\nLe fichier des définitions des mots est introuvable."));
        QVERIFY(w->LblDef4->isVisible() && w->LblPts->isHidden());
        QCOMPARE(platform_.lastPointer(w.get()), int(Platform::Arrow));
        QVERIFY(w->isEnabled());
        // A word of the list is not said absent.
        search(*w, QStringLiteral("CHAT"));
        QCOMPARE(platform_.messages.size(), 2);
        QVERIFY(w->LblDef4->isHidden() && w->LblPts->isVisible());
        QCOMPARE(w->LblDef3->text(), QStringLiteral("La définition de ce mot n'a pas pu être lue."));
    }
};

QTEST_MAIN(TestDictionaryWindows)
#include "test_dictionary_windows.moc"
