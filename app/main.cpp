#include "game/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    Form1 form;
    form.Form_Load();
    form.show();
    // Take the keyboard focus even where no window manager hands it out.
    form.activateWindow();
    return app.exec();
}
