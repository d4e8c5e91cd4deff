#pragma once

#include <QString>

#include <stdexcept>

// Content the program could not handle; the text names the file and record.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
