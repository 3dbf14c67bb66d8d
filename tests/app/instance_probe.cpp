// Lexiparc — GPL-3.0-or-later.
// Asks the platform whether another instance runs, prints "other" or "first", and when it is
// the first, keeps its place until its standard input closes.
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    const bool other = platform.otherInstanceRunning();
    std::printf("%s\n", other ? "other" : "first");
    std::fflush(stdout);
    if (!other)
        while (std::getchar() != EOF) {
        }
    return other ? 3 : 0;
}
