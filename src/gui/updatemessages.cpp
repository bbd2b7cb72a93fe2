#include "gui/updatemessages.h"

#include <QProgressBar>

#include "gui/prompt.h"
#include "namelist/namelist.h"
#include "net/pictureserver.h"
#include "net/updatetexts.h"

namespace delvora::UpdateMessages {

bool startServer(PictureServer &server, quint16 port, QWidget *window) {
    QObject::connect(&server, &PictureServer::acceptFailed, window, [window](int code) {
        Prompt::warning(window, updatetexts::acceptError(code));
    });
    const QString failure = server.startPictureServer(port);
    if (!failure.isEmpty())
        Prompt::warning(window, failure);
    return failure.isEmpty();
}

void follow(NetworkUpdate &update, QProgressBar *bar, QWidget *window) {
    QObject::connect(&update, &NetworkUpdate::progressed, bar, [bar](qint64 done, qint64 total) {
        // A progress bar counts in int; pictures and lists are far below that.
        bar->setRange(0, int(qMin<qint64>(total, INT_MAX)));
        bar->setValue(int(qMin<qint64>(done, INT_MAX)));
    });
    QObject::connect(&update, &NetworkUpdate::oneFinished, window,
                     [window](NetworkUpdate::Outcome outcome) {
                         switch (outcome) {
                         case NetworkUpdate::Outcome::Delivered:
                             break;
                         case NetworkUpdate::Outcome::NoPicture:
                             Prompt::warning(window, updatetexts::cannotOpenFile());
                             break;
                         case NetworkUpdate::Outcome::TimedOut:
                             Prompt::warning(window, updatetexts::connectTimeout());
                             break;
                         case NetworkUpdate::Outcome::Failed:
                             Prompt::warning(window, updatetexts::transferFailed());
                             break;
                         }
                     });
}

void run(NetworkUpdate &update, const NameList &names, const PictureLook &look,
         const PlateAddresses &plates, QWidget *window) {
    if (update.isRunning())
        return;
    if (names.count() == 0) {
        Prompt::plain(window, updatetexts::noTexts());
        return;
    }
    const int selected = names.firstSelected();
    const NetworkUpdate::Start start = selected < 0
                                           ? update.updateAll(look, names.entries(), plates)
                                           : update.updateOne(look, names.at(selected), plates);
    switch (start) {
    case NetworkUpdate::Start::Started:
    case NetworkUpdate::Start::Busy:
        break;
    case NetworkUpdate::Start::NotOnline:
        Prompt::plain(window, updatetexts::selectedNotOnline());
        break;
    case NetworkUpdate::Start::NoErrorList:
        Prompt::warning(window, updatetexts::cannotOpenFile());
        break;
    }
}

} // namespace delvora::UpdateMessages
