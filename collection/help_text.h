#pragma once
// The help file: plain text in Shift_JIS, sections opened by "■" + topic +
// CR LF and closed by the next "■".

#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

// The topics of the help window, in the order the window lists them.
const QStringList& HelpTopics();

// Decodes Shift_JIS (code page 932) text, a byte that is not valid there as one
// replacement character; nullopt when more than maxBadBytes are not valid (the
// bytes are no Shift_JIS text) or the platform has no such decoder.
std::optional<QString> DecodeShiftJis(
    const QByteArray& bytes, qsizetype maxBadBytes = std::numeric_limits<qsizetype>::max());

// Reads the whole file and decodes it; nullopt when it cannot be read, when
// more than a tenth of its bytes are not Shift_JIS, or when it names no topic.
std::optional<QString> ReadHelpFile(const QString& path);

// The help text of a file, or why it could not be read (a sentence naming it).
struct HelpText {
  QString text;
  QString error;
};
HelpText LoadHelpText(const QString& path);

// The text of a topic's section: what follows "■" + topic + the line break, up
// to the next "■". A topic that is missing gives an empty text; a section
// that is not closed runs to the end of the text.
QString HelpSection(const QString& helpText, const QString& topic);
