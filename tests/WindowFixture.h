// Lexiparc — GPL-3.0-or-later.
// What the window tests share: the shared state, the word tables and a recording platform
// behind one context, put back to a fresh state before each test; and the texts of lists.
#pragma once

#include "common/AppContext.h"
#include "common/Module.h"
#include "data/WordData.h"
#include "platform/FakePlatform.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

// The rows of a list box, top to bottom.
inline QStringList rows(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The items of a combo box's list, in order.
inline QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// The shared state as the start screen leaves it on a first run: CR LF line breaks, the
// message title and the default colours of the frame and its tool bar.
inline Module testModule()
{
    Module m;
    m.SautLigne = QStringLiteral("\r\n");
    m.MsgTitre = QStringLiteral("Lexiparc");
    m.OptCouleurMDI = QStringLiteral("&HFFFFFF");
    m.OptCouleurBar = QStringLiteral("&HE0E0E0");
    return m;
}

// A window test derives from it (after QObject) and calls reset() first in its init().
// P is the recording platform: FakePlatform or a test's own kind of it.
template <class P = FakePlatform>
struct WindowFixture {
    Module module_;
    WordData words_;
    P platform_;
    AppContext ctx_{module_, words_, platform_};

    // A fresh state: the given shared state, empty word tables, a platform that has recorded
    // nothing and answers as it does by default.
    void reset(const Module& module = testModule())
    {
        module_ = module;
        words_ = WordData{};
        platform_ = P{};
    }
};
