// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

// The postal-code window's own about box: what the commune data holds and the program's web
// site. The postal-code window is disabled while the box is open.
class Frm21About : public QWidget {
    Q_OBJECT
public:
    Frm21About(AppContext& ctx, QWidget* fenetreCP, qsizetype nbCommunes, QWidget* parent = nullptr);
    ~Frm21About() override;

    static constexpr int kLargeur = 5400;  // twips
    static constexpr int kHauteur = 3900;

    QLabel* ImgLogo = nullptr;
    std::array<QLabel*, 6> LblLigne{};
    QPushButton* CmdQ = nullptr;
    QPushButton* CmdSite = nullptr;
    QPushButton* CmdFoc = nullptr;

public slots:
    void Form_Load();
    void Form_Unload();
    void CmdQ_Click();
    void CmdFoc_Click();
    void CmdSite_Click();

signals:
    // The box is being unloaded: the postal-code window is enabled again.
    void dechargee();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& ctx_;
    QPointer<QWidget> fenetreCP_;
    bool dechargee_ = false;
};
