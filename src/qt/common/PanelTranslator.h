#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace norvo::qt {

/// The catalogue of the panel's and its programs' texts in one language
/// (norvouitoka_<language>.qm), for QCoreApplication::installTranslator. It is
/// looked for in $NORVO_TRANSLATIONS_DIR, then in share/norvouitoka/
/// translations beside the program's folder, then where the libraries
/// installed it.
class NORVOUITOKA_QTCOMMON_EXPORT PanelTranslator final : public QTranslator {
    Q_OBJECT

public:
    /// An empty translator, to be loaded by loadFor().
    explicit PanelTranslator(QObject* parent = nullptr);

    /// Loads the catalogue of the locale's first language that has one (the
    /// folder given, or else the folders above); false leaves it empty, and
    /// the texts English.
    bool loadFor(const QLocale& locale, const QString& folder = {});

    /// The folders looked in, in that order.
    static QStringList folders();
};

} // namespace norvo::qt
