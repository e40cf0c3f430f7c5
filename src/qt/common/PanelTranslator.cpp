#include "qt/common/PanelTranslator.h"

#include <QCoreApplication>
#include <QDir>

namespace norvo::qt {

PanelTranslator::PanelTranslator(QObject* parent)
    : QTranslator(parent)
{
}

bool PanelTranslator::loadFor(const QLocale& locale, const QString& folder)
{
    const QStringList places = folder.isEmpty() ? folders() : QStringList{folder};
    for (const QString& place : places) {
        // Tries each of the locale's languages, and each without its country.
        if (load(locale, QStringLiteral("norvouitoka"), QStringLiteral("_"), place))
            return true;
    }
    return false;
}

QStringList PanelTranslator::folders()
{
    QStringList places;
    if (const QString asked = qEnvironmentVariable("NORVO_TRANSLATIONS_DIR"); !asked.isEmpty())
        places << asked;
    // A program and the catalogues installed under one prefix, wherever it
    // was moved to.
    if (QCoreApplication::instance())
        places << QDir(QCoreApplication::applicationDirPath())
                      .absoluteFilePath(QStringLiteral("../" NORVO_DATA_DIR "/norvouitoka/translations"));
    places << QStringLiteral(NORVO_INSTALLED_TRANSLATIONS_DIR);
    return places;
}

} // namespace norvo::qt
