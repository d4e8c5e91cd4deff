#pragma once

#include "store/XbaseExpression.h"

// Recursive-descent parser and type checker behind XbaseExpression::compile.
class XbaseParser {
public:
    XbaseParser(const QString& text, const QList<DbfField>& fields, XbaseExpression& out);
    void parse();

private:
    enum class Type { Logical, Number, String };
    struct Operand {
        int node;
        Type type;
    };
    enum class Tok { End, Ident, Number, String, LParen, RParen, Comma, Eq, Gt, Ge, Le, And, Or };

    void next();
    [[noreturn]] void fail(const QString& what) const;
    Operand orExpr(int depth);
    Operand andExpr(int depth);
    Operand comparison(int depth);
    Operand primary(int depth);
    Operand atCall(int depth);
    Operand field();
    static XbaseExpression::Node node(XbaseExpression::Kind kind, int left = -1, int right = -1);
    int add(XbaseExpression::Node n);
    void expectLogical(const Operand& op) const;

    const QString m_text;
    const QList<DbfField>& m_fields;
    XbaseExpression& m_out;
    qsizetype m_pos = 0;
    qsizetype m_tokStart = 0;
    Tok m_tok = Tok::End;
    QString m_tokText;
};
