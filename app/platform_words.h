#pragma once
// The words that name this desktop's own facilities: its file manager, the computer itself
// and the personal media libraries. Every text a person or the agent reads takes them from
// here, so the wizard names them one way everywhere. They come translated ("PlatformWords"
// context), so call them once the language is loaded, not during static start-up.

#include <QString>

namespace app::platform_words {

// Where View Edit shows a file: "in the file manager".
QString inFileManager();
// The kind of folder songs come from: "a regular folder".
QString regularFolder();
// The machine the wizard runs on: "this computer".
QString thisComputer();
// "slower computers".
QString slowerComputers();
// The libraries the wizard never needs: "the Music and Pictures libraries".
QString mediaLibraries();
// "access to the Music or Pictures libraries".
QString mediaLibraryAccess();
// A whole sentence for the folder picker: "Do not choose the Music or Pictures libraries or a
// media-library package."
QString avoidMediaLibrariesSentence();

// `phrase` with its first letter in upper case, for a phrase that opens a sentence.
QString atSentenceStart(const QString& phrase);

}  // namespace app::platform_words
