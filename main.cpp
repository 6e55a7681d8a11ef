#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Raadkwartet"));
    QWidget placeholder;
    placeholder.show();
    return app.exec();
}
