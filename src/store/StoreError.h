#pragma once

#include <QString>

#include <stdexcept>

// An error of the record store: a table that cannot be opened, a damaged file, a write that
// failed, an expression outside the filter language. The text is German, ready for a message.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
