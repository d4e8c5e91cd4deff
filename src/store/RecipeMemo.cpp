#include "store/RecipeMemo.h"

QString RecipeMemo::separator() {
    return QStringLiteral("\u00FE\u00FD");
}

QString RecipeMemo::join(const QString& instructions, const QString& remark) {
    return remark.isEmpty() ? instructions : instructions + separator() + remark;
}

void RecipeMemo::split(const QString& memo, QString* instructions, QString* remark) {
    const qsizetype at = memo.indexOf(separator());
    *instructions = at < 0 ? memo : memo.left(at);
    *remark = at < 0 ? QString() : memo.mid(at + 2);
}
