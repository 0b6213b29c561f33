#include "store/FieldValue.h"

#include "util/DateUtils.h"

#include <QDate>

QString FieldText(const FieldDef &field, const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return QString();
    if (field.type == FieldType::Date)
        return DateText(QDate::fromString(stored.toString(), Qt::ISODate));
    return stored.toString();
}

QVariant FieldFromText(const FieldDef &field, const QString &text, QString *error)
{
    const QString t = field.type == FieldType::Text ? text : text.trimmed();
    switch (field.type) {
    case FieldType::Date: {
        if (t.isEmpty())
            return QVariant(QMetaType(QMetaType::QDate));
        QDate d = DateFromText(t);
        if (!d.isValid()) {
            if (error)
                *error = QStringLiteral("EL VALOR \"%1\" DE %2 NO ES UNA FECHA VÁLIDA (dd/mm/aaaa)")
                             .arg(text, field.name);
            return QVariant();
        }
        return d;
    }
    case FieldType::Number: {
        if (t.isEmpty())
            return QVariant(QMetaType(QMetaType::LongLong));
        bool ok = false;
        qint64 n = t.toLongLong(&ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("EL VALOR \"%1\" DE %2 NO ES UN NÚMERO").arg(text, field.name);
            return QVariant();
        }
        return n;
    }
    case FieldType::Text:
        break;
    }
    return field.width > 0 ? t.left(field.width) : t;
}
