// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "tools/nearspelling/RechercheApprochants.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// "Mots approchants": lists the dictionary words whose spelling is closest to a typed word.
class Frm16Approchant : public QWidget {
    Q_OBJECT
public:
    explicit Frm16Approchant(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* TxtCtrl;
    QPushButton* CmdCtrl;
    QLabel* LblN;
    QLabel* LblD;
    QPlainTextEdit* TxtRes;
    QGroupBox* FraOptions;
    QCheckBox* Chk2;
    QLabel* LblPrecision;
    QRadioButton* Opt[3];
    QLabel* LblTaux;
    QLabel* LblComment;
    QLabel* LblInfo2;
    QLabel* LblInfo3;
    QLineEdit* Foc;
    QFrame* ShaW;
    QFrame* ShaH;
    QTimer* TimFind;

public slots:
    void Form_Load();
    void Opt_Click(int Index);
    void Chk2_Click();
    void TxtCtrl_Change();
    void CmdCtrl_Click();
    void TimFind_Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The search the timer runs; a run-time error in it is reported as an internal error.
    virtual ResultatApprochant lanceRecherche(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil);

private:
    AppContext& ctx_;
};
