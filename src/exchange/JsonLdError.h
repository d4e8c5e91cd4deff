#pragma once

#include <QString>

// A file that cannot be imported: the German text says what is wrong and where.
class JsonLdError {
public:
    explicit JsonLdError(QString text) : m_text(std::move(text)) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
