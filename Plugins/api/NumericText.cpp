#include "NumericText.h"

#include <QRegularExpression>

bool IsNumericText(QStringView text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*(&[hH][0-9a-fA-F]{1,8}|[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)\s*$)"));
    return number.match(text).hasMatch();
}
