#include "BoundaryReports.h"

#include <stdexcept>
#include <string_view>

namespace norvo::replay {

BoundaryReports::BoundaryReports() { previous_ = qInstallMessageHandler(&BoundaryReports::handle); }

BoundaryReports::~BoundaryReports()
{
    qInstallMessageHandler(previous_);
    lines_.clear();
}

void BoundaryReports::rethrow() const
{
    if (!lines_.isEmpty())
        throw std::runtime_error(lines_.join(QStringLiteral("; ")).toStdString());
}

void BoundaryReports::handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && context.category && std::string_view(context.category) == "norvo.panel")
        lines_.append(text);
    else if (previous_)
        previous_(type, context, text);
}

} // namespace norvo::replay
