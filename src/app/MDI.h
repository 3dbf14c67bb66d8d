// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "app/Fabriques.h"
#include "common/AppContext.h"
#include "common/Cadre.h"
// The frame runs on a whole context: its word tables, and the module as the start fills it.
#include "data/InitialiseModule.h"
#include "data/WordData.h"

#include <QPointer>
#include <map>

class QMdiArea;
class QMdiSubWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The main frame: the child windows in its client area, the vertical tool bar on its left.
class MDI : public Cadre {
    Q_OBJECT
public:
    explicit MDI(AppContext& ctx, QWidget* parent = nullptr);
    ~MDI() override;

    QWidget* OuvreOutil(const Fabrique& fabrique) override;
    QMdiSubWindow* ajouteFenetre(QWidget* window) override;
    QSize tailleEnTwips() const override;
    // The window of a button if it is open.
    QWidget* fenetre(const Fabrique& fabrique) const;

    void metCouleurFenetre(const QColor& color) override;
    void metCouleurBarre(const QColor& color) override;

    QMdiArea* zone() const { return zone_; }

    QWidget* PicCmd = nullptr;
    QPushButton* CmdMotsCroix = nullptr;
    QPushButton* CmdAp = nullptr;
    QPushButton* CmdTLMP = nullptr;
    QPushButton* CmdDico = nullptr;
    QPushButton* CmdSyno = nullptr;
    QPushButton* CmdScrabble = nullptr;
    QPushButton* CmdCodPos = nullptr;
    QPushButton* CmdOptions = nullptr;
    QPushButton* CmdAbout = nullptr;
    QPushButton* CmdQ = nullptr;
    QLineEdit* Foc = nullptr;
    QLabel* LblWidth = nullptr;
    QLabel* LblHeight = nullptr;
    QTimer* TimDem = nullptr;

public slots:
    void Form_Load();
    void TimDem_Timer();
    void CmdQ_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Asks "Quitter le programme ?"; true when the answer is not No.
    bool DemandeQuitter();
    // The frame's title bar and borders, in twips.
    QMargins bordsEnTwips() const;
    QPushButton* ajouteBouton(const char* name, int topTwips, const QString& tip, const QString& icon);

    AppContext& ctx_;
    QMdiArea* zone_ = nullptr;
    std::map<const Fabrique*, QPointer<QWidget>> ouvertes_;
};
