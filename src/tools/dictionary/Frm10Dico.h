// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class FiltreSaisieAZ;

// The dictionary window: whether a word exists, its definition, part of speech, Scrabble
// validity and score, and the copy of the word with its definition.
class Frm10Dico : public QWidget {
    Q_OBJECT
public:
    explicit Frm10Dico(AppContext& ctx, QWidget* parent = nullptr);

    qint16 ChercheLet(const QString& Mot, const QString& LETTRE) const;
    QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const;

    QLineEdit* TxtCtrl = nullptr;
    QLabel* LblN = nullptr;
    QPushButton* CmdCtrl = nullptr;
    QPushButton* CmdCop = nullptr;
    QLabel* LblCop1 = nullptr;
    QLabel* LblCop2 = nullptr;
    QLabel* LblA = nullptr;
    QLabel* LblD = nullptr;
    QLabel* LblDef1 = nullptr;
    QLabel* LblDef2 = nullptr;
    QLabel* LblDef3 = nullptr;
    QLabel* LblDef4 = nullptr;
    QLabel* LblValideODS = nullptr;
    QLabel* ImfInfo = nullptr;
    QLabel* LblPts = nullptr;
    std::array<QLabel*, 3> Lbl{};  // "Ce mot rapporte", "points au scrabble.", the validity sentence
    QTimer* TimCherche = nullptr;
    QTimer* TimCligno = nullptr;
    QPushButton* Foc = nullptr;

    qint16 NbClignotements = 0;
    bool PremiereCopie = false;

public slots:
    void Form_Load();
    void TxtCtrl_Change();
    void TxtCtrl_LostFocus();
    void CmdCtrl_Click();
    void CmdCop_Click();
    void ImfInfo_Click();
    void TimCherche_Timer();
    void TimCligno_Timer();
    void Form_MouseDown();
    void LblA_MouseDown();
    void LblDef1_MouseDown();
    void LblDef2_MouseDown();
    void LblDef3_MouseDown();
    void LblDef4_MouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setCopie(bool possible);
    void arreteClignotement();

    AppContext& ctx_;
    FiltreSaisieAZ* filtre_ = nullptr;
};
