#pragma once
// One selected song. Every TrackFile gets a fresh id, even for a file picked again.

#include <QFileInfo>
#include <QString>
#include <QUuid>

namespace app::songs {

struct TrackFile {
    QUuid id = QUuid::createUuid();
    QString url;  // absolute path of the song file

    static TrackFile forPath(const QString& path) {
        TrackFile track;
        track.url = path;
        return track;
    }
    // The last path component.
    QString name() const { return QFileInfo(url).fileName(); }
    // The path extension, lower-cased.
    QString ext() const { return QFileInfo(url).suffix().toLower(); }
};

}  // namespace app::songs
