#pragma once
// Numbered validation messages shown in an error box.

#include <QString>

class Interaction;

// Message text of a validation code ("0100" ... "0215"); any other text is returned as it is.
QString ValidationText(const QString &codeOrText);
// Nothing for a blank code; otherwise an error box with the title (or "Error") and the text.
void ValidationMessage(Interaction &ui, const QString &title, const QString &codeOrText);
