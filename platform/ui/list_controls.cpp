#include "platform/ui/list_controls.h"

#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

bool InList(int position, int count) {
  return position >= 0 && position < count;
}

// A left press on the item that is already selected changes no selection, yet it is a
// click on the list all the same: the list reports it. Taking the focus selects nothing.
class ClickReportingList : public QListWidget {
 public:
  std::function<void()> selectedItemPressed;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QSignalBlocker blocker(this);
    const int before = currentRow();
    QListWidget::focusInEvent(event);
    setCurrentRow(before);
  }
  void mousePressEvent(QMouseEvent* event) override {
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && before != -1 && currentRow() == before &&
        indexAt(event->position().toPoint()).row() == before && selectedItemPressed) {
      selectedItemPressed();
    }
  }
};

// The wheel turns the list only while it has the focus, as on Windows, where the wheel
// goes to the focused control: over a combo the pointer merely rests on, it goes on to
// the combo's parents and picks nothing. A notch is one item, also from a wheel that
// reports each notch in parts.
class FocusWheelComboBox : public QComboBox {
 public:
  FocusWheelComboBox() { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void wheelEvent(QWheelEvent* event) override {
    if (!hasFocus()) {
      event->ignore();
      return;
    }
    event->accept();
    const long long delta = pendingDelta_ + static_cast<long long>(event->angleDelta().y());
    const long long notches = delta / QWheelEvent::DefaultDeltasPerStep;
    pendingDelta_ = static_cast<int>(delta % QWheelEvent::DefaultDeltasPerStep);
    // Up goes to earlier items; a box without selection starts before the first.
    const long long current = currentIndex();
    const long long target = std::clamp(current - notches, current == -1 ? -1LL : 0LL,
                                        static_cast<long long>(count()) - 1);
    if (notches != 0 && target >= 0) {
      setCurrentIndex(static_cast<int>(target));
    }
  }
  void focusOutEvent(QFocusEvent* event) override {
    pendingDelta_ = 0;
    QComboBox::focusOutEvent(event);
  }

 private:
  int pendingDelta_ = 0;  // of a notch not completed yet, in eighths of a degree
};

}  // namespace

ComboBox::ComboBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new FocusWheelComboBox) {
  combo_ = static_cast<QComboBox*>(Widget());
  combo_->setEditable(false);
  InitColors(vbWindowText, vbWindowBackground);
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this] { RaiseClick(); });
}

void ComboBox::AddItem(const std::string& item) {
  AddItem(item, ListCount());
}

void ComboBox::AddItem(const std::string& item, int position) {
  if (!InList(position, ListCount() + 1)) {
    position = ListCount();
  }
  // Qt selects the first item added to an empty box; the list keeps no selection.
  const int selected = ListIndex();
  QSignalBlocker blocker(combo_);
  combo_->insertItem(position, ToQt(item), 0);
  combo_->setCurrentIndex(selected < position ? selected : selected + 1);
  newIndex_ = position;
}

void ComboBox::RemoveItem(int position) {
  if (InList(position, ListCount())) {
    combo_->removeItem(position);
  }
}

void ComboBox::Clear() {
  QSignalBlocker blocker(combo_);
  combo_->clear();
  newIndex_ = -1;
}

int ComboBox::ListCount() const {
  return combo_->count();
}

std::string ComboBox::List(int position) const {
  return InList(position, ListCount()) ? FromQt(combo_->itemText(position)) : std::string();
}

int ComboBox::ItemData(int position) const {
  return InList(position, ListCount()) ? combo_->itemData(position).toInt() : 0;
}

void ComboBox::SetItemData(int position, int data) {
  if (InList(position, ListCount())) {
    combo_->setItemData(position, data);
  }
}

int ComboBox::ListIndex() const {
  return combo_->currentIndex();
}

bool ComboBox::SetListIndex(int position) {
  if (position != -1 && !InList(position, ListCount())) {
    return false;
  }
  combo_->setCurrentIndex(position);
  return true;
}

std::string ComboBox::Text() const {
  return List(ListIndex());
}

ListBox::ListBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new ClickReportingList) {
  auto* list = static_cast<ClickReportingList*>(Widget());
  list_ = list;
  InitColors(vbWindowText, vbWindowBackground);
  ListenTo(list_->viewport(), list_);
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this] { RaiseClick(); });
  list->selectedItemPressed = [this] { RaiseClick(); };
}

void ListBox::AddItem(const std::string& item) {
  list_->addItem(ToQt(item));
}

void ListBox::RemoveItem(int position) {
  if (InList(position, ListCount())) {
    delete list_->takeItem(position);
  }
}

void ListBox::Clear() {
  QSignalBlocker blocker(list_);
  list_->clear();
}
int ListBox::ListCount() const {
  return list_->count();
}

std::string ListBox::List(int position) const {
  return InList(position, ListCount()) ? FromQt(list_->item(position)->text()) : std::string();
}

int ListBox::ItemData(int position) const {
  return InList(position, ListCount()) ? list_->item(position)->data(Qt::UserRole).toInt() : 0;
}

void ListBox::SetItemData(int position, int data) {
  if (InList(position, ListCount())) {
    list_->item(position)->setData(Qt::UserRole, data);
  }
}

int ListBox::ListIndex() const {
  return list_->currentRow();
}

bool ListBox::SetListIndex(int position) {
  if (position != -1 && !InList(position, ListCount())) {
    return false;
  }
  list_->setCurrentRow(position);
  return true;
}

std::string ListBox::Text() const {
  return List(ListIndex());
}

}  // namespace platform::ui
