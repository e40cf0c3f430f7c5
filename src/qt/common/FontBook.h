#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include "platform/Font.h"

#include <QFont>

#include <deque>
#include <utility>

namespace norvo::qt {

// The Qt fonts that stand for the model's fonts. Each font (face, size,
// weight) is resolved once per process, to the first of its face's local
// stand-ins that is installed, and every widget that shows it then shares
// that one QFont: Qt never again looks up a face that is missing. Used on
// the GUI thread, as the widgets are.
class NORVOUITOKA_QTCOMMON_EXPORT FontBook {
public:
    static FontBook& shared();

    // The font at 96 dots per inch.
    const QFont& font(const Font& font);
    // How many fonts were resolved so far.
    int resolutions() const { return static_cast<int>(fonts_.size()); }

private:
    static QFont resolve(const Font& font);

    // Never erased: the references handed out stay valid.
    std::deque<std::pair<Font, QFont>> fonts_;
};

} // namespace norvo::qt
