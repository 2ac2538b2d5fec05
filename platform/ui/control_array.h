#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace platform::ui {

// A control array: elements of one kind under one name, each with its own index
// and parent. Its handlers receive the element's index first.
template <class T>
class ControlArray {
 public:
  explicit ControlArray(std::string name) : name_(std::move(name)) {}
  // Elements first..last, all in the same parent.
  template <class Parent>
  ControlArray(Parent& parent, std::string name, int first, int last) : name_(std::move(name)) {
    for (int i = first; i <= last; ++i) {
      Add(parent, i);
    }
  }
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  // Creates element `index` in `parent`; extra arguments go to the element's constructor.
  template <class Parent, class... Args>
  T& Add(Parent& parent, int index, Args&&... args) {
    if (Exists(index)) {
      throw std::logic_error("control array " + name_ + ": index exists");
    }
    auto element = std::make_unique<T>(parent, name_, index, std::forward<Args>(args)...);
    Wire(*element, index);
    T& added = *element;
    elements_.emplace(index, std::move(element));
    return added;
  }

  // Throws std::out_of_range for an index without an element.
  T& operator[](int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) {
      throw std::out_of_range("control array " + name_ + ": no element " + std::to_string(index));
    }
    return *it->second;
  }
  T& operator()(int index) const { return (*this)[index]; }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  const std::string& Name() const { return name_; }

  template <class F>
  void ForEach(F&& f) const {
    for (auto& [index, element] : elements_) {
      f(*element);
    }
  }

  std::function<void(int Index)> Click;
  std::function<void(int Index)> DblClick;
  std::function<void(int Index)> Change;
  std::function<void(int Index)> Edited;
  std::function<void(int Index)> GotFocus;
  std::function<void(int Index)> LostFocus;
  std::function<void(int Index, int& KeyAscii)> KeyPress;
  std::function<void(int Index, int& KeyCode, int Shift)> KeyDown;
  std::function<void(int Index, int& KeyCode, int Shift)> KeyUp;
  std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseDown;
  std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseMove;
  std::function<void(int Index, int Button, int Shift, float X, float Y)> MouseUp;

 private:
  void Wire(T& element, int index);

  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
};

template <class T>
void ControlArray<T>::Wire(T& element, int index) {
  auto plain = [this, index](std::function<void(int)> ControlArray::*handler) {
    return [this, index, handler] {
      if (this->*handler) {
        (this->*handler)(index);
      }
    };
  };
  element.Click = plain(&ControlArray::Click);
  if constexpr (requires { element.DblClick; }) {
    element.DblClick = plain(&ControlArray::DblClick);
    element.Change = plain(&ControlArray::Change);
    element.Edited = plain(&ControlArray::Edited);
    element.GotFocus = plain(&ControlArray::GotFocus);
    element.LostFocus = plain(&ControlArray::LostFocus);
    element.KeyPress = [this, index](int& KeyAscii) {
      if (KeyPress) {
        KeyPress(index, KeyAscii);
      }
    };
    element.KeyDown = [this, index](int& KeyCode, int Shift) {
      if (KeyDown) {
        KeyDown(index, KeyCode, Shift);
      }
    };
    element.KeyUp = [this, index](int& KeyCode, int Shift) {
      if (KeyUp) {
        KeyUp(index, KeyCode, Shift);
      }
    };
    using Mouse = std::function<void(int, int, int, float, float)>;
    auto mouse = [this, index](Mouse ControlArray::*handler) {
      return [this, index, handler](int Button, int Shift, float X, float Y) {
        if (this->*handler) {
          (this->*handler)(index, Button, Shift, X, Y);
        }
      };
    };
    element.MouseDown = mouse(&ControlArray::MouseDown);
    element.MouseMove = mouse(&ControlArray::MouseMove);
    element.MouseUp = mouse(&ControlArray::MouseUp);
  }
}

}  // namespace platform::ui
