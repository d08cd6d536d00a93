#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {
namespace {

const QString kTranslatorName = QStringLiteral("velmora-qt-translation");

} // namespace

bool installQtTranslation(QCoreApplication& app, const QLocale& locale) {
    if (auto* previous = app.findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    // qtbase_<language>.qm: the translator tries the locale's UI languages
    // ("bg-BG", "bg") in turn. The file is mapped into memory, not read:
    // loading it takes well under a millisecond.
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace velmora
