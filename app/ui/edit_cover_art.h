#pragma once
// The front cover the renderer put in a finished edit's ID3 tag, for the Complete screen.

#include <QImage>
#include <QString>

namespace app::ui {

// The edit's front cover (else its first picture); a null image when the MP3 has none or
// cannot be read. Reads only the tag at the front of the file.
QImage editCoverArt(const QString& mp3Path);

}  // namespace app::ui
