#include "app/ui/edit_cover_art.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <QFile>

namespace app::ui {

QImage editCoverArt(const QString& mp3Path) {
    const QByteArray path = QFile::encodeName(mp3Path);
    TagLib::MPEG::File file(path.constData(), false);
    if (!file.isValid() || !file.hasID3v2Tag()) return {};
    using Picture = TagLib::ID3v2::AttachedPictureFrame;
    const Picture* chosen = nullptr;
    for (const TagLib::ID3v2::Frame* frame : file.ID3v2Tag()->frameList("APIC")) {
        const auto* picture = dynamic_cast<const Picture*>(frame);
        if (picture == nullptr) continue;
        if (chosen == nullptr || picture->type() == Picture::FrontCover) chosen = picture;
        if (chosen->type() == Picture::FrontCover) break;
    }
    if (chosen == nullptr) return {};
    const TagLib::ByteVector bytes = chosen->picture();
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()));
}

}  // namespace app::ui
