#include "util/Messages.h"

#include "util/Interaction.h"
#include "util/TextUtils.h"

QString ValidationText(const QString &codeOrText)
{
    struct Entry
    {
        const char *code;
        const char *text;
    };
    static const Entry kTexts[] = {
        {"0100", "El valor <hasta> debe ser mayor o igual al valor <desde>"},
        {"0105", "Valor máximo 31 días"},
        {"0106", "Valor máximo 12 meses"},
        {"0200", "Valor no válido"},
        {"0210", "Valor no válido. Debe indicar algún contenido"},
        {"0215", "Ya existe"},
    };
    for (const Entry &e : kTexts) {
        if (codeOrText == QLatin1String(e.code))
            return QString::fromUtf8(e.text);
    }
    return codeOrText;
}

void ValidationMessage(Interaction &ui, const QString &title, const QString &codeOrText)
{
    if (IsBlank(codeOrText))
        return;
    ui.error(title.isEmpty() ? QStringLiteral("Error") : title, ValidationText(codeOrText));
}
