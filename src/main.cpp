#include <QApplication>

#include "app/plaxonapp.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    return delvora::Application().run();
}
