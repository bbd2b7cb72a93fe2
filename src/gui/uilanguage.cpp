#include "gui/uilanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include "gui/prompt.h"
#include "layout/layoutfiles.h"

namespace delvora {

namespace {

QString g_language = QStringLiteral("zh");

QString translationFile(const QString &language) {
    return QStringLiteral(":/i18n/delvora_%1.qm").arg(language);
}

QTranslator &installed() {
    static QTranslator translator;
    return translator;
}

const char kContext[] = "UiLanguage";
const char *const kNextStart = QT_TRANSLATE_NOOP("UiLanguage", "界面语言将在下次启动时切换。");

// A text in `language`, whatever language is installed.
QString textIn(const QString &language, const char *source) {
    QTranslator translator;
    if (language != u"zh" && translator.load(translationFile(language))) {
        const QString text = translator.translate(kContext, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace

bool installLanguage(const QString &language) {
    QCoreApplication::removeTranslator(&installed());
    g_language = QStringLiteral("zh");
    if (language == u"zh")
        return true;
    if (!installed().load(translationFile(language)) ||
        !QCoreApplication::installTranslator(&installed()))
        return false;
    g_language = language;
    return true;
}

QString currentLanguage() {
    return g_language;
}

void chooseLanguage(QWidget *owner, const QString &language) {
    if (language == readLanguage())
        return;
    writeLanguage(language);
    // Back to the running language: nothing will change at the next start.
    if (language == g_language)
        return;
    Prompt::plain(owner, textIn(g_language, kNextStart) + u'\n' + textIn(language, kNextStart));
}

} // namespace delvora
