// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QComboBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QTimer;

// The synonym window: the headwords that begin with the typed text on the left, the sorted
// synonyms of the word looked up on the right, a search history in the entry's drop-down.
class Frm12Syno : public QWidget {
    Q_OBJECT
public:
    explicit Frm12Syno(AppContext& ctx, QWidget* parent = nullptr);
    ~Frm12Syno() override;

    QComboBox* Cbo2 = nullptr;
    QLabel* Lbl4 = nullptr;
    QPushButton* CmdInfo = nullptr;
    QPushButton* CmdRechercher = nullptr;
    QLabel* Lbl2 = nullptr;
    QListWidget* LstS = nullptr;
    QLabel* Lbl3 = nullptr;
    QListWidget* Lst = nullptr;
    QLineEdit* TxtMiroir = nullptr;
    QPushButton* Foc = nullptr;
    QGroupBox* FraSyno = nullptr;
    std::array<QTimer*, 26> TimLettre{};  // TimA .. TimZ, the window's own loading chain
    QTimer* TimDeb = nullptr;
    QTimer* TimLst = nullptr;
    QMenu* MnuCopier = nullptr;
    QAction* MnuCop2 = nullptr;

    // The synonyms of the entry being shown, as cut from SynoCourant, then sorted in place;
    // the sorted copy that fills LstS; their number.
    QStringList TabSynLus;
    QStringList TabSynTries;
    qint16 NbSynLus = 0;
    // The raw synonym list of the entry found by the last search.
    QString SynoCourant;

    // Cuts SynoCourant into at most 21 synonyms, sorts them and fills LstS.
    void TrierDefinitions();
    // Sorts TabSynLus and copies it into TabSynTries.
    void TriAlpha();

public slots:
    void Form_Load();
    void TimDeb_Timer();
    void TimLettre_Timer(int rang);  // TimA_Timer .. TimZ_Timer
    void Cbo2_Change(const QString& texte);
    void Cbo2_Click();
    void Lst_Click();
    void LstS_Click();
    void TimLst_Timer();
    void Foc_Click();
    void CmdRechercher_Click();
    void CmdInfo_Click();
    void TxtMiroir_Change();
    void LstS_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void MnuCop2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts "à " in the entry, wholly selected, so the first key typed replaces it.
    void AmorceSaisie();
    // Sets the mirror to the normalised entry text; a different text runs the listing.
    void metMiroir(const QString& texte);
    void choisitLigne(QListWidget* liste);
    // A key typed in a list: a row it selects is picked. True when the key was taken here.
    bool toucheListe(QListWidget* liste, const QKeyEvent* event);
    void metHistorique(const QStringList& historique, const QString& texte);

    AppContext& ctx_;
    bool sortieSaisie_ = false;   // the entry's focus loss is being delivered
    bool chargement_ = false;     // the window's own loading chain runs
    bool finDoubleClic_ = false;  // the release of a double click's second click is due
};
