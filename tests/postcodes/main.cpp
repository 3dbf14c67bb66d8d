// Lexiparc — GPL-3.0-or-later.
// The postal-code tool: its logic on fixtures and shipped data, then its windows.
#include <QApplication>
#include <QtTest>

int runTestCommunes(int argc, char** argv);
int runTestFrm14CD(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = runTestCommunes(argc, argv);
    status |= runTestFrm14CD(argc, argv);
    return status;
}
