#include <QApplication>

#include "shell/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelmora::startApplication(app);
    return QApplication::exec();
}
