#include "PowerLoss.h"

#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

void apply(QByteArray& file, const RawFile::Event& e) {
    if (e.kind == RawFile::Event::Kind::Truncate) {
        file.resize(e.offset, '\0');
        return;
    }
    if (e.kind != RawFile::Event::Kind::Write)
        return;
    if (file.size() < e.offset + e.bytes.size())
        file.resize(e.offset + e.bytes.size(), '\0');
    file.replace(e.offset, e.bytes.size(), e.bytes);
}

} // namespace

PowerLoss::PowerLoss(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files))
        m_files.insert(name, TestFiles::readAll(dir.filePath(name)));
    RawFile::observe([this](const RawFile::Event& e) { m_events.push_back(e); });
}

PowerLoss::~PowerLoss() {
    RawFile::observe({});
}

bool PowerLoss::restore(int events, const QString& target) const {
    QHash<QString, QByteArray> disk = m_files;
    QHash<QString, int> lastSync;
    for (int i = 0; i < events; ++i) {
        if (m_events[size_t(i)].kind == RawFile::Event::Kind::Sync)
            lastSync[QFileInfo(m_events[size_t(i)].path).fileName()] = i;
    }
    for (int i = 0; i < events; ++i) {
        const RawFile::Event& e = m_events[size_t(i)];
        const QString name = QFileInfo(e.path).fileName();
        const bool forced = i < lastSync.value(name, -1);
        if (forced || e.kind == RawFile::Event::Kind::Truncate || e.offset < kHeaderBytes)
            apply(disk[name], e);
    }
    for (auto it = disk.cbegin(); it != disk.cend(); ++it) {
        if (!TestFiles::writeAll(QDir(target).filePath(it.key()), it.value()))
            return false;
    }
    return true;
}
