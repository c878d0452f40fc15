#pragma once
// What a run's child process printed: decoded as UTF-8 chunk by chunk and capped
// at the newest characters, so a chatty child cannot exhaust memory.

#include <QString>
#include <QStringList>
#include <mutex>
#include <string>
#include <string_view>

namespace app::run {

// Decodes `bytes` appended to the incomplete UTF-8 sequence that `carry` holds from
// the previous chunk. An incomplete sequence at the end is left in `carry` for the next
// chunk; a chunk that is not UTF-8 for any other reason gives the empty text.
QString decodeOutputChunk(std::string& carry, std::string_view bytes);

// The captured text of one run. Thread-safe: the pipe reader appends while the run reads.
class CapturedOutput {
public:
    static constexpr qsizetype maxCharacters = 50000;  // QString characters

    void append(std::string_view bytes);
    QString text() const;

private:
    mutable std::mutex mutex_;
    std::string carry_;
    QString text_;
};

// The last two non-blank lines of an output, trimmed and joined by one space;
// the empty text when there is none.
QString commandSummary(const QString& output);

// The trimmed, non-blank lines of a text, in order.
QStringList nonBlankLines(const QString& text);

}  // namespace app::run
