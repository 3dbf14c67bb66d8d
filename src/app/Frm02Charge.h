// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QWidget>

// The loading screen: fills the word tables, then shows the main frame.
class Frm02Charge : public QWidget {
    Q_OBJECT
public:
    explicit Frm02Charge(AppContext& ctx, QWidget* parent = nullptr);

public slots:
    void Form_Load();

private:
    AppContext& ctx_;
};
