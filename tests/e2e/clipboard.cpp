// Prints the clipboard's text of the display it runs on, then ends: what a
// case reads after the program under test copied something.
#include <QClipboard>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream(stdout) << QGuiApplication::clipboard()->text();
    return 0;
}
