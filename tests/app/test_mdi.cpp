// Lexiparc — GPL-3.0-or-later.
// The main frame: tool bar, colours, size, the cascade of tool windows, opening or focusing
// a window, and the quit question.
#include "WindowFixture.h"

#include "app/MDI.h"
#include "app/ToolBarWindows.h"
#include "app/PlacementCadre.h"
#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Windows.h"
#include "data/DataCounts.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
int created = 0;

// A tool window that places itself as the tool windows do.
QWidget* outilEssai(AppContext& c)
{
    ++created;
    auto* w = new QWidget;
    w->setFixedSize(200, 100);
    PositionFenetreSuivante(c.module);
    w->move(twipsToPixels(c.module.PosGauche), twipsToPixels(c.module.PosHaut));
    return w;
}
const Fabrique kOutils[7] = {{outilEssai}, {outilEssai}, {outilEssai}, {outilEssai},
                             {outilEssai}, {outilEssai}, {outilEssai}};

// The part of a control that its parents let show, in the coordinates of `window`; empty
// for a control kept out of sight on purpose.
QRect partShown(QWidget* control, QWidget* window)
{
    QRect r(control->mapTo(window, QPoint()), control->size());
    for (QWidget* p = control->parentWidget(); p && p != window; p = p->parentWidget())
        r &= QRect(p->mapTo(window, QPoint()), p->size());
    return r & window->rect();
}

// Scrolls the client area as far as its scroll bars go to show `r` (in the coordinates of
// `window`); true when it then lies wholly in sight.
bool scrollIntoView(QMdiArea* area, QWidget* window, const QRect& r)
{
    QWidget* view = area->viewport();
    const auto inView = [&] { return QRect(window->mapTo(view, r.topLeft()), r.size()); };
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        const bool h = bar == area->horizontalScrollBar();
        const int length = h ? view->width() : view->height();
        const auto near = [&] { return h ? inView().left() : inView().top(); };
        const auto far = [&] { return h ? inView().right() : inView().bottom(); };
        if (far() >= length)
            bar->setValue(bar->value() + far() - length + 1);
        if (near() < 0)
            bar->setValue(bar->value() + near());
    }
    return view->rect().contains(inView());
}
}

class TestMDI : public QObject, WindowFixture<> {
    Q_OBJECT
    std::unique_ptr<MDI> mdi_;

    QPoint placeOf(QWidget* w) const { return qobject_cast<QMdiSubWindow*>(w->parentWidget())->pos(); }
    static QPoint twips(int t) { return QPoint(twipsToPixels(t), twipsToPixels(t)); }
    // The real windows open without their data: it counts as loaded.
    void realWindows()
    {
        initialiseModule(module_, QStringLiteral(LEXIPARC_SOURCE_DIR "/resources"), QStringLiteral("1.20"));
        words_.AnaLoaded = 1;
        words_.SynoLoaded = 1;
    }

private slots:
    void init()
    {
        reset();
        initialiseModule(module_, QString(), QString());
        platform_.screenTwips = QSize(30000, 18000);
        created = 0;
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
    }
    void cleanup() { mdi_.reset(); }

    void toolBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("tip");
        QTest::newRow("CmdMotsCroix") << "CmdMotsCroix" << 0 << "Mots croisés";
        QTest::newRow("CmdAp") << "CmdAp" << 600 << "Mots approchants";
        QTest::newRow("CmdTLMP") << "CmdTLMP" << 1200 << "Anagrammes-Tous les mots possibles";
        // The shipped word count, its digits grouped by three with blanks.
        const QString nbMots = QLocale(QLocale::English).toString(qint64(DataCounts::kNbMots)).replace(u',', u' ');
        QTest::newRow("CmdDico") << "CmdDico" << 1800 << QStringLiteral("Le dictionnaire %1 mots").arg(nbMots);
        QTest::newRow("CmdSyno") << "CmdSyno" << 2400 << "Les synonymes";
        QTest::newRow("CmdScrabble") << "CmdScrabble" << 3000 << "Mots admis au jeu de scrabble";
        QTest::newRow("CmdCodPos") << "CmdCodPos" << 3600 << "Codes postaux et villes";
        QTest::newRow("CmdOptions") << "CmdOptions" << 4200 << "Options du programme";
        QTest::newRow("CmdAbout") << "CmdAbout" << 4800 << "A propos du programme";
        QTest::newRow("CmdQ") << "CmdQ" << 5400 << "Quitter le programme";
    }
    void toolBar()
    {
        QFETCH(QString, name);
        QFETCH(int, top);
        QFETCH(QString, tip);
        auto* b = mdi_->PicCmd->findChild<QPushButton*>(name);
        QVERIFY(b);
        QCOMPARE(b->geometry(), QRect(0, twipsToPixels(top), twipsToPixels(675), twipsToPixels(630)));
        QCOMPARE(b->toolTip(), tip);
        QVERIFY(!b->icon().isNull());
        QVERIFY(!b->icon().pixmap(32, 32).isNull());
    }

    void frame()
    {
        QCOMPARE(mdi_->windowTitle(), QStringLiteral("Lexiparc"));
        QCOMPARE(ctx_.mdi, mdi_.get());
        QCOMPARE(mdi_->size(), QSize(twipsToPixels(15660), twipsToPixels(11595)));
        QCOMPARE(mdi_->pos(), QPoint(twipsToPixels((30000 - 15660) / 2), twipsToPixels((18000 - 11595) / 2)));
        QCOMPARE(mdi_->PicCmd->width(), twipsToPixels(720));
        QCOMPARE(mdi_->PicCmd->height(), mdi_->centralWidget()->height());
        QCOMPARE(mdi_->zone()->background().color(), QColor(Qt::white));
        QCOMPARE(mdi_->PicCmd->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(mdi_->CmdQ->isEnabled());
        // Foc lies beyond the bar's right edge, out of sight.
        QCOMPARE(mdi_->Foc->x(), twipsToPixels(1500));
        QVERIFY(mdi_->Foc->x() >= mdi_->PicCmd->width());
        QVERIFY(mdi_->TimDem->isActive());
        QCOMPARE(mdi_->TimDem->interval(), 100);
        QTRY_VERIFY(!mdi_->TimDem->isActive());
        QCOMPARE(mdi_->focusWidget(), mdi_->Foc);
    }

    // The frame on screens of every size (twips; a title bar of 300 and borders of 60):
    // centred when it fits in the area that windows may take, kept within it; otherwise it
    // takes that area, maximised, its title bar at the area's top.
    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximised");
        const QMargins m(60, 300, 60, 60);
        QTest::newRow("large screen") << QSize(30000, 18000) << QRect(0, 0, 30000, 18000)
                                      << QRect(7170, 3202, 15660, 11595) << false;
        QTest::newRow("panel over the centred place")
            << QSize(17000, 12600) << QRect(0, 600, 17000, 12000) << QRect(670, 600, 15660, 11595) << false;
        QTest::newRow("1366x768") << QSize(20490, 11520) << QRect(0, 0, 20490, 11520)
                                  << QRect(QPoint(0, 0), QSize(20490, 11520).shrunkBy(m)) << true;
        QTest::newRow("taller than the client area, not than the frame")
            << QSize(20490, 11700) << QRect(0, 0, 20490, 11700) << QRect(QPoint(0, 0), QSize(20490, 11700).shrunkBy(m))
            << true;
        QTest::newRow("1024x600") << QSize(15360, 9000) << QRect(0, 0, 15360, 9000)
                                  << QRect(QPoint(0, 0), QSize(15360, 9000).shrunkBy(m)) << true;
        QTest::newRow("640x480 below a panel") << QSize(9600, 7200) << QRect(0, 450, 9600, 6750)
                                               << QRect(QPoint(0, 450), QSize(9600, 6750).shrunkBy(m)) << true;
    }
    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximised);
        const PlacementCadre p = placeCadre(QSize(15660, 11595), screen, available, QMargins(60, 300, 60, 60));
        QCOMPARE(p.geometrie, geometry);
        QCOMPARE(p.agrandi, maximised);
    }

    // On a small screen the frame opens maximised with its whole tool bar in reach.
    void smallScreen()
    {
        mdi_.reset();
        platform_.screenTwips = QSize(9600, 7200);
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
        QVERIFY(mdi_->isMaximized());
        QVERIFY(mdi_->x() >= 0 && mdi_->y() >= 0);
        QVERIFY(mdi_->width() <= 640 && mdi_->height() <= 480);
        const QRect bar(mdi_->CmdQ->mapTo(mdi_.get(), QPoint()), mdi_->CmdQ->size());
        QVERIFY(mdi_->rect().contains(bar));
    }

    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("hexadecimal white") << "&HFFFFFF" << QColor(Qt::white);
        QTest::newRow("decimal white") << "16777215" << QColor(Qt::white);
        QTest::newRow("blue high byte") << "&HFF0000" << QColor(Qt::blue);
        QTest::newRow("decimal grey") << "14737632" << QColor(0xE0, 0xE0, 0xE0);
    }
    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        module_.OptCouleurMDI = text;
        module_.OptCouleurBar = text;
        MDI other(ctx_);
        QCOMPARE(other.zone()->background().color(), color);
        QCOMPARE(other.PicCmd->palette().color(QPalette::Window), color);
    }

    // Seven windows take 600 to 3600 and 600 again; a focus does not move the cascade, a
    // reload of a closed window does.
    void cascade()
    {
        QList<QWidget*> windows;
        const int expected[7] = {600, 1200, 1800, 2400, 3000, 3600, 600};
        for (int i = 0; i < 7; ++i) {
            QWidget* w = mdi_->OuvreOutil(kOutils[i]);
            QVERIFY(w);
            QCOMPARE(placeOf(w), twips(expected[i]));
            windows << w;
        }
        QCOMPARE(module_.PosGauche, 600);
        QCOMPARE(module_.PosHaut, 600);

        QCOMPARE(mdi_->OuvreOutil(kOutils[2]), windows[2]);
        QCOMPARE(created, 7);
        QCOMPARE(module_.PosGauche, 600);
        QCOMPARE(mdi_->zone()->activeSubWindow()->widget(), windows[2]);
        QCOMPARE(placeOf(windows[2]), twips(1800));

        QPointer<QWidget> closed = windows[2];
        fermeFenetre(windows[2]);
        QWidget* again = mdi_->OuvreOutil(kOutils[2]);
        QCOMPARE(created, 8);
        QVERIFY(again != closed.data() || closed.isNull());
        QCOMPARE(placeOf(again), twips(1200));
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(mdi_->zone()->subWindowList().size(), 7);
    }

    void secondClickOnlyFocuses()
    {
        QWidget* first = mdi_->OuvreOutil(kOutils[0]);
        QWidget* other = mdi_->OuvreOutil(kOutils[1]);
        QCOMPARE(mdi_->zone()->activeSubWindow()->widget(), other);
        QCOMPARE(mdi_->OuvreOutil(kOutils[0]), first);
        QCOMPARE(mdi_->zone()->activeSubWindow()->widget(), first);
        QCOMPARE(mdi_->zone()->subWindowList().size(), 2);
        QCOMPARE(created, 2);
        QCOMPARE(module_.PosGauche, 1200);
    }

    // Every control of every window, and the corners of its frame with the close box, can be
    // scrolled into view in a frame of its design size, at every place of the cascade.
    void everyControlReachable_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("place");
        for (int w = 0; w < int(std::size(kFenetres)); ++w) {
            const bool cascade = QByteArray(kFenetres[w].first) != "Frm20About";
            for (int place = 600; place <= (cascade ? 3600 : 600); place += 600)
                QTest::addRow("%s at %d", kFenetres[w].first, place) << w << place;
        }
    }
    void everyControlReachable()
    {
        QFETCH(int, window);
        QFETCH(int, place);
        realWindows();
        mdi_.reset();
        mdi_ = std::make_unique<MDI>(ctx_);
        mdi_->show();
        QVERIFY(QTest::qWaitForWindowExposed(mdi_.get()));
        module_.PosGauche = module_.PosHaut = qint16(place - 600);

        QWidget* w = mdi_->OuvreOutil(*kFenetres[window].second);
        QVERIFY(w);
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        if (kFenetres[window].first != QByteArray("Frm20About"))
            QCOMPARE(sub->pos(), twips(place));
        QCoreApplication::processEvents();

        const int corner = 16;
        const QList<QRect> corners{QRect(0, 0, corner, corner), QRect(sub->width() - corner, 0, corner, corner),
                                   QRect(0, sub->height() - corner, corner, corner),
                                   QRect(sub->width() - corner, sub->height() - corner, corner, corner)};
        for (const QRect& r : corners)
            QVERIFY2(scrollIntoView(mdi_->zone(), sub, r),
                     qPrintable(QStringLiteral("corner %1,%2").arg(r.x()).arg(r.y())));
        int controls = 0;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const QRect shown = partShown(c, w);
            if (!c->isVisibleTo(w) || shown.isEmpty())
                continue;
            ++controls;
            QVERIFY2(scrollIntoView(mdi_->zone(), w, shown),
                     qPrintable(c->objectName() + u' ' + c->metaObject()->className()));
        }
        QVERIFY(controls > 0);
    }

    // A window of fixed size offers no maximise button (nor does its caption's double click
    // or menu maximise it); a window that can grow keeps the button.
    void maximiseButton_data()
    {
        QTest::addColumn<int>("window");
        for (int w = 0; w < int(std::size(kFenetres)); ++w)
            QTest::newRow(kFenetres[w].first) << w;
        QTest::newRow("a window that can grow") << -1;
    }
    void maximiseButton()
    {
        QFETCH(int, window);
        realWindows();
        const Fabrique grows{[](AppContext&) {
            auto* w = new QWidget;
            w->setMinimumSize(300, 200);
            return w;
        }};
        QWidget* w = mdi_->OuvreOutil(window < 0 ? grows : *kFenetres[window].second);
        QVERIFY(w);
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        const bool fixed = window >= 0;
        QCOMPARE(w->minimumSize() == w->maximumSize(), fixed);
        QCOMPARE(bool(sub->windowFlags() & Qt::WindowMaximizeButtonHint), !fixed);
        // The caption keeps its other buttons.
        QVERIFY(sub->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(sub->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void missingWindowDisablesItsButton()
    {
        const Fabrique none{};
        QCOMPARE(mdi_->OuvreOutil(none), nullptr);
        QCOMPARE(mdi_->zone()->subWindowList().size(), 0);
        QCOMPARE(module_.PosGauche, 0);
    }

    void quitButton_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("quits");
        QTest::newRow("No keeps running") << int(Platform::No) << 0;
        QTest::newRow("Yes ends") << int(Platform::Yes) << 1;
    }
    void quitButton()
    {
        QFETCH(int, answer);
        QFETCH(int, quits);
        QWidget* tool = mdi_->OuvreOutil(kOutils[0]);
        platform_.answers = {answer};
        mdi_->CmdQ->click();
        QCOMPARE(platform_.messages.size(), 1);
        const FakePlatform::Message& m = platform_.messages[0];
        QCOMPARE(m.text, QStringLiteral("               Quitter le programme ?"));
        QCOMPARE(m.title, QStringLiteral("Lexiparc"));
        QCOMPARE(m.icon, Platform::Icon::None);
        QCOMPARE(m.buttons, Platform::Buttons::YesNo);
        QCOMPARE(module_.MsgReponse, answer);
        QCOMPARE(module_.MsgTexte, m.text);
        QCOMPARE(platform_.quitCalls, quits);
        // The button closes nothing itself.
        QVERIFY(mdi_->isVisible());
        QCOMPARE(mdi_->fenetre(kOutils[0]), tool);
    }

    void closingTheFrame_data() { quitButton_data(); }
    void closingTheFrame()
    {
        QFETCH(int, answer);
        QFETCH(int, quits);
        QPointer<QWidget> tool = mdi_->OuvreOutil(kOutils[0]);
        platform_.answers = {answer};
        mdi_->close();
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages[0].text, QStringLiteral("               Quitter le programme ?"));
        QCOMPARE(platform_.quitCalls, quits);
        QCOMPARE(mdi_->isVisible(), quits == 0);
        // The tool windows are closed before the question, whatever the answer.
        QCOMPARE(mdi_->fenetre(kOutils[0]), nullptr);
        QTRY_VERIFY(tool.isNull());
    }
};

QTEST_MAIN(TestMDI)
#include "test_mdi.moc"
