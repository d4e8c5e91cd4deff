#include "exchange/DataFileCopy.h"

#include <QFile>
#include <QFileInfo>

bool DataFileCopy::CopyDataFile(const QString& source, const QString& destination) {
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(destination).absoluteFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), kBlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(block.constData(), got) != got)
            return false;
    }
    // Flush now so a full disk shows up as a failed copy, not as a silently short file.
    return out.flush() && out.error() == QFileDevice::NoError;
}
