#include "store/XbaseParser.h"

#include "store/Cp1252.h"
#include "store/StoreError.h"

XbaseParser::XbaseParser(const QString& text, const QList<DbfField>& fields, XbaseExpression& out)
    : m_text(text), m_fields(fields), m_out(out) {}

void XbaseParser::parse() {
    next();
    const Operand root = orExpr(0);
    expectLogical(root);
    if (m_tok != Tok::End)
        fail(QStringLiteral("unerwartetes „%1“").arg(m_tokText));
    m_out.m_root = root.node;
}

void XbaseParser::fail(const QString& what) const {
    throw StoreError(
        QStringLiteral("Filterausdruck ungültig an Stelle %1: %2").arg(m_tokStart + 1).arg(what));
}

void XbaseParser::next() {
    while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
        ++m_pos;
    m_tokStart = m_pos;
    if (m_pos >= m_text.size()) {
        m_tok = Tok::End;
        m_tokText = QStringLiteral("Ende");
        return;
    }
    const QChar c = m_text.at(m_pos);
    if (c.isLetter() || c == QLatin1Char('_')) {
        qsizetype end = m_pos;
        while (end < m_text.size() &&
               (m_text.at(end).isLetterOrNumber() || m_text.at(end) == QLatin1Char('_')))
            ++end;
        m_tokText = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        m_tok = Tok::Ident;
        return;
    }
    if (c.isDigit()) {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end).isDigit())
            ++end;
        m_tokText = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        m_tok = Tok::Number;
        return;
    }
    if (c == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        if (close < 0)
            fail(QStringLiteral("Zeichenkette ohne Ende"));
        m_tokText = m_text.mid(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        m_tok = Tok::String;
        return;
    }
    if (c == QLatin1Char('.')) {
        for (const auto& [word, tok] :
             {std::pair{QStringLiteral(".AND."), Tok::And}, {QStringLiteral(".OR."), Tok::Or}}) {
            if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) == 0) {
                m_tokText = word;
                m_pos += word.size();
                m_tok = tok;
                return;
            }
        }
        fail(QStringLiteral("unbekannter Operator"));
    }
    const QString two = m_text.mid(m_pos, 2);
    if (two == QStringLiteral(">=") || two == QStringLiteral("<=")) {
        m_tok = two.at(0) == QLatin1Char('>') ? Tok::Ge : Tok::Le;
        m_tokText = two;
        m_pos += 2;
        return;
    }
    m_tokText = QString(c);
    ++m_pos;
    switch (c.unicode()) {
    case '(':
        m_tok = Tok::LParen;
        return;
    case ')':
        m_tok = Tok::RParen;
        return;
    case ',':
        m_tok = Tok::Comma;
        return;
    case '=':
        m_tok = Tok::Eq;
        return;
    case '>':
        m_tok = Tok::Gt;
        return;
    default:
        --m_pos;
        fail(QStringLiteral("unerwartetes Zeichen „%1“").arg(c));
    }
}

XbaseExpression::Node XbaseParser::node(XbaseExpression::Kind kind, int left, int right) {
    XbaseExpression::Node n;
    n.kind = kind;
    n.left = left;
    n.right = right;
    return n;
}

int XbaseParser::add(XbaseExpression::Node n) {
    m_out.m_nodes.push_back(std::move(n));
    return int(m_out.m_nodes.size() - 1);
}

void XbaseParser::expectLogical(const Operand& op) const {
    if (op.type != Type::Logical)
        fail(QStringLiteral("hier wird ein Vergleich erwartet"));
}

XbaseParser::Operand XbaseParser::orExpr(int depth) {
    Operand left = andExpr(depth);
    while (m_tok == Tok::Or) {
        expectLogical(left);
        next();
        const Operand right = andExpr(depth);
        expectLogical(right);
        left = {add(node(XbaseExpression::Kind::Or, left.node, right.node)), Type::Logical};
    }
    return left;
}

XbaseParser::Operand XbaseParser::andExpr(int depth) {
    Operand left = comparison(depth);
    while (m_tok == Tok::And) {
        expectLogical(left);
        next();
        const Operand right = comparison(depth);
        expectLogical(right);
        left = {add(node(XbaseExpression::Kind::And, left.node, right.node)), Type::Logical};
    }
    return left;
}

XbaseParser::Operand XbaseParser::comparison(int depth) {
    const Operand left = primary(depth);
    if (m_tok != Tok::Eq && m_tok != Tok::Gt && m_tok != Tok::Ge && m_tok != Tok::Le)
        return left;
    const Tok op = m_tok;
    next();
    const Operand right = primary(depth);
    if (left.type == Type::String && right.type == Type::String && op == Tok::Eq)
        return {add(node(XbaseExpression::Kind::StrEq, left.node, right.node)), Type::Logical};
    if (left.type != Type::Number || right.type != Type::Number)
        fail(QStringLiteral("Vergleich nur zwischen Zahlen oder mit = zwischen Zeichenketten"));
    const XbaseExpression::Kind kind = op == Tok::Eq   ? XbaseExpression::Kind::NumEq
                                       : op == Tok::Gt ? XbaseExpression::Kind::NumGt
                                       : op == Tok::Ge ? XbaseExpression::Kind::NumGe
                                                       : XbaseExpression::Kind::NumLe;
    return {add(node(kind, left.node, right.node)), Type::Logical};
}

XbaseParser::Operand XbaseParser::primary(int depth) {
    if (depth > XbaseExpression::kMaxDepth)
        fail(QStringLiteral("zu tief geschachtelt"));
    switch (m_tok) {
    case Tok::LParen: {
        next();
        const Operand inner = orExpr(depth + 1);
        if (m_tok != Tok::RParen)
            fail(QStringLiteral("„)“ erwartet"));
        next();
        return inner;
    }
    case Tok::Number: {
        bool ok = false;
        const double value = m_tokText.toDouble(&ok);
        if (!ok || m_tokText.size() > 15)
            fail(QStringLiteral("Zahl zu groß"));
        next();
        XbaseExpression::Node n = node(XbaseExpression::Kind::NumLiteral);
        n.number = value;
        return {add(n), Type::Number};
    }
    case Tok::String: {
        XbaseExpression::Node n = node(XbaseExpression::Kind::StrLiteral);
        n.text = Cp1252::fromUnicode(m_tokText);
        next();
        return {add(n), Type::String};
    }
    case Tok::Ident:
        if (m_tokText.compare(QStringLiteral("AT"), Qt::CaseInsensitive) == 0)
            return atCall(depth);
        return field();
    default:
        fail(QStringLiteral("unerwartetes „%1“").arg(m_tokText));
    }
}

XbaseParser::Operand XbaseParser::atCall(int depth) {
    next();
    if (m_tok != Tok::LParen)
        fail(QStringLiteral("„(“ nach AT erwartet"));
    next();
    const Operand needle = primary(depth + 1);
    if (m_tok != Tok::Comma)
        fail(QStringLiteral("„,“ erwartet"));
    next();
    const Operand haystack = primary(depth + 1);
    if (m_tok != Tok::RParen)
        fail(QStringLiteral("„)“ erwartet"));
    next();
    if (needle.type != Type::String || haystack.type != Type::String)
        fail(QStringLiteral("AT erwartet zwei Zeichenketten"));
    return {add(node(XbaseExpression::Kind::At, needle.node, haystack.node)), Type::Number};
}

XbaseParser::Operand XbaseParser::field() {
    for (const DbfField& f : m_fields) {
        if (QString::fromLatin1(f.name).compare(m_tokText, Qt::CaseInsensitive) != 0)
            continue;
        XbaseExpression::Node n =
            node(f.type == 'N' ? XbaseExpression::Kind::NumField : XbaseExpression::Kind::StrField);
        if (f.type != 'N' && f.type != 'C')
            fail(QStringLiteral("Feld %1 kann nicht verglichen werden").arg(m_tokText));
        n.offset = f.offset;
        n.length = f.length;
        next();
        return {add(n), f.type == 'N' ? Type::Number : Type::String};
    }
    fail(QStringLiteral("unbekanntes Feld %1").arg(m_tokText));
}
