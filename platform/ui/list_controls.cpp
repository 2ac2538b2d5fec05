#include "platform/ui/list_controls.h"

#include <QComboBox>
#include <QListWidget>

#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

bool InList(int position, int count) {
  return position >= 0 && position < count;
}

}  // namespace

ComboBox::ComboBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new QComboBox) {
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
  const bool hadSelection = ListIndex() != -1;
  {
    QSignalBlocker blocker(combo_);
    combo_->clear();
  }
  newIndex_ = -1;
  if (hadSelection) {
    RaiseClick();
  }
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
    : Control(parent, std::move(name), index, new QListWidget) {
  list_ = static_cast<QListWidget*>(Widget());
  InitColors(vbWindowText, vbWindowBackground);
  ListenTo(list_->viewport(), list_);
  QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this] { RaiseClick(); });
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
