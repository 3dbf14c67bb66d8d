// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QObject>

class QWidget;

// The desktop's keyboard rules, for every window of the program:
// - the Enter key presses the push button that has the focus (Space already does); in a text
//   box or a list it keeps its own role, and dialogs keep their own handling;
// - a control that lies out of sight (a focus holder placed outside its window) is never
//   reached by the Tab key; the program can still give it the focus.
// One instance, installed on the application by its constructor.
class ClavierBureau : public QObject {
public:
    explicit ClavierBureau(QObject* parent = nullptr);
    ~ClavierBureau() override;

    // Brings the Tab stops of a window and of its controls up to date with what can be seen.
    static void arretsTabulation(QWidget* fenetre);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
