// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "data/WordData.h"
#include "tools/crossword/RechercheMotCroix.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

// The crossword assistant: a word length, twelve one-letter boxes, and the words of that
// length that have the known letters at their positions.
class Frm13MotCroix : public QWidget {
    Q_OBJECT
public:
    explicit Frm13MotCroix(AppContext& ctx, QWidget* parent = nullptr);
    ~Frm13MotCroix() override;

    // Shows the too-many-open-positions message and sets TropJokers.
    void SubTropEtoile();
    // Removes the characters a box does not accept, writes the outcome into the box being
    // changed (or puts back its text from when it got the focus) and returns the cleaned text.
    QString StringChange(QString& Sg1Autorise);

    QComboBox* CboLMot = nullptr;
    std::array<QLineEdit*, 13> TxtS{};  // 1 to 12
    std::array<QLabel*, 13> LblN{};     // 1 to 12
    QPushButton* CmdRech1 = nullptr;
    QListWidget* LstRech1 = nullptr;
    QListWidget* LstCache1 = nullptr;
    QLabel* LblRech1 = nullptr;
    std::array<QLabel*, 2> ImgCochA{};
    QLabel* LblK = nullptr;
    QTimer* TimDeb = nullptr;
    QTimer* TimRech1 = nullptr;

    float LongueurMot = 0;
    std::uint8_t TropJokers = 0;

public slots:
    void Form_Load();
    void TimDeb_Timer();
    void CboLMot_Click();
    void TxtS_GotFocus(int Index);
    void TxtS_Change(int Index);
    void TxtS_KeyDown(int Index, int KeyCode, int Shift);
    void ImgCochA_Click(int Index);
    void LstRech1_Click();
    void CmdRech1_Click();
    void TimRech1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void metCouleurCase(int i, bool active);
    void metCouleurTexte(int i);
    void selectionneCase(int Index);
    void donneFocus(int Index);
    void donneFocusLblK();
    int caseDe(QObject* o) const;
    QStringList textesCases() const;

    AppContext& ctx_;
    BlocsLongueur blocs_;
    qsizetype tailleListeBlocs_ = -1;  // size of AnaWords when blocs_ was computed

    qint16 IndexCourant = 0;
    QString TexteCourant;
    QString TexteAvant;
    std::uint8_t MsgDejaVu = 0;
    std::uint8_t PremiereCopie = 1;

    bool focusDiffere_ = false;        // inside the key-down handling of a box
    int focusApresTouche_ = 0;         // the box to focus once the key has gone into its box
    bool boutonSurListe_ = false;      // a mouse button is down on the result list
    bool selectionParSouris_ = false;  // that press changed the selected result
};
