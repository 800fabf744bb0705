#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("freqcounter"));
    QApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
    return freqcounter::runProgram();
}
