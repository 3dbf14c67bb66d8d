// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The options window: which word data loads at start, the colours of the main frame and of
// its tool bar. Colours apply at once; nothing is stored until the user saves.
class Frm04Options : public QWidget {
    Q_OBJECT
public:
    explicit Frm04Options(AppContext& ctx, QWidget* parent = nullptr);

    QGroupBox* FraChargement = nullptr;
    QGroupBox* FraAffichage = nullptr;
    QCheckBox* Chk0 = nullptr;
    QCheckBox* Chk1 = nullptr;
    QCheckBox* Chk2 = nullptr;
    QLabel* LblNote = nullptr;
    QPushButton* CmdCoulFenetre = nullptr;
    QLabel* LblColor1 = nullptr;
    QPushButton* chameleonButton1 = nullptr;
    QLabel* LblColor2 = nullptr;
    QPushButton* CmdEnregistre = nullptr;
    QPushButton* CmdDefaut = nullptr;
    QPushButton* CmdAnnule = nullptr;
    QPushButton* Foc = nullptr;

    std::uint8_t Modifie = 0;
    QString CouleurMDIInit;
    QString CouleurBarInit;

public slots:
    void Form_Load();
    void Chk1_Click();
    void Chk2_Click();
    void CmdCoulFenetre_Click();
    void chameleonButton1_Click();
    void CmdDefaut_Click();
    void CmdEnregistre_Click();
    void CmdAnnule_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chkClick();
    // The save and cancel actions without the closing.
    void Enregistre();
    void Annule();
    void appliqueCouleurs(const QColor& fenetre, const QColor& barre);

    AppContext& ctx_;
};
