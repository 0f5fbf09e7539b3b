#include "app/Application.h"

#include <QLabel>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    // The main window arrives with the shell; until then a plain window.
    QLabel window(QStringLiteral("Sheafwright"));
    window.resize(743, 506);
    window.show();
    return app.exec();
}
