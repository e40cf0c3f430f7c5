#include "qt/common/FontBook.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace norvo::qt {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double PlatformDotsPerInch = 96.0;

// The face asked for, then metric-compatible or look-alike faces that Linux
// systems carry.
QStringList standInsFor(const std::string& name)
{
    const QString family = QString::fromStdString(name);
    if (family.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
            QStringLiteral("DejaVu Sans")};
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")};
    return {family, QStringLiteral("DejaVu Sans")};
}

} // namespace

FontBook& FontBook::shared()
{
    static FontBook book;
    return book;
}

const QFont& FontBook::font(const Font& font)
{
    const auto known
        = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& entry) { return entry.first == font; });
    if (known != fonts_.end())
        return known->second;
    return fonts_.emplace_back(font, resolve(font)).second;
}

QFont FontBook::resolve(const Font& font)
{
    // Qt takes the first installed face of a list too, but only after
    // asking the system's font configuration about each missing one, for
    // every new size and weight.
    const QStringList standIns = standInsFor(font.name);
    const QStringList installed = QFontDatabase::families();
    const auto first = std::find_if(standIns.begin(), standIns.end(),
        [&](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); });
    QFont result;
    if (first != standIns.end())
        result.setFamily(*first);
    else
        result.setFamilies(standIns);
    // Pixel sizes keep the layout the same on every screen: 6.75 pt is 9 px.
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * PlatformDotsPerInch / PointsPerInch))));
    result.setBold(font.bold);
    return result;
}

} // namespace norvo::qt
