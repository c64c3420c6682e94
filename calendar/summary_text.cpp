#include "calendar/summary_text.h"

#include <QList>
#include <QString>

#include "platform/cp1252.h"

namespace {

bool Representable(char32_t c) {
  const QString one = QString::fromUcs4(&c, 1);
  return c == U'?' || platform::Cp1252(one.toStdString()) != "?";
}

// The letters of a character's compatibility decomposition that Windows-1252 holds,
// combining marks dropped; "?" when none is left.
QString Nearest(char32_t c) {
  QString out;
  const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
  for (char32_t part : decomposed.toUcs4()) {
    if (QChar::category(part) == QChar::Mark_NonSpacing) continue;
    if (!Representable(part)) return QStringLiteral("?");
    out += QString::fromUcs4(&part, 1);
  }
  return out.isEmpty() ? QStringLiteral("?") : out;
}

}  // namespace

std::string SummaryOfText(std::string_view text) { return platform::Utf8(text); }

std::string SummaryToText(std::string_view summary) {
  // Composed first, so that a letter sent as base and mark ("a" + U+0308) stays "ä".
  const QString composed = QString::fromUtf8(summary.data(), static_cast<qsizetype>(summary.size()))
                               .normalized(QString::NormalizationForm_C);
  const QList<uint> chars = composed.toUcs4();
  QString line;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n') continue;  // CR LF is one break
    if (c == U'\r' || c == U'\n' || c == U'\t' || c == 0x2028 || c == 0x2029) {
      line += QLatin1Char(' ');
    } else if (Representable(c)) {
      line += QString::fromUcs4(&c, 1);
    } else {
      line += Nearest(c);
    }
  }
  return platform::Cp1252(line.toStdString());
}
