// The reference for algol-minima's start-up figures: a QCoreApplication and one line on the
// standard output, with nothing else. tools/measure-cli-startup.sh times both.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::fputs("minimalcli 1.0\n", stdout);
    return 0;
}
