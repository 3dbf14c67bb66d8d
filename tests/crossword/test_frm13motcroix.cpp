// Lexiparc — GPL-3.0-or-later.
// The crossword window driven through its controls, headless.
#include "WindowFixture.h"

#include "common/Colors.h"
#include "data/DataCounts.h"
#include "data/Records.h"
#include "tools/crossword/Frm13MotCroix.h"

#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
const QString kTitre = QStringLiteral("Lexiparc");
const QString kTrop = QStringLiteral(
    "Le nombre de caractère joker '' ? '' est trop important.\r\nModifiez la recherche.");
const QString kInvalide = QStringLiteral("Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      ");
const QString kCopie = QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      ");

QColor fond(QWidget* w)
{
    return w->palette().color(QPalette::Base);
}
QColor texte(QWidget* w)
{
    return w->palette().color(QPalette::Text);
}
QColor etiquette(QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}
}

class TestFrm13MotCroix : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<Frm13MotCroix> w_;

    QLineEdit* box(int i) { return w_->TxtS[size_t(i)]; }

    void choisit(int longueur)
    {
        w_->CboLMot->setCurrentIndex(longueur - 3);
        emit w_->CboLMot->activated(longueur - 3);
    }
    // Gives the focus to a box and types one key into it.
    void tape(int i, char key)
    {
        box(i)->setFocus();
        QTest::keyClick(box(i), key);
    }
    // Types a pattern ("?" for the open positions) into boxes 1 to n.
    void saisit(const QString& motif)
    {
        for (int i = 1; i <= motif.size(); ++i)
            if (motif.at(i - 1) != u'?')
                tape(i, char(motif.at(i - 1).toLatin1()));
    }
    QStringList rows() { return ::rows(w_->LstRech1); }
    void attendFinRecherche() { QTRY_VERIFY(!w_->TimRech1->isActive() && w_->isEnabled()); }

private slots:
    void init()
    {
        reset();
        QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/crossword/ANA"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        words_.AnaWords = splitRecords(f.readAll());
        w_ = std::make_unique<Frm13MotCroix>(ctx_);
        QTRY_VERIFY(w_->isVisible());  // shown by its start timer
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    void cleanup() { w_.reset(); }

    void opening()
    {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Assistant Mots Croisés"));
        QCOMPARE(w_->pos(), QPoint(40, 40));  // first cascade position, 600 twips
        QCOMPARE(w_->CboLMot->count(), 10);
        QCOMPARE(w_->CboLMot->itemText(0), QStringLiteral("03"));
        QCOMPARE(w_->CboLMot->itemText(9), QStringLiteral("12"));
        QCOMPARE(w_->CboLMot->currentIndex(), -1);
        for (int i = 1; i <= 12; ++i) {
            QVERIFY(!box(i)->isEnabled());
            QCOMPARE(box(i)->text(), QStringLiteral("?"));
            QCOMPARE(fond(box(i)), colorFromNumber(0xE0E0E0));
        }
        QVERIFY(!w_->CmdRech1->isEnabled());
        QCOMPARE(w_->CmdRech1->text(), QStringLiteral("Rechercher "));
        QVERIFY(w_->ImgCochA[1]->isVisible());
        QCOMPARE(w_->LstRech1->count(), 0);
    }

    void search_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("motif");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("label");
        QTest::newRow("A?? at length 3") << 3 << "a??" << QStringList{"ABE", "AIE", "AIL", "ART"} << "4 mots trouvés";
        QTest::newRow("one word") << 3 << "z??" << QStringList{"ZOO"} << "1 mot trouvé";
        QTest::newRow("two words") << 3 << "b??" << QStringList{"BAR", "BOA"} << "2 mots trouvés";
        QTest::newRow("a blank finds nothing") << 3 << "? ?" << QStringList{} << "Aucun mot trouvé";
        QTest::newRow("length 12, nine open") << 12 << "ab?????????s" << QStringList{"ABRACADABRAS"} << "1 mot trouvé";
    }
    void search()
    {
        QFETCH(int, length);
        QFETCH(QString, motif);
        QFETCH(QStringList, found);
        QFETCH(QString, label);
        choisit(length);
        saisit(motif);
        QVERIFY(w_->CmdRech1->isEnabled());
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        // Busy: list hidden, window disabled, button off, no hourglass.
        QVERIFY(w_->TimRech1->isActive());
        QVERIFY(!w_->LstRech1->isVisible());
        QVERIFY(!w_->isEnabled());
        QVERIFY(!w_->CmdRech1->isEnabled());
        attendFinRecherche();
        QCOMPARE(rows(), found);
        QCOMPARE(w_->LblRech1->text(), label);
        QVERIFY(w_->LstRech1->isVisible());
        QVERIFY(!w_->CmdRech1->isEnabled());
        QCOMPARE(platform_.screenPointers, (QList<int>{Platform::Arrow, Platform::Arrow}));
        QVERIFY(platform_.pointers.isEmpty());
        QVERIFY(platform_.messages.isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), box(w_->LblK->text().toInt()));
    }

    void buttonNeedsAKnownLetter()
    {
        choisit(3);
        QVERIFY(!w_->CmdRech1->isEnabled());
        tape(2, 'r');
        QVERIFY(w_->CmdRech1->isEnabled());
        // Deleting the letter puts "?" back.
        box(2)->setFocus();
        QTest::keyClick(box(2), Qt::Key_Backspace);
        QCOMPARE(box(2)->text(), QStringLiteral("?"));
        QCOMPARE(texte(box(2)), colorFromNumber(0x808080));
        QVERIFY(!w_->CmdRech1->isEnabled());
    }

    void buttonOffAfterSearchUntilABoxChanges()
    {
        choisit(3);
        saisit(QStringLiteral("a??"));
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        attendFinRecherche();
        QVERIFY(!w_->CmdRech1->isEnabled());
        tape(3, 'e');
        QVERIFY(w_->CmdRech1->isEnabled());
    }

    void openPositionLimits_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("open");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("length 3, two open") << 3 << 2 << true;
        QTest::newRow("length 5, four open") << 5 << 4 << false;
        QTest::newRow("length 5, three open") << 5 << 3 << true;
        QTest::newRow("length 11, nine open") << 11 << 9 << false;
        QTest::newRow("length 11, eight open") << 11 << 8 << true;
        QTest::newRow("length 12, nine open") << 12 << 9 << true;
    }
    void openPositionLimits()
    {
        QFETCH(int, length);
        QFETCH(int, open);
        QFETCH(bool, accepted);
        choisit(length);
        for (int i = open + 1; i <= length; ++i)
            tape(i, 'a');
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        QVERIFY(!w_->CmdRech1->isEnabled());
        QCOMPARE(platform_.screenPointers, QList<int>{Platform::Arrow});
        if (accepted) {
            QVERIFY(platform_.messages.isEmpty());
            QVERIFY(w_->TimRech1->isActive());
            attendFinRecherche();
        } else {
            QCOMPARE(platform_.messages.size(), 1);
            QCOMPARE(platform_.messages[0].text, kTrop);
            QCOMPARE(platform_.messages[0].title, kTitre);
            QCOMPARE(platform_.messages[0].icon, Platform::Icon::Critical);
            QCOMPARE(w_->TropJokers, std::uint8_t(0));
            QVERIFY(!w_->TimRech1->isActive());
            QVERIFY(w_->isEnabled());
            QVERIFY(w_->LstRech1->isVisible());
            QCOMPARE(QApplication::focusWidget(), box(1));
        }
    }

    void typing()
    {
        choisit(5);
        tape(2, 'e');
        QCOMPARE(box(2)->text(), QStringLiteral("E"));
        QCOMPARE(texte(box(2)), colorFromNumber(0x80));
        // The text is selected when the box gets the focus: a new letter replaces it.
        tape(2, 'x');
        QCOMPARE(box(2)->text(), QStringLiteral("X"));
        // Also when the box is given the focus by a mouse click.
        QTest::mouseClick(box(3), Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(box(3)->selectedText(), QStringLiteral("?"));
        QTest::keyClick(box(3), 'u');
        QCOMPARE(box(3)->text(), QStringLiteral("U"));
        tape(4, ' ');
        QCOMPARE(box(4)->text(), QStringLiteral(" "));
        QCOMPARE(texte(box(4)), colorFromNumber(0x80));
        QVERIFY(platform_.messages.isEmpty());
    }

    void invalidCharacter()
    {
        choisit(5);
        tape(3, '1');
        QCOMPARE(box(3)->text(), QStringLiteral("?"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, kInvalide);
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::None);
        QCOMPARE(module_.MsgTexte, kInvalide);
        // A letter box goes back to its letter; a new key press may show the message again.
        tape(1, 'b');
        tape(1, '%');
        QCOMPARE(box(1)->text(), QStringLiteral("B"));
        QCOMPARE(platform_.messages.size(), 2);
        // An accent made with a dead key comes without a key press of its own: it is refused
        // the same way, message included.
        box(2)->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(box(2), &commit);
        QCOMPARE(box(2)->text(), QStringLiteral("?"));
        QCOMPARE(platform_.messages.size(), 3);
    }

    void autoAdvance()
    {
        choisit(5);
        tape(3, 'a');
        QCOMPARE(QApplication::focusWidget(), box(4));
        QCOMPARE(box(3)->text(), QStringLiteral("A"));
        QCOMPARE(box(4)->text(), QStringLiteral("?"));
        tape(5, 'b');
        QCOMPARE(QApplication::focusWidget(), box(5));
        QCOMPARE(box(5)->text(), QStringLiteral("B"));

        // Option off: the focus stays and goes back to the last box.
        QTest::mouseClick(w_->ImgCochA[1], Qt::LeftButton);
        QVERIFY(w_->ImgCochA[1]->isHidden());
        QCOMPARE(QApplication::focusWidget(), box(5));
        tape(2, 'c');
        QCOMPARE(QApplication::focusWidget(), box(2));
        QTest::mouseClick(w_->ImgCochA[0], Qt::LeftButton);
        QVERIFY(!w_->ImgCochA[1]->isHidden());
    }

    void arrows_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("left in box 1") << 5 << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("left in box 3") << 5 << 3 << int(Qt::Key_Left) << 2;
        QTest::newRow("right in box 3") << 5 << 3 << int(Qt::Key_Right) << 4;
        QTest::newRow("right in the last enabled box") << 5 << 5 << int(Qt::Key_Right) << 5;
        QTest::newRow("right in box 12") << 12 << 12 << int(Qt::Key_Right) << 12;
    }
    void arrows()
    {
        QFETCH(int, length);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        choisit(length);
        box(from)->setFocus();
        QTest::keyClick(box(from), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), box(to));
        QCOMPARE(w_->LblK->text(), QString::number(to));
        QVERIFY(platform_.messages.isEmpty());
    }

    void length4After6()
    {
        choisit(6);
        saisit(QStringLiteral("abimer"));
        choisit(4);
        for (int i = 1; i <= 12; ++i) {
            const bool on = i <= 4;
            QCOMPARE(box(i)->isEnabled(), on);
            QCOMPARE(box(i)->text(), QStringLiteral("?"));
            QCOMPARE(texte(box(i)), colorFromNumber(0x808080));
            QCOMPARE(fond(box(i)), colorFromNumber(on ? 0xFFFFFF : 0xE0E0E0));
            QCOMPARE(etiquette(w_->LblN[size_t(i)]), colorFromNumber(on ? 0x000000 : 0x808080));
        }
        QVERIFY(!w_->CmdRech1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), box(1));
        QCOMPARE(w_->LongueurMot, 4.0f);
    }

    void copyResult()
    {
        choisit(3);
        saisit(QStringLiteral("b??"));
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        attendFinRecherche();
        auto clique = [this](int row) {
            QListWidgetItem* it = w_->LstRech1->item(row);
            QTest::mouseClick(w_->LstRech1->viewport(), Qt::LeftButton, {}, w_->LstRech1->visualItemRect(it).center());
        };
        clique(0);
        QCOMPARE(platform_.clipboard, QStringLiteral("BAR"));
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, kCopie);
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(platform_.messages[0].title, kTitre);
        clique(1);
        QCOMPARE(platform_.clipboard, QStringLiteral("BOA"));
        QCOMPARE(platform_.clipboardClears, 2);
        QCOMPARE(platform_.messages.size(), 1);

        // A click on the word already selected copies it again.
        platform_.clipboard.clear();
        clique(1);
        QCOMPARE(platform_.clipboard, QStringLiteral("BOA"));
        QCOMPARE(platform_.clipboardClears, 3);
        // The keyboard changes the selection: the new word is copied at once.
        QTest::keyClick(w_->LstRech1, Qt::Key_Up);
        QCOMPARE(platform_.clipboard, QStringLiteral("BAR"));
        QTest::keyClick(w_->LstRech1, Qt::Key_Down);
        QCOMPARE(platform_.clipboard, QStringLiteral("BOA"));
        QCOMPARE(platform_.clipboardClears, 5);
        // Pressed on one word and released on another: the word released on, once.
        QWidget* vue = w_->LstRech1->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, w_->LstRech1->visualItemRect(w_->LstRech1->item(1)).center());
        QTest::mouseMove(vue, w_->LstRech1->visualItemRect(w_->LstRech1->item(0)).center());
        QTest::mouseRelease(vue, Qt::LeftButton, {}, w_->LstRech1->visualItemRect(w_->LstRech1->item(0)).center());
        QCOMPARE(platform_.clipboard, QStringLiteral("BAR"));
        QCOMPARE(platform_.clipboardClears, 6);
        QCOMPARE(platform_.messages.size(), 1);
    }

    // A list given the focus with nothing selected copies nothing; the first Down key then
    // selects and copies the first word, the next one the second.
    void focusOnTheListCopiesNothing()
    {
        choisit(3);
        saisit(QStringLiteral("b??"));
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        attendFinRecherche();
        w_->LstRech1->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w_->LstRech1);
        QCOMPARE(platform_.clipboardClears, 0);
        QVERIFY(platform_.messages.isEmpty());
        QTest::keyClick(w_->LstRech1, Qt::Key_Down);
        QCOMPARE(w_->LstRech1->currentRow(), 0);
        QCOMPARE(platform_.clipboard, QStringLiteral("BAR"));
        QTest::keyClick(w_->LstRech1, Qt::Key_Down);
        QCOMPARE(platform_.clipboard, QStringLiteral("BOA"));
        QCOMPARE(platform_.clipboardClears, 2);
    }

    // Only the box with the focus shows its text selected.
    void onlyTheFocusedBoxShowsASelection()
    {
        auto selectionnees = [this] {
            QList<int> r;
            for (int i = 1; i <= 12; ++i)
                if (box(i)->hasSelectedText())
                    r << i;
            return r;
        };
        choisit(6);
        QCOMPARE(QApplication::focusWidget(), box(1));
        QCOMPARE(selectionnees(), QList<int>{1});
        tape(3, 'a');  // auto-advance
        QCOMPARE(QApplication::focusWidget(), box(4));
        QCOMPARE(selectionnees(), QList<int>{4});
        QTest::mouseClick(box(2), Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(selectionnees(), QList<int>{2});
        choisit(4);
        QCOMPARE(QApplication::focusWidget(), box(1));
        QCOMPARE(selectionnees(), QList<int>{1});
    }

    // Without the anagram data loaded at start, the window reads the 2-to-12-letter list itself.
    void loadsTheListWhenNeverLoaded()
    {
        words_.AnaWords.clear();
        choisit(3);
        saisit(QStringLiteral("a??"));
        QTest::mouseClick(w_->CmdRech1, Qt::LeftButton);
        attendFinRecherche();
        QVERIFY(platform_.messages.isEmpty());
        QCOMPARE(int(words_.AnaWords.size()), DataCounts::kAnaFin[12] + 1);
        QVERIFY(!words_.Anagrammes.built());
        QCOMPARE(words_.AnaLoaded, std::uint8_t(0));
        const QStringList r = rows();
        QVERIFY(!r.isEmpty());
        for (const QString& m : r)
            QVERIFY2(m.size() == 3 && m.startsWith(u'A'), qPrintable(m));
        QCOMPARE(w_->LblRech1->text(), QString::number(r.size()) + QStringLiteral(" mots trouvés"));
    }

    // A search started with no length chosen fails in the click ("104", then goes on) and in
    // the search ("106", which ends it and restores the window).
    void internalErrors()
    {
        w_->LblRech1->setText(QStringLiteral("avant"));
        w_->CmdRech1_Click();
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text,
                 QStringLiteral("Subscript out of range                 \r\nErreur interne 104 - 9"));
        QCOMPARE(platform_.messages[0].icon, Platform::Icon::Critical);
        QVERIFY(w_->TimRech1->isActive());
        attendFinRecherche();
        QCOMPARE(platform_.messages.size(), 2);
        QCOMPARE(platform_.messages[1].text,
                 QStringLiteral("Subscript out of range                 \r\nErreur interne 106 - 9"));
        QCOMPARE(module_.ErrCode, QStringLiteral("106"));
        QCOMPARE(module_.ErrNumero, 9);
        QVERIFY(!w_->LstRech1->isVisible());
        QCOMPARE(w_->LstRech1->count(), 0);
        QCOMPARE(w_->LblRech1->text(), QStringLiteral("avant"));
        QCOMPARE(platform_.screenPointers, (QList<int>{Platform::Arrow, Platform::Arrow}));
    }
};

QTEST_MAIN(TestFrm13MotCroix)
#include "test_frm13motcroix.moc"
