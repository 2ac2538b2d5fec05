#pragma once

#include <string>

#include "platform/ui/control.h"

class QComboBox;
class QListWidget;

namespace platform::ui {

// A drop-down list (no typing). Every change of ListIndex, from code or the user,
// fires Click; Clear does not. An index outside -1..ListCount-1 is refused: ListIndex
// stays and SetListIndex returns false.
class ComboBox : public Control {
 public:
  ComboBox(Container& parent, std::string name, int index = -1);
  void AddItem(const std::string& item);
  void AddItem(const std::string& item, int position);  // position outside 0..count: appended
  void RemoveItem(int position);                        // outside: nothing
  void Clear();
  int ListCount() const;
  std::string List(int position) const;  // outside: ""
  int ItemData(int position) const;      // outside: 0
  void SetItemData(int position, int data);
  int NewIndex() const { return newIndex_; }
  int ListIndex() const;
  bool SetListIndex(int position);
  std::string Text() const;  // the selected item, "" for none
  std::string Caption() const override { return Text(); }

 private:
  QComboBox* combo_;
  int newIndex_ = -1;
};

// A list box with single selection; ListIndex and Clear as for ComboBox. A click on
// the item already selected fires Click again.
class ListBox : public Control {
 public:
  ListBox(Container& parent, std::string name, int index = -1);
  void AddItem(const std::string& item);
  void RemoveItem(int position);
  void Clear();
  int ListCount() const;
  std::string List(int position) const;
  int ItemData(int position) const;
  void SetItemData(int position, int data);
  int ListIndex() const;
  bool SetListIndex(int position);
  std::string Text() const;
  std::string Caption() const override { return Text(); }

 private:
  QListWidget* list_;
};

}  // namespace platform::ui
