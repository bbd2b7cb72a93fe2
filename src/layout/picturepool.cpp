#include "layout/picturepool.h"

#include <QThreadPool>

namespace delvora {

QThreadPool &PicturePool() {
    // Qt's shared pool already has one thread per core and lives as long as the application.
    return *QThreadPool::globalInstance();
}

} // namespace delvora
