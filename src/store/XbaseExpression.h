#pragma once

#include "store/DbfField.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

// A filter expression in the small xBase language the program sends to the store: field names,
// unsigned integers, double-quoted strings, AT(needle, haystack), the comparisons = > >= <=,
// .AND. (binding tighter) and .OR., and parentheses. Compiled once against a table's fields and
// then evaluated directly on record bytes. Strings compare with SET EXACT OFF semantics.
class XbaseExpression {
public:
    static constexpr int kMaxDepth = 64;

    // Throws StoreError naming the position when the text is outside the language.
    static XbaseExpression compile(const QString& text, const QList<DbfField>& fields);

    XbaseExpression();
    ~XbaseExpression();
    XbaseExpression(XbaseExpression&&) noexcept;
    XbaseExpression& operator=(XbaseExpression&&) noexcept;

    bool isEmpty() const { return m_root < 0; }
    bool matches(const char* record) const;

    enum class Kind {
        Or,
        And,
        NumEq,
        NumGt,
        NumGe,
        NumLe,
        StrEq,
        At,
        NumField,
        StrField,
        NumLiteral,
        StrLiteral
    };
    struct Node {
        Kind kind = Kind::NumLiteral;
        int left = -1;
        int right = -1;
        int offset = 0; // field offset in the record
        int length = 0; // field width
        double number = 0;
        QByteArray text;
    };

private:
    friend class XbaseParser;
    bool test(int node, const char* record) const;
    double number(int node, const char* record) const;
    std::pair<const char*, qsizetype> string(int node, const char* record) const;

    std::vector<Node> m_nodes;
    int m_root = -1;
};
