#include "qt/common/QtTextCatalogue.h"

#include <QCoreApplication>

namespace norvo::qt {

std::string QtTextCatalogue::translate(const char* context, const char* english) const
{
    return QCoreApplication::translate(context, english).toStdString();
}

} // namespace norvo::qt
