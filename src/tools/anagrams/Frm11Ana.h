// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>
#include <array>
#include <memory>

class ClesAnagrammes;

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// The anagram window: every word that can be made from up to 12 letters and one joker,
// for each length from a minimum, optionally with one mandatory letter. It loads the
// anagram data itself when it first opens if the start-up did not and the option allows.
class Frm11Ana : public QWidget {
    Q_OBJECT
public:
    explicit Frm11Ana(AppContext& ctx, QWidget* parent = nullptr);
    ~Frm11Ana() override;

    static QString sChangeCaractere(const QString& laChaine, const QString& old_car, const QString& new_car);

    QLineEdit* TxtCh = nullptr;
    QLabel* LblN = nullptr;
    std::array<QLabel*, 2> ImgCochA{};
    std::array<QLabel*, 3> Lbl{};
    QGroupBox* FraOptions = nullptr;
    QComboBox* Cbo1 = nullptr;
    QLineEdit* Text5 = nullptr;
    QPushButton* CmdCh = nullptr;
    QListWidget* LstAna = nullptr;
    std::array<QListWidget*, 13> Lst{};  // 2 to 12
    std::array<QLabel*, 13> Nl{};
    std::array<QLabel*, 13> NR{};
    QLabel* LblInfo = nullptr;
    QLabel* LblWait = nullptr;
    QLabel* LblT1 = nullptr;
    QLabel* LblT2 = nullptr;
    QLabel* LblRes = nullptr;
    QTimer* TimLoad = nullptr;
    QTimer* TimAna = nullptr;
    QTimer* TimAnaBis = nullptr;
    QTimer* TimCherche = nullptr;

public slots:
    void Form_Load();
    void TimLoad_Timer();
    void TimAna_Timer();
    void TimAnaBis_Timer();
    void TxtCh_Change();
    void Text5_Change();
    void ImgCochA_Click(int Index);
    void CmdCh_Click();
    void TimCherche_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Background of the window and of the options frame.
    void peintFenetre(qint32 couleur);
    // The search button: from 2 characters, and never while the window loads its data.
    void activeRecherche();

    AppContext& ctx_;
    bool chargement_ = false;               // the window's own data load runs
    std::unique_ptr<ClesAnagrammes> cles_;  // packed keys of the index, made at the first search
};
