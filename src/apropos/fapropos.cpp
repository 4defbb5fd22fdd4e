// The About box's layout and text. The blanks that lead each line centre it in the memo.
#include "apropos/fapropos.hpp"

#include <QFontMetrics>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace apropos {
namespace {

constexpr int kMemoLeft = 17;
constexpr int kMemoTop = 16;
constexpr int kMemoWidth = 400;
constexpr int kMemoHeight = 177;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 31;    // from the memo down to the button
constexpr int kRightMargin = 23;  // from the memo to the box's right edge
constexpr int kBottomMargin = 8;  // from the button to the box's bottom edge

QString line(int blanks, const char* text) {
  return QString(blanks, QLatin1Char(' ')) + QString::fromLatin1(text);
}

}  // namespace

QString about_text() {
  const std::array lines{
      line(54, "QUARVEL"),
      line(20, "Program to find more symetric multiple cells of a given cell"),
      line(43, ""),
      QString(),
      line(33, "Developed by the Quarvel team"),
      line(24, "as free software for crystallographers"),
      QString(),
      line(22, "Questions and reports: the project's issue tracker"),
      line(30, "Sources: the Quarvel repository"),
      line(40, "Authors:"),
      line(33, "the Quarvel team"),
      line(30, "and its contributors"),
  };
  QStringList text;
  for (const QString& l : lines) text << l;
  return text.join(QLatin1Char('\n'));
}

Tfapropos::Tfapropos()
    : Memo1(new QPlainTextEdit(about_text(), this)), BitBtn1(new QPushButton(this)) {
  setWindowTitle(QStringLiteral("About Quarvel"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  Memo1->setPalette(palette);

  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setText(QStringLiteral("Cancel"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &Tfapropos::sortie);

  // The memo widens and heightens where the desktop's font needs more room than the layout's.
  const QFontMetrics metrics(Memo1->font());
  int widest = 0;
  for (const QString& l : about_text().split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(l));
  }
  const int chrome =
      2 * (Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin()));
  // A line's spacing in the memo exceeds the font's; a line more spares the scroll bars.
  const int width = std::max(kMemoWidth, widest + chrome + metrics.averageCharWidth() * 3);
  const int height = std::max(kMemoHeight, 13 * (metrics.lineSpacing() + 1) + chrome);
  Memo1->setGeometry(kMemoLeft, kMemoTop, width, height);
  const int button_top = kMemoTop + height + kButtonGap;
  BitBtn1->setGeometry(kMemoLeft + width + 2 - kButtonWidth, button_top, kButtonWidth,
                       kButtonHeight);
  resize(kMemoLeft + width + kRightMargin, button_top + kButtonHeight + kBottomMargin);
  move(200, 108);
  Memo1->setFocus();
}

}  // namespace apropos
