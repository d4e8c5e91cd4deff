#include "store/SystemErrorText.h"

#include <cerrno>
#include <cstring>

QString systemErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll.");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner oder die Datei fehlt.");
    case EISDIR:
        return QStringLiteral("Dort liegt ein Ordner, keine Datei.");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele offene Dateien.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade benutzt.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).")
            .arg(error)
            .arg(QString::fromLocal8Bit(strerror(error)));
    }
}
