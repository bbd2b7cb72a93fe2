#include <QApplication>

#include "gui/application.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    return delvora::Application().run();
}
