#include "platform/ui/text_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <utility>

#include "platform/ui/qt_support.h"
#include "platform/ui/shown_text.h"

namespace platform::ui {
namespace {

Qt::Alignment QtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

constexpr int kAccentRoom = 2;

// A document's raw text with its paragraph and line separators as CR LF.
QString WithCrLf(QString raw) {
  for (const QChar separator : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)}) {
    raw.replace(separator, QStringLiteral("\r\n"));
  }
  return raw;
}

}  // namespace

Label::Label(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new QLabel) {
  label_ = static_cast<QLabel*>(Widget());
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Common fonts draw the marks over capitals (the dots of "Ü") above their ascent;
  // without room above, a top-aligned caption loses them.
  label_->setContentsMargins(0, kAccentRoom, 0, 0);
  InitColors(vbButtonText, vbButtonFace);
  ClickOnRelease();
}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  label_->setText(ShownText(caption));
}

std::string Label::Caption() const {
  return caption_;
}

void Label::SetAlignment(Alignment alignment) {
  label_->setAlignment(QtAlignment(alignment) | Qt::AlignTop);
}

void Label::SetWordWrap(bool wrap) {
  label_->setWordWrap(wrap);
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  ApplyColors();
}

void Label::ApplyColors() {
  Control::ApplyColors();
  label_->setAutoFillBackground(!transparent_);
}

TextBox::TextBox(Container& parent, std::string name, int index, bool multiLine)
    : Control(parent, std::move(name), index,
              multiLine ? static_cast<QWidget*>(new QPlainTextEdit)
                        : static_cast<QWidget*>(new QLineEdit)) {
  InitColors(vbWindowText, vbWindowBackground);
  if (multiLine) {
    edit_ = static_cast<QPlainTextEdit*>(Widget());
    edit_->setTabChangesFocus(true);  // Tab moves on, as from a single-line box
    ListenTo(edit_->viewport(), edit_);
    // SetText changes the document with its signals blocked: what arrives here is the
    // user's.
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
      CutToMaxLength();
      RaiseChange();
      RaiseEdited();
    });
  } else {
    line_ = static_cast<QLineEdit*>(Widget());
    // The line reports a user's edit just before the change it makes; a text set inside
    // the Change handler is the program's.
    QObject::connect(line_, &QLineEdit::textEdited, line_, [this] { lineEdited_ = true; });
    QObject::connect(line_, &QLineEdit::textChanged, line_, [this] {
      const bool edited = std::exchange(lineEdited_, false);
      RaiseChange();
      if (edited) {
        RaiseEdited();
      }
    });
  }
}

// Multi-line text crosses the layer with CR LF line ends. The document turns a lone CR
// into a line break, so text the user has not edited is given back as it was set; the
// raw text keeps a non-breaking space, which toPlainText() makes a blank.
std::string TextBox::Text() const {
  if (line_ != nullptr) {
    return FromQt(line_->text());
  }
  const QString document = edit_->document()->toRawText();
  if (setText_ && setText_->document == document) {
    return setText_->bytes;
  }
  return FromQt(WithCrLf(document));
}

void TextBox::SetText(const std::string& text) {
  if (line_ != nullptr) {
    lineEdited_ = false;
    line_->setText(ToQt(text));
    return;
  }
  if (text == Text()) {
    return;
  }
  {
    const QSignalBlocker blocker(edit_);
    edit_->setPlainText(ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }
  setText_.reset();
  if (!CutToMaxLength()) {
    setText_ = SetBytes{text, edit_->document()->toRawText()};
  }
  RaiseChange();
}

int TextBox::MaxLength() const {
  return maxLength_;
}

void TextBox::SetMaxLength(int length) {
  maxLength_ = std::max(length, 0);
  if (line_ != nullptr) {
    line_->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
  } else {
    CutToMaxLength();
  }
}

bool TextBox::CutToMaxLength() {
  if (edit_ == nullptr || maxLength_ == 0) {
    return false;
  }
  const QString document = edit_->document()->toRawText();
  if (document.size() <= maxLength_) {
    return false;
  }
  QSignalBlocker blocker(edit_);
  edit_->setPlainText(document.left(maxLength_));
  edit_->moveCursor(QTextCursor::End);
  return true;
}

int TextBox::SelStart() const {
  if (line_ != nullptr) {
    return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
  }
  return edit_->textCursor().selectionStart();
}

void TextBox::SetSelStart(int start) {
  if (line_ != nullptr) {
    line_->setCursorPosition(std::clamp(start, 0, static_cast<int>(line_->text().size())));
    return;
  }
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(std::clamp(start, 0, static_cast<int>(edit_->toPlainText().size())));
  edit_->setTextCursor(cursor);
}

int TextBox::SelLength() const {
  if (line_ != nullptr) {
    return static_cast<int>(line_->selectedText().size());
  }
  const QTextCursor cursor = edit_->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TextBox::SetSelLength(int length) {
  const int start = SelStart();
  if (line_ != nullptr) {
    const int available = static_cast<int>(line_->text().size()) - start;
    line_->setSelection(start, std::clamp(length, 0, available));
    return;
  }
  QTextCursor cursor = edit_->textCursor();
  const int available = static_cast<int>(edit_->toPlainText().size()) - start;
  cursor.setPosition(start);
  cursor.setPosition(start + std::clamp(length, 0, available), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

std::string TextBox::SelText() const {
  return FromQt(line_ != nullptr ? line_->selectedText()
                                 : edit_->textCursor().selectedText().replace(
                                       QChar::ParagraphSeparator, QChar('\n')));
}

bool TextBox::Locked() const {
  return line_ != nullptr ? line_->isReadOnly() : edit_->isReadOnly();
}

void TextBox::SetLocked(bool locked) {
  if (line_ != nullptr) {
    line_->setReadOnly(locked);
  } else {
    edit_->setReadOnly(locked);
  }
}

void TextBox::SetAlignment(Alignment alignment) {
  if (line_ != nullptr) {
    line_->setAlignment(QtAlignment(alignment) | Qt::AlignVCenter);
    return;
  }
  QTextOption option = edit_->document()->defaultTextOption();
  option.setAlignment(QtAlignment(alignment));
  edit_->document()->setDefaultTextOption(option);
}

}  // namespace platform::ui
