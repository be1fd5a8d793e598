#include "text/ScrollEntry.h"

#include "log/DebugLog.h"
#include "net/modNet.h"
#include "text/TextSurface.h"
#include "text/modScroll.h"
#include "util/TextNumbers.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

const QChar PlaceholderStart = u'$';
const QChar PlaceholderEnd = u'§';

// Point sizes beyond these are no font for an 8-pixel display; they are kept within reach.
constexpr double SmallestPointSize = 1;
constexpr double LargestPointSize = 500;

qint16 ToSpeed(const QString &text)
{
    const int value = LenientInt(text);
    return qint16(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                  std::numeric_limits<qint16>::max()));
}

} // namespace

std::optional<ScrollEntry> ParseScrollEntry(const QString &Name)
{
    const QStringList parts = Name.split(u'|');
    if (parts.size() < 5)
        return std::nullopt;
    return ScrollEntry { parts[1], parts[2], ToSpeed(parts[3]), parts[4] };
}

std::optional<QFont> FontFromCaption(const QString &FontCaption)
{
    const QStringList parts = FontCaption.split(u',');
    if (parts.size() < 3)
        return std::nullopt;
    QFont font(parts[0]);
    font.setPointSizeF(std::clamp(LenientNumber(parts[1]), SmallestPointSize, LargestPointSize));
    const QString &style = parts[2];
    font.setBold(style.contains(u'B'));
    font.setItalic(style.contains(u'I'));
    font.setUnderline(style.contains(u'U'));
    font.setStrikeOut(style.contains(u'S'));
    return font;
}

QString CleanServerAnswer(QString Answer)
{
    if (Answer.endsWith(QLatin1String("\r\n")))
        Answer.chop(2);
    if (Answer.startsWith(PlaceholderStart))
        Answer.remove(0, 1);
    if (Answer.endsWith(PlaceholderEnd))
        Answer.chop(1);
    if (LenientNumber(QStringView(Answer).left(2)) == 20)
        Answer = Answer.mid(10).trimmed();
    return Answer;
}

QString ResolvePlaceholders(QString Text, const ServerQuestion &Ask)
{
    for (int questions = 0;; ++questions) {
        const qsizetype start = Text.indexOf(PlaceholderStart);
        const qsizetype end = start < 0 ? -1 : Text.indexOf(PlaceholderEnd, start + 1);
        if (end < 0)
            return Text;
        if (questions == MaxPlaceholderQuestions) {
            DebugLog(
                QStringLiteral("Placeholders left as they are after %1 questions").arg(questions));
            return Text;
        }
        const QString name = Text.mid(start + 1, end - start - 1);
        const QString placeholder = PlaceholderStart + name + PlaceholderEnd;
        const QString answer = CleanServerAnswer(Ask(QStringLiteral("getvar ") + placeholder));
        const qsizetype grown
            = Text.size() + Text.count(placeholder) * (answer.size() - placeholder.size());
        if (grown > MaxResolvedTextLength) {
            DebugLog(QStringLiteral("Placeholders left as they are: the text would grow to %1 "
                                    "characters")
                         .arg(grown));
            return Text;
        }
        Text.replace(placeholder, answer);
    }
}

bool PlayScrollEntry(const QString &Name)
{
    const std::optional<ScrollEntry> entry = ParseScrollEntry(Name);
    if (!entry) {
        DebugLog(QStringLiteral("Skipped scroll entry without its five parts: ") + Name);
        return false;
    }
    const std::optional<QFont> font = FontFromCaption(entry->FontCaption);
    if (!font) {
        DebugLog(QStringLiteral("Skipped scroll entry with an unreadable font caption: ") + Name);
        return false;
    }
    picText().SetFont(*font);
    ScrollText(ResolvePlaceholders(entry->Text, AskTafelwerk), entry->Speed, entry->Direction);
    return true;
}
