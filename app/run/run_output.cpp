#include "app/run/run_output.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace app::run {
namespace {

// The length a sequence starting with `lead` should have; 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// How many bytes at the end of `bytes` start a sequence that the next chunk may complete.
size_t incompleteTailLength(std::string_view bytes) {
    const size_t lookBack = std::min<size_t>(3, bytes.size());
    for (size_t back = 1; back <= lookBack; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const int length = sequenceLength(byte);
        return length > static_cast<int>(back) ? back : 0;
    }
    return 0;
}

std::optional<QString> strictUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) return std::nullopt;
    return text;
}

}  // namespace

QString decodeOutputChunk(std::string& carry, std::string_view bytes) {
    std::string joined = carry + std::string(bytes);
    carry.clear();
    const size_t tail = incompleteTailLength(joined);
    const std::string_view body(joined.data(), joined.size() - tail);
    if (std::optional<QString> text = strictUtf8(body)) {
        carry = joined.substr(joined.size() - tail);
        return *text;
    }
    // The carried bytes did not belong to this chunk: judge the chunk on its own.
    if (joined.size() != bytes.size()) return decodeOutputChunk(carry, bytes);
    return {};
}

void CapturedOutput::append(std::string_view bytes) {
    std::lock_guard<std::mutex> guard(mutex_);
    text_ += decodeOutputChunk(carry_, bytes);
    if (text_.size() > maxCharacters) text_.remove(0, text_.size() - maxCharacters);
}

QString CapturedOutput::text() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return text_;
}

QStringList nonBlankLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\n\r\v\f\u0085\u2028\u2029]"));
    QStringList lines;
    for (const QString& line : text.split(lineBreak)) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines << trimmed;
    }
    return lines;
}

QString commandSummary(const QString& output) {
    const QStringList lines = nonBlankLines(output);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 2)).join(QLatin1Char(' '));
}

}  // namespace app::run
