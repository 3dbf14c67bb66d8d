// Lexiparc — GPL-3.0-or-later.
// The about box in the main frame and the contact form: texts, checks, marks, the URL
// handed to the mail client, and the closing timers.
#include "WindowFixture.h"

#include "about/Frm20About.h"
#include "about/FrmMail.h"
#include "about/UrlMail.h"
#include "app/MDI.h"
#include "common/Colors.h"
#include "tools/postcodes/Frm14CD.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

class TestAbout : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<MDI> mdi_;

    FrmMail* mail()
    {
        auto* f = montreFrmMail(ctx_);
        return f;
    }
    static bool marked(const FrmMail* f, int i) { return !f->ImgF[size_t(i)]->isHidden(); }
    void fill(FrmMail* f, const QString& nom, const QString& pre, const QString& rem)
    {
        QTest::keyClicks(f->TxtNom, nom);
        QTest::keyClicks(f->TxtPre, pre);
        f->TxtRem->setPlainText(rem);
    }
    QString field(const QString& name) const
    {
        return QUrlQuery(QUrl(platform_.openedUrls.last())).queryItemValue(name, QUrl::FullyDecoded);
    }

private slots:
    void init()
    {
        reset();
        module_.VersionProg = QStringLiteral("1.20");
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
    }
    void cleanup() { mdi_.reset(); }

    void mailLoad()
    {
        QPointer<FrmMail> f = mail();
        QVERIFY(f);
        QCOMPARE(f->parentWidget()->pos(), QPoint(twipsToPixels(330), twipsToPixels(495)));
        QCOMPARE(f->width(), f->Pic2->width() - twipsToPixels(30));
        QCOMPARE(f->height(), f->CmdAnnule->y() + f->CmdAnnule->height() + twipsToPixels(180));
        QCOMPARE(f->TxtObj->text(), QStringLiteral("Lexiparc Version 1.20"));
        QCOMPARE(f->TxtAdresse->text(), QStringLiteral("contact@lexiparc.fr"));
        QCOMPARE(f->LblInfo1->text().split(QStringLiteral("\r\n")).size(), 7);
        QVERIFY(f->LblInfo1->text().endsWith(QStringLiteral("\r\n''Envoyer le message''.")));
        QVERIFY(f->LblInfo3->text().startsWith(QStringLiteral("               votre message\r\nsera pris")));
        QVERIFY(f->LblInfo3->text().endsWith(QStringLiteral("votre  compréhension.\r\n")));
        for (int i : {1, 2, 4, 5})
            QVERIFY(!marked(f, i));
        QVERIFY(!f->CmdMail->isEnabled());
        QCOMPARE(f->CmdMail->text(), QStringLiteral("Envoyer le message >>"));
        QVERIFY(f->TimDeb->isActive());
        QCOMPARE(f->TimDeb->interval(), 500);
        QVERIFY(!f->TimEnd->isActive());
        QTRY_VERIFY(!f->TimDeb->isActive());
        QVERIFY(f->isVisible());
    }

    // The default subject counts as filled; after the send the form closes 3 s later.
    void defaultSubjectSends()
    {
        QPointer<FrmMail> f = mail();
        fill(f, QStringLiteral("Dupont"), QStringLiteral("Jean"), QStringLiteral("un\ndeux\ntrois"));
        QVERIFY(f->CmdMail->isEnabled());
        f->CmdMail->click();
        QVERIFY(platform_.messages.isEmpty());
        QCOMPARE(platform_.openedUrls,
                 QStringList{"mailto:contact@lexiparc.fr?Subject=Lexiparc%20Version%201.20"
                             "&Body=Nom%3A%20Dupont%0D%0APrenom%3A%20Jean%0D%0A%0D%0Aun%0D%0Adeux%0D%0Atrois"});
        QVERIFY(f->TimEnd->isActive());
        QCOMPARE(f->TimEnd->interval(), 3000);
        QVERIFY(f->isVisible());
        f->TimEnd->stop();
        f->TimEnd_Timer();
        QTRY_VERIFY(f.isNull());
    }

    // A message too long for a mailto: URL is refused before the launch; a mail client that
    // cannot be started is reported. Either way the form stays open with what was typed.
    void mailNotSent_data()
    {
        QTest::addColumn<int>("extra");        // characters of text beyond the longest URL
        QTest::addColumn<bool>("launched");    // what the platform answers
        QTest::addColumn<QString>("message");  // empty: sent
        const QString tropLong = QStringLiteral("Le message est trop long pour être transmis au programme de "
                                                "messagerie.\r\nRaccourcissez le texte du message.");
        const QString nonLance = QStringLiteral(
            "Le programme de messagerie n'a pas pu être lancé.\r\nLe message n'a pas été envoyé.");
        QTest::newRow("longest message") << 0 << true << QString();
        QTest::newRow("one character more") << 1 << true << tropLong;
        QTest::newRow("mail client not started") << -100 << false << nonLance;
    }
    void mailNotSent()
    {
        QFETCH(int, extra);
        QFETCH(bool, launched);
        QFETCH(QString, message);
        platform_.openUrlResult = launched;
        QPointer<FrmMail> f = mail();
        const QString corpsVide = QStringLiteral("Nom: Dupont\r\nPrenom: Jean\r\n\r\n");
        const qsizetype base = urlMail(f->TxtAdresse->text(), f->TxtObj->text(), corpsVide, {}, {}).size();
        const QString texte(kLongueurMaxUrlMail - base + extra, u'a');
        fill(f, QStringLiteral("Dupont"), QStringLiteral("Jean"), texte);
        f->CmdMail->click();
        if (message.isEmpty()) {
            QVERIFY(platform_.messages.isEmpty());
            QCOMPARE(platform_.openedUrls.last().size(), kLongueurMaxUrlMail);
            QVERIFY(f->TimEnd->isActive());
            return;
        }
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, message);
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Exclamation);
        QCOMPARE(platform_.openedUrls.size(), launched ? 0 : 1);
        QVERIFY(!f->TimEnd->isActive());
        QTest::qWait(50);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->TxtRem->toPlainText(), texte);
        QCOMPARE(f->TxtNom->text(), QStringLiteral("Dupont"));
    }

    void ampersandStaysInTheSubject()
    {
        FrmMail* f = mail();
        f->TxtObj->setText(QStringLiteral("Q&R&CC=x@y.fr"));
        fill(f, QStringLiteral("A & B"), QStringLiteral("C#"), QStringLiteral("100% sûr ?"));
        f->CmdMail->click();
        QCOMPARE(platform_.openedUrls.size(), 1);
        QCOMPARE(field(QStringLiteral("Subject")), QStringLiteral("Q&R&CC=x@y.fr"));
        QCOMPARE(field(QStringLiteral("Body")), QStringLiteral("Nom: A & B\r\nPrenom: C#\r\n\r\n100% sûr ?"));
        QCOMPARE(QUrlQuery(QUrl(platform_.openedUrls.last())).queryItems().size(), 2);
    }

    // No-break spaces typed in the text (French typography) reach the mail client as typed.
    void noBreakSpacesStay()
    {
        FrmMail* f = mail();
        fill(f, QStringLiteral("Dupont"), QStringLiteral("Jean"), QString());
        f->TxtRem->setFocus();
        const QString typed = QStringLiteral("Pourquoi\u00a0? «\u00a0oui\u00a0»");
        QTest::keyClicks(f->TxtRem, typed);
        QTest::keyClick(f->TxtRem, Qt::Key_Return);
        QTest::keyClicks(f->TxtRem, QStringLiteral("Merci\u00a0!"));
        f->CmdMail->click();
        QCOMPARE(platform_.openedUrls.size(), 1);
        QCOMPARE(field(QStringLiteral("Body")),
                 QStringLiteral("Nom: Dupont\r\nPrenom: Jean\r\n\r\n") + typed + QStringLiteral("\r\nMerci\u00a0!"));
    }

    // Emptying the subject disables sending; retyping it does not enable it again, a change
    // of another box does.
    void emptiedSubject()
    {
        FrmMail* f = mail();
        fill(f, QStringLiteral("Dupont"), QStringLiteral("Jean"), QStringLiteral("texte"));
        QVERIFY(f->CmdMail->isEnabled());
        f->TxtObj->clear();
        QVERIFY(!f->CmdMail->isEnabled());
        QTest::keyClicks(f->TxtObj, QStringLiteral("Objet"));
        QVERIFY(!f->CmdMail->isEnabled());
        QTest::keyClicks(f->TxtPre, QStringLiteral("-Paul"));
        QVERIFY(f->CmdMail->isEnabled());
        // Emptying any other box disables it too.
        f->TxtNom->clear();
        QVERIFY(!f->CmdMail->isEnabled());
    }

    void incompleteForm_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("pre");
        QTest::addColumn<QString>("obj");
        QTest::addColumn<QString>("rem");
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<QString>("focus");
        QTest::newRow("first name and text") << "Dupont"
                                             << ""
                                             << "Objet"
                                             << "" << QList<int>{2, 5} << "TxtRem";
        QTest::newRow("surname only") << ""
                                      << "Jean"
                                      << "Objet"
                                      << "t" << QList<int>{1} << "TxtNom";
        QTest::newRow("subject and surname") << ""
                                             << "Jean"
                                             << ""
                                             << "t" << QList<int>{1, 4} << "TxtObj";
    }
    void incompleteForm()
    {
        QFETCH(QString, nom);
        QFETCH(QString, pre);
        QFETCH(QString, obj);
        QFETCH(QString, rem);
        QFETCH(QList<int>, marks);
        QFETCH(QString, focus);
        FrmMail* f = mail();
        f->TxtNom->setText(nom);
        f->TxtPre->setText(pre);
        f->TxtObj->setText(obj);
        f->TxtRem->setPlainText(rem);
        f->CmdMail->setEnabled(true);
        f->CmdMail->click();
        for (int i : {1, 2, 4, 5})
            QCOMPARE(marked(f, i), marks.contains(i));
        QCOMPARE(f->focusWidget()->objectName(), focus);
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("Le formulaire est incomplet.      "));
        QCOMPARE(platform_.messages[0].buttons, Platform::Buttons::Ok);
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::None);
        QVERIFY(platform_.openedUrls.isEmpty());
        QVERIFY(!f->TimEnd->isActive());
        // Typing in a marked box hides its mark.
        if (marks.contains(1)) {
            QTest::keyClicks(f->TxtNom, QStringLiteral("X"));
            QVERIFY(!marked(f, 1));
        }
    }

    void blanksCountAsFilled()
    {
        FrmMail* f = mail();
        fill(f, QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "));
        f->CmdMail->click();
        QVERIFY(platform_.messages.isEmpty());
        QCOMPARE(platform_.openedUrls.size(), 1);
    }

    // The message text takes several lines; Tab leaves it rather than typing a tabulation.
    void tabLeavesTheMessageText()
    {
        FrmMail* f = mail();
        QTRY_VERIFY(f->isVisible());
        f->TxtRem->setFocus();
        QTest::keyClicks(f->TxtRem, QStringLiteral("un"));
        QTest::keyClick(f->TxtRem, Qt::Key_Return);
        QTest::keyClicks(f->TxtRem, QStringLiteral("deux"));
        QTest::keyClick(f->TxtRem, Qt::Key_Tab);
        QCOMPARE(f->TxtRem->toPlainText(), QStringLiteral("un\ndeux"));
        QVERIFY(!f->TxtRem->hasFocus());
    }

    void cancelCloses()
    {
        QPointer<FrmMail> f = mail();
        f->CmdAnnule->click();
        QTRY_VERIFY(f.isNull());
        QVERIFY(platform_.openedUrls.isEmpty());
    }

    void aboutBox()
    {
        mdi_->CmdAbout->click();
        QPointer<Frm20About> a = qobject_cast<Frm20About*>(mdi_->fenetre(FabriqueFrm20About));
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("A propos du programme"));
        QCOMPARE(a->size(), QSize(a->FraLoad->width() + 6, a->FraLoad->height() + 8));
        const int w = pixelsToTwips(mdi_->width()), h = pixelsToTwips(mdi_->height());
        QCOMPARE(a->parentWidget()->pos(), QPoint(twipsToPixels((w - pixelsToTwips(a->width())) / 2),
                                                  twipsToPixels((h - pixelsToTwips(a->height())) / 4)));
        QCOMPARE(a->Sha1->y(), 4);
        QCOMPARE(a->LblVerB->text(), QStringLiteral("1.20"));
        QCOMPARE(a->LblInf2->text().split(QStringLiteral("\r\n")).size(), 3);
        QVERIFY(!a->ImgLogoGauche->pixmap().isNull());
        QCOMPARE(a->CmdSite->toolTip(), QStringLiteral("Se connecter à internet"));
        QCOMPARE(module_.PosGauche, 0);

        a->CmdSite->click();
        QCOMPARE(platform_.openedUrls, QStringList{"https://lexiparc.fr/"});
        QCOMPARE(a->focusWidget(), a->Foc);
        QTest::mouseClick(a->LblCertificat, Qt::LeftButton);
        QCOMPARE(platform_.openedUrls.size(), 2);
        QVERIFY(platform_.openedUrls[1].startsWith(QStringLiteral("https://")));

        // A second click on the tool bar only focuses the box.
        mdi_->CmdAbout->click();
        QCOMPARE(mdi_->fenetre(FabriqueFrm20About), a.data());
        QCOMPARE(mdi_->zone()->subWindowList().size(), 1);

        a->CmdFerme->click();
        QTRY_VERIFY(a.isNull());
    }

    // The description holds on one line of its label.
    void descriptionOnOneLine()
    {
        auto* a = qobject_cast<Frm20About*>(mdi_->OuvreOutil(FabriqueFrm20About));
        const QLabel* l = a->LblDescription;
        QVERIFY(!l->wordWrap());
        QVERIFY(l->text().startsWith(QStringLiteral("Dictionnaire")));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width());
        QVERIFY(l->fontMetrics().height() <= l->height());
    }

    // The conditions page opens on a left click on the link: pressed and released over it.
    void certificateClick_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("pressOnLink");
        QTest::addColumn<bool>("releaseOnLink");
        QTest::addColumn<int>("opened");
        QTest::newRow("left click") << int(Qt::LeftButton) << true << true << 1;
        QTest::newRow("right click") << int(Qt::RightButton) << true << true << 0;
        QTest::newRow("middle click") << int(Qt::MiddleButton) << true << true << 0;
        QTest::newRow("pressed elsewhere") << int(Qt::LeftButton) << false << true << 0;
        QTest::newRow("released elsewhere") << int(Qt::LeftButton) << true << false << 0;
    }
    void certificateClick()
    {
        QFETCH(int, button);
        QFETCH(bool, pressOnLink);
        QFETCH(bool, releaseOnLink);
        QFETCH(int, opened);
        auto* a = qobject_cast<Frm20About*>(mdi_->OuvreOutil(FabriqueFrm20About));
        QLabel* link = a->LblCertificat;
        const auto b = Qt::MouseButton(button);
        if (pressOnLink)
            QTest::mousePress(link, b, {}, QPoint(10, 10));
        else
            QTest::mousePress(a->LblInf2, b, {}, QPoint(10, 10));
        QTest::mouseRelease(link, b, {}, releaseOnLink ? QPoint(10, 10) : QPoint(10, link->height() + 30));
        QCOMPARE(platform_.openedUrls.size(), opened);
        // A double click (press, release, double-click press, release) opens the page once.
        platform_.openedUrls.clear();
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(link, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(platform_.openedUrls.size(), 1);
    }

    // The contact button shows the form again without reloading it.
    void contactKeepsWhatWasTyped()
    {
        auto* a = qobject_cast<Frm20About*>(mdi_->OuvreOutil(FabriqueFrm20About));
        a->CmdContact->click();
        auto* f = qobject_cast<FrmMail*>(mdi_->fenetre(FabriqueFrmMail));
        QVERIFY(f);
        QTest::keyClicks(f->TxtNom, QStringLiteral("Dupont"));
        f->TxtObj->clear();
        a->CmdContact->click();
        QCOMPARE(mdi_->fenetre(FabriqueFrmMail), f);
        QCOMPARE(f->TxtNom->text(), QStringLiteral("Dupont"));
        QCOMPARE(f->TxtObj->text(), QString());
        QCOMPARE(mdi_->zone()->subWindowList().size(), 2);
        QVERIFY(mdi_->fenetre(FabriqueFrm20About));
    }

    // Closing the contact form, by its cancel button or after sending, brings back to the
    // front the about box that opened it, not the window behind them.
    void aboutBoxInFrontAfterContact_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::newRow("cancelled") << false;
        QTest::newRow("sent") << true;
    }
    void aboutBoxInFrontAfterContact()
    {
        QFETCH(bool, sent);
        QVERIFY(QTest::qWaitForWindowActive(mdi_.get()));
        mdi_->CmdCodPos->click();
        QWidget* behind = mdi_->fenetre(FabriqueFrm14CD);
        QVERIFY(behind);
        mdi_->CmdAbout->click();
        auto* a = qobject_cast<Frm20About*>(mdi_->fenetre(FabriqueFrm20About));
        QVERIFY(a);
        a->CmdContact->click();
        QPointer<FrmMail> f = qobject_cast<FrmMail*>(mdi_->fenetre(FabriqueFrmMail));
        QVERIFY(f);
        QTRY_VERIFY(!f->TimDeb->isActive());
        if (sent) {
            fill(f, QStringLiteral("Dupont"), QStringLiteral("Jean"), QStringLiteral("texte"));
            f->CmdMail->click();
            QVERIFY(f->TimEnd->isActive());
            f->TimEnd->stop();
            f->TimEnd_Timer();
        } else {
            f->CmdAnnule->click();
        }
        QTRY_VERIFY(f.isNull());
        QTRY_COMPARE(mdi_->zone()->activeSubWindow(), a->parentWidget());
        QCOMPARE(mdi_->zone()->subWindowList(QMdiArea::StackingOrder).last(), a->parentWidget());
        QVERIFY(a->isAncestorOf(QApplication::focusWidget()));
    }

    void escapeCloses()
    {
        QPointer<Frm20About> a = qobject_cast<Frm20About*>(mdi_->OuvreOutil(FabriqueFrm20About));
        a->CmdContact->setFocus();
        QTest::keyClick(a->CmdContact, Qt::Key_Escape);
        QTRY_VERIFY(a.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
