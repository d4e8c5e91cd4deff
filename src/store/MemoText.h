#pragma once

#include <QString>

// Line breaks of memo texts. The tables keep CR LF, as every other reader of them expects; the
// edit controls work with LF. Texts other writers stored with LF or CR alone read the same.
namespace MemoText {

// The stored text as an edit control shows it: every CR LF, CR or LF becomes LF.
QString forEditing(const QString& stored);
// An edited text as it is stored: every line break becomes CR LF.
QString forStoring(const QString& edited);

} // namespace MemoText
