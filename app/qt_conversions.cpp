// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_conversions.h"

#include <QLocale>
#include <QStringList>

namespace veredod::app {

namespace {

QString PatternsForQt(const QString& patterns) {
    QStringList parts = patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == u"*.*") part = QStringLiteral("*");
    }
    return parts.join(u' ');
}

// "All Files (*.*)" -> "All Files": the patterns are written again from
// the pattern field.
QString DescriptionWithoutPatterns(const QString& description) {
    QString text = description.trimmed();
    const qsizetype open = text.lastIndexOf(u'(');
    if (open > 0 && text.endsWith(u')')) text = text.left(open).trimmed();
    return text;
}

bool IsSingleByte(QChar c) {
    return c.unicode() > 0 && c.unicode() < 0x80;
}

}  // namespace

QString ToQtFileFilter(const std::string& pipeJoined) {
    const QStringList fields = QString::fromStdString(pipeJoined).split(u'|');
    QStringList choices;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString patterns = PatternsForQt(fields[i + 1]);
        QString description = DescriptionWithoutPatterns(fields[i]);
        if (description.isEmpty()) description = patterns;
        choices << description + QStringLiteral(" (") + patterns + u')';
    }
    return choices.join(QStringLiteral(";;"));
}

NumberFormat NumberFormatFor(const QLocale& locale) {
    NumberFormat format;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    format.decimalSeparator =
        decimal.size() == 1 && IsSingleByte(decimal[0]) ? char(decimal[0].unicode()) : '.';
    if (group.size() == 1 && IsSingleByte(group[0])) {
        format.groupSeparator = char(group[0].unicode());
    } else if (group.size() == 1 && group[0].isSpace()) {
        format.groupSeparator = ' ';
    } else {
        format.groupSeparator = format.decimalSeparator == ',' ? '.' : ',';
    }
    if (format.groupSeparator == format.decimalSeparator) {
        format.groupSeparator = format.decimalSeparator == ',' ? '.' : ',';
    }
    return format;
}

}  // namespace veredod::app
