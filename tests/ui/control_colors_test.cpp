#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"

namespace platform::ui {
namespace {

constexpr OleColor kLightYellow = 0xC0FFFF;

QImage Look(const Control& control) {
  return control.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool ShowsColor(const Control& control, const QColor& color) {
  const QImage image = Look(control);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == color) {
        return true;
      }
    }
  }
  return false;
}

// Text boxes and labels show the caption; lists leave it out.
template <typename Kind>
std::unique_ptr<Control> Make(Container& parent, const char* name) {
  auto control = std::make_unique<Kind>(parent, name);
  control->SetCaption("57600");
  return control;
}

const struct {
  const char* name;
  std::unique_ptr<Control> (*make)(Container&, const char*);
} kKinds[] = {{"combo box", Make<ComboBox>},
              {"list box", Make<ListBox>},
              {"text box", Make<TextBox>},
              {"label", Make<Label>}};

// A control disabled through its container looks as Qt draws one without colours of
// its own; enabled again, its colours are back.
TEST(ControlColors, DisabledControlLooksGreyedWhateverItsColours) {
  testing::UiHarness harness;
  for (const auto& kind : kKinds) {
    Form form("frmColors");
    form.SetClientSize(280, 60);
    Frame frame(form, "Frame1");
    frame.Move(0, 0, 280, 60);
    std::unique_ptr<Control> plain = kind.make(frame, "plain");
    std::unique_ptr<Control> colored = kind.make(frame, "colored");
    plain->Move(10, 15, 120, 30);
    colored->Move(140, 15, 120, 30);
    colored->SetBackColor(kLightYellow);
    colored->SetForeColor(RGB(192, 0, 0));
    form.Show();
    const QColor yellow(255, 255, 192);
    EXPECT_TRUE(ShowsColor(*colored, yellow)) << kind.name;

    frame.SetEnabled(false);
    EXPECT_FALSE(ShowsColor(*colored, yellow)) << kind.name;
    EXPECT_TRUE(Look(*colored) == Look(*plain)) << kind.name;

    frame.SetEnabled(true);
    EXPECT_TRUE(ShowsColor(*colored, yellow)) << kind.name;
  }
}

}  // namespace
}  // namespace platform::ui
