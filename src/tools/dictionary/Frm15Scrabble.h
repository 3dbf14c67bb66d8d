// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The Scrabble check window: whether a word is admitted at Scrabble, its definition and,
// for an admitted word, its score.
class Frm15Scrabble : public QWidget {
    Q_OBJECT
public:
    explicit Frm15Scrabble(AppContext& ctx, QWidget* parent = nullptr);

    qint16 ChercheLet(const QString& Mot, const QString& LETTRE) const;
    QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const;

    QLineEdit* TxtCtrl = nullptr;
    QLabel* LblN = nullptr;
    QPushButton* CmdCtrl = nullptr;
    QLabel* LblD = nullptr;
    QLabel* LblDef3 = nullptr;
    QLabel* LblDef4 = nullptr;
    QLabel* LblValideODS = nullptr;
    QLabel* ImfInfo = nullptr;
    QLabel* LblPts = nullptr;
    std::array<QLabel*, 3> Lbl{};  // "Ce mot rapporte", "points au scrabble.", the validity sentence
    QTimer* TimCherche = nullptr;
    QTimer* TimCligno = nullptr;

    qint16 NbClignotements = 0;
    std::uint8_t MotNonAdmis = 0;

public slots:
    void Form_Load();
    void TxtCtrl_Change();
    void CmdCtrl_Click();
    void ImfInfo_Click();
    void TimCherche_Timer();
    void TimCligno_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void arreteClignotement();

    AppContext& ctx_;
};
