// Lexiparc — GPL-3.0-or-later.
// The near-spelling window, driven headless through its controls.
#include "WindowFixture.h"

#include "app/MDI.h"
#include "common/Colors.h"
#include "common/RuntimeError.h"
#include "data/Records.h"
#include "tools/nearspelling/Frm16Approchant.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
QByteArray lit(const QString& name)
{
    QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/nearspelling/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

qint32 couleurTexte(QWidget* w)
{
    return numberFromColor(w->palette().color(QPalette::WindowText));
}
qint32 couleurFond(QWidget* w)
{
    return numberFromColor(w->palette().color(QPalette::Base));
}

// A window whose search fails with a run-time error.
class Frm16EnPanne : public Frm16Approchant {
public:
    using Frm16Approchant::Frm16Approchant;

protected:
    ResultatApprochant lanceRecherche(const ListeMots&, const QString&, bool, int) override
    {
        throw RuntimeError(6, QStringLiteral("Overflow"));
    }
};
}  // namespace

class TestFrm16Approchant : public QObject, WindowFixture<> {
    Q_OBJECT
    QStringList mots_;
    std::unique_ptr<Frm16Approchant> w_;

    void tape(const QString& texte) { QTest::keyClicks(w_->TxtCtrl, texte); }

private slots:
    void initTestCase() { mots_ = splitRecords(lit(QStringLiteral("mots.txt"))); }

    void init()
    {
        reset();
        words_.DicoWords = mots_;
        w_ = std::make_unique<Frm16Approchant>(ctx_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        w_->activateWindow();
        w_->TxtCtrl->setFocus();
    }
    void cleanup() { w_.reset(); }

    void designState()
    {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Mots approchants"));
        QCOMPARE(w_->size(), QSize(7290 / 15, 10680 / 15));
        QCOMPARE(w_->pos(), QPoint(600 / 15, 600 / 15));
        QCOMPARE(module_.PosGauche, qint16(600));
        QCOMPARE(w_->LblN->text(), QStringLiteral("0"));
        QVERIFY(!w_->CmdCtrl->isEnabled());
        QCOMPARE(w_->CmdCtrl->text(), QStringLiteral(" Rechercher"));
        QCOMPARE(w_->CmdCtrl->toolTip(), QStringLiteral("Rechercher si un mot existe"));
        QCOMPARE(w_->LblD->text(), QStringLiteral("Entrez un mot dans la zone de texte"));
        QVERIFY(w_->Chk2->isChecked());
        QCOMPARE(w_->Chk2->text(),
                 QStringLiteral("Prendre en compte les mots ayant une lettre de plus ou une lettres de moins."));
        QVERIFY(w_->Opt[0]->isChecked());
        QCOMPARE(w_->LblTaux->text(), QStringLiteral("90"));
        QVERIFY(!w_->LblTaux->isVisible());
        QVERIFY(!w_->TimFind->isActive());
        QCOMPARE(couleurFond(w_->TxtRes), 0xFFFFFF);
        QCOMPARE(w_->LblInfo2->text(), QStringLiteral("Cet  utilitaire  permet\r\nde trouver, à partir d'\r\n"
                                                      "un mot, tous les mots\r\ndont l'orthographe s'en\r\n"
                                                      "rapprochent  le  plus."));
        QCOMPARE(w_->LblInfo3->text(), QStringLiteral("Note: une recherche\r\nprécise entraînera un\r\n"
                                                      "résultat de recherche\r\nfaible , inversement,\r\n"
                                                      "plus la précision est\r\nfaible plus le nombre de\r\n"
                                                      "solutions sera important."));
        // No text shows beyond those of the window's controls.
        QStringList textes;
        for (const QLabel* l : w_->findChildren<QLabel*>())
            if (l->isVisible())
                textes << l->text();
        QStringList attendus{QStringLiteral("0"),
                             QStringLiteral("Entrez un mot dans la zone de texte"),
                             QStringLiteral("Précision de la recherche de mots"),
                             QStringLiteral("Comment ça marche ?"),
                             w_->LblInfo2->text(),
                             w_->LblInfo3->text()};
        textes.sort();
        attendus.sort();
        QCOMPARE(textes, attendus);
    }

    // The tool-bar button opens the window in a child of the main frame, then focuses it.
    void openedFromTheMainFrame()
    {
        MDI mdi(ctx_);
        ctx_.mdi = &mdi;
        QVERIFY(mdi.CmdAp->isEnabled());
        QTest::mouseClick(mdi.CmdAp, Qt::LeftButton);
        auto* f = qobject_cast<Frm16Approchant*>(mdi.fenetre(FabriqueFrm16Approchant));
        QVERIFY(f);
        QCOMPARE(mdi.zone()->subWindowList().size(), 1);
        QCOMPARE(mdi.zone()->subWindowList().at(0)->pos(), QPoint(1200 / 15, 1200 / 15));
        QTest::mouseClick(mdi.CmdAp, Qt::LeftButton);
        QCOMPARE(mdi.zone()->subWindowList().size(), 1);
        mdi.zone()->closeAllSubWindows();
        QTRY_VERIFY(!mdi.fenetre(FabriqueFrm16Approchant));
        ctx_.mdi = nullptr;
    }

    void searchButtonFromTwoCharacters()
    {
        tape(QStringLiteral("m"));
        QCOMPARE(w_->LblN->text(), QStringLiteral("1"));
        QVERIFY(!w_->CmdCtrl->isEnabled());
        QTest::keyClick(w_->TxtCtrl, Qt::Key_Return);
        QVERIFY(!w_->TimFind->isActive());
        tape(QStringLiteral("A"));
        QCOMPARE(w_->LblN->text(), QStringLiteral("2"));
        QVERIFY(w_->CmdCtrl->isEnabled());
        QVERIFY(w_->CmdCtrl->isDefault());
        QTest::keyClick(w_->TxtCtrl, Qt::Key_Return);
        QVERIFY(w_->TimFind->isActive());
        QCOMPARE(w_->LblD->text(), QStringLiteral("Recherche en cours, patientez..."));
        QTest::keyClick(w_->TxtCtrl, Qt::Key_Backspace);
        QVERIFY(!w_->CmdCtrl->isEnabled());
        QVERIFY(!w_->CmdCtrl->isDefault());
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QChar>("touche");
        QTest::addColumn<QString>("apres");
        QTest::addColumn<bool>("message");
        QTest::newRow("lower-case letter kept") << "MAI" << QChar(u's') << "MAIs" << false;
        QTest::newRow("15th letter") << "ABCDEFGHIJKLMN" << QChar(u'O') << "ABCDEFGHIJKLMN" << false;
        QTest::newRow("digit") << "MAI" << QChar(u'1') << "MAI" << true;
        QTest::newRow("accented letter") << "MAI" << QChar(u'é') << "MAI" << true;
        QTest::newRow("blank") << "MAI" << QChar(u' ') << "MAI" << true;
    }
    void keyFilter()
    {
        QFETCH(QString, avant);
        QFETCH(QChar, touche);
        QFETCH(QString, apres);
        QFETCH(bool, message);
        tape(avant);
        // A key event carrying the character, as the keyboard sends it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(touche));
        QApplication::sendEvent(w_->TxtCtrl, &press);
        QCOMPARE(w_->TxtCtrl->text(), apres);
        QCOMPARE(platform_.messages.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(
                platform_.messages.at(0).text,
                QStringLiteral("Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées."));
            QCOMPARE(platform_.messages.at(0).icon, Platform::Icon::Information);
            QCOMPARE(platform_.messages.at(0).title, QStringLiteral("Lexiparc"));
        }
        QTest::keyClick(w_->TxtCtrl, Qt::Key_Backspace);
        QCOMPARE(w_->TxtCtrl->text(), apres.chopped(1));
    }

    // An accent made with a dead key, or pasted, is refused as a typed one.
    void textNotTyped()
    {
        tape(QStringLiteral("p"));
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("ê"));
        QApplication::sendEvent(w_->TxtCtrl, &commit);
        QCOMPARE(w_->TxtCtrl->text(), QStringLiteral("p"));
        QCOMPARE(platform_.messages.size(), 1);
        w_->TxtCtrl->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("pêche"));
        w_->TxtCtrl->paste();
        QTRY_COMPARE(platform_.messages.size(), 2);
        QCOMPARE(w_->TxtCtrl->text(), QStringLiteral("pche"));
        QCOMPARE(platform_.messages.at(1).text,
                 QStringLiteral("Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées."));
    }

    void precisionOptions()
    {
        QTest::mouseClick(w_->Opt[2], Qt::LeftButton);
        QCOMPARE(w_->LblTaux->text(), QStringLiteral("70"));
        QVERIFY(w_->Foc->hasFocus());
        QTest::mouseClick(w_->Opt[1], Qt::LeftButton);
        QCOMPARE(w_->LblTaux->text(), QStringLiteral("80"));
        QTest::mouseClick(w_->Opt[0], Qt::LeftButton);
        QCOMPARE(w_->LblTaux->text(), QStringLiteral("90"));
        w_->TxtCtrl->setFocus();
        QTest::mouseClick(w_->Chk2, Qt::LeftButton);
        QVERIFY(!w_->Chk2->isChecked());
        QVERIFY(w_->Foc->hasFocus());
    }

    // Wait state, then the table, the count and the restored colours and pointer.
    void search()
    {
        tape(QStringLiteral("maison"));
        QTest::mouseClick(w_->Opt[2], Qt::LeftButton);
        w_->TxtRes->setPlainText(QStringLiteral("ancien"));
        QTest::mouseClick(w_->CmdCtrl, Qt::LeftButton);
        QVERIFY(w_->TxtRes->toPlainText().isEmpty());
        QCOMPARE(couleurFond(w_->TxtRes), 0xC0C0C0);
        QCOMPARE(couleurTexte(w_->LblD), 0xFF0000);
        QCOMPARE(w_->LblD->text(), QStringLiteral("Recherche en cours, patientez..."));
        QCOMPARE(platform_.lastPointer(w_.get()), int(Platform::Hourglass));
        QVERIFY(w_->TimFind->isActive());
        QCOMPARE(w_->TimFind->interval(), 500);
        QVERIFY(w_->isEnabled());

        QTRY_COMPARE(w_->LblD->text(), QStringLiteral("18 solutions trouvées."));
        QVERIFY(!w_->TimFind->isActive());
        QStringList attendu = QString::fromUtf8(lit(QStringLiteral("MAISON-70-1.txt"))).split(u'\n');
        attendu.removeLast();  // the final line break
        attendu.removeLast();  // the status line
        QCOMPARE(w_->TxtRes->toPlainText(), attendu.join(u'\n'));
        QCOMPARE(couleurTexte(w_->LblD), 0x4080);
        QCOMPARE(couleurFond(w_->TxtRes), 0xFFFFFF);
        QCOMPARE(platform_.lastPointer(w_.get()), int(Platform::Arrow));

        // Changing the options leaves the result as it is; 90 again restores the precise search.
        QTest::mouseClick(w_->Opt[0], Qt::LeftButton);
        QCOMPARE(w_->LblD->text(), QStringLiteral("18 solutions trouvées."));
        QTest::mouseClick(w_->CmdCtrl, Qt::LeftButton);
        QTRY_COMPARE(w_->LblD->text(), QStringLiteral("1 solutions trouvées."));
        QCOMPARE(w_->TxtRes->toPlainText(), QStringLiteral("Solutions:      L:  %\nMAISON           6 100%"));
    }

    void searchWithoutResult()
    {
        tape(QStringLiteral("ZYTHUMS"));
        QTest::mouseClick(w_->CmdCtrl, Qt::LeftButton);
        QTRY_COMPARE(w_->LblD->text(), QStringLiteral("0 solutions trouvées."));
        QCOMPARE(w_->TxtRes->toPlainText(), QStringLiteral("Solutions:      L:  %"));
    }

    void searchFailure()
    {
        w_.reset(new Frm16EnPanne(ctx_));
        w_->show();
        tape(QStringLiteral("MAISON"));
        QTest::mouseClick(w_->CmdCtrl, Qt::LeftButton);
        QTRY_COMPARE(w_->LblD->text(), QStringLiteral("Erreur programme."));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages.at(0).text, QStringLiteral("Overflow                 \r\nErreur interne 021 - 6"));
        QCOMPARE(platform_.messages.at(0).icon, Platform::Icon::Critical);
        QCOMPARE(module_.ErrCode, QStringLiteral("021"));
        QCOMPARE(module_.ErrNumero, 6);
        QCOMPARE(couleurTexte(w_->LblD), 0x404040);
        QVERIFY(w_->TxtRes->toPlainText().isEmpty());
        QCOMPARE(couleurFond(w_->TxtRes), 0xFFFFFF);
        QCOMPARE(platform_.lastPointer(w_.get()), int(Platform::Arrow));
    }
};

QTEST_MAIN(TestFrm16Approchant)
#include "test_frm16approchant.moc"
