#pragma once
// What a field accepts, key by key: names in Turkish capitals (every typed character
// through TurkUpCase, so "i" becomes "İ" and "ı" becomes "I"), digits only, or the one
// letter "E" (yes) or "H" (no). Editing keys (Backspace, arrows, Delete, Tab) pass.

#include <QString>

#include <optional>

class QLineEdit;

namespace kalvodrin {

enum class FieldKind { kTurkishUpper, kDigits, kYesNo };

// The typed text as the field takes it; nothing when the field refuses it. Texts with
// characters the records' code page cannot hold are refused everywhere.
std::optional<QString> FilterTyped(FieldKind kind, const QString& typed);

// Installs the key filter; pasted text is held to the same rule.
void InstallKeyFilter(QLineEdit* field, FieldKind kind);

}  // namespace kalvodrin
