#include "util/Regional.h"

namespace {
const QString kDefaultFormat = QStringLiteral("dd/MM/yyyy");
QString g_format = kDefaultFormat;
} // namespace

namespace regional {

QString shortDateFormat() { return g_format; }

void setShortDateFormat(const QString &fmt) { g_format = fmt.isEmpty() ? kDefaultFormat : fmt; }

QChar dateSeparator()
{
    for (QChar c : g_format) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

QChar decimalSeparator() { return QLatin1Char(','); }

} // namespace regional
