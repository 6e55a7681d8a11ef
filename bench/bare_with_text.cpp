// The shared script's bare window with the least a window with text needs: one label, and
// with the argument "edit" also a line edit. Started beside the program by
// startup_compare.sh, it shows what the toolkit itself takes before such a window maps.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    const bool withLineEdit = argc > 1 && std::strcmp(argv[1], "edit") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareQt"));
    window.setGeometry(0, 0, 1280, 1024);
    new QLabel(QStringLiteral("Score :"), &window);
    if (withLineEdit)
        new QLineEdit(QStringLiteral("?"), &window);
    window.show();
    return app.exec();
}
