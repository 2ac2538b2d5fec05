// The wheel over a combo the user did not pick and keys that type nothing are no edits,
// and every window closes from the keyboard through its own handlers. Each row loads a
// project through the file dialog, makes one gesture with real input, and saves the
// project through the file dialog again.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dialogs/frm_asc_code.h"
#include "dialogs/frm_list.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "platform/ui/form_window.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"
#include "tests/mainwindow/sample_project.h"

namespace testing_ui = platform::ui::testing;
namespace vb = platform::ui::vb;

namespace {

constexpr int kNotch = 120;

class KeysAndWheel;
using Windows = std::set<std::string>;
using Edit = std::function<void(ProjectHeader&, CommandRecordList&)>;

struct Gesture {
  std::string name;
  int page;  // the wizard page it starts on, 1..3
  std::function<void(KeysAndWheel&, frmWizard&)> act;
  Windows shown;  // the windows shown once the gesture is done
  Edit edit;      // what it changes in the project; none when empty
};

void PrintTo(const Gesture& gesture, std::ostream* out) {
  *out << gesture.name;
}

// The windows of the program shown now.
Windows ShownWindows() {
  Windows shown;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (dynamic_cast<ui::FormWindow*>(window) != nullptr && window->isVisible()) {
      shown.insert(window->objectName().toStdString());
    }
  }
  return shown;
}

// Qt counts a window owned by the active one as active before the window system has
// activated it; keys go to the focus of the window it did activate.
bool BecomesActive(ui::Form& form) {
  for (int wait = 0; wait < 100 && QApplication::activeWindow() != form.Window(); ++wait) {
    QTest::qWait(10);
  }
  return QApplication::activeWindow() == form.Window();
}

// Where the project that the gesture saved first differs from the expected one.
std::string FirstDifference(const std::string& saved, const std::string& expected) {
  std::size_t at = 0;
  while (at < saved.size() && at < expected.size() && saved[at] == expected[at]) {
    ++at;
  }
  if (at == saved.size() && at == expected.size()) {
    return "";
  }
  std::string where = "differs at byte " + std::to_string(at);
  if (at >= kHeaderFileSize) {
    where += ", record " + std::to_string((at - kHeaderFileSize) / kRecordFileSize);
  }
  return where;
}

class KeysAndWheel : public LinkPageTest, public ::testing::WithParamInterface<Gesture> {
 public:
  using LinkPageTest::Navigate;
  using LinkPageTest::ui;

  // A key as the user presses it, at the control that has the focus.
  static void Press(ui::Control& control, int keyCode, int shift = 0) {
    EXPECT_TRUE(control.HasFocus()) << control.Name() << " has the focus";
    testing_ui::PressKey(control, keyCode, shift);
  }
  // The windows that the row checks, taken now, unless a window the gesture opened
  // from this one took them already: a modal window is gone once its action is over.
  void NoteShown() {
    if (!shown_) {
      shown_ = ShownWindows();
    }
  }
  // Runs the action in the modal window that the click opens.
  template <class Window>
  void InModal(ui::Control& opener, std::function<void(Window&)> action) {
    ui.QueueModalFormAction([action](ui::Form& form) {
      EXPECT_TRUE(BecomesActive(form));
      action(static_cast<Window&>(form));
    });
    testing_ui::ClickControl(opener);
  }

 protected:
  // The sample project with filter rows behind the status queries of record 0, which
  // a pass through "no command" would clear; the grids' cursor cell (0, 0) holds no 0.
  std::string WriteProject() {
    FillProject();
    CmdRecords[0].StatusMatrix[0] = 2;
    CmdRecords[0].BackAnswerNo = 255;
    CmdRecords[0].Filter1Matrix.fill(1);
    CmdRecords[0].TransTo2No = 255;
    CmdRecords[0].Filter2Matrix.fill(1);
    return WriteProjectAndForgetIt("loaded.vrx");
  }

  std::optional<Windows> shown_;
};

TEST_P(KeysAndWheel, ChangesOnlyWhatTheUserEdits) {
  const Gesture& gesture = GetParam();
  const std::string path = WriteProject();
  frmWizard& w = LoadThroughFileDialog(path);
  std::string loaded;
  ASSERT_TRUE(platform::ReadFileBytes(path, loaded, kProjectFileSize + 1));
  ASSERT_TRUE(ProjectFileBytes(ProjHeader, CmdRecords) == loaded) << "the project loaded";
  ProjectHeader header = ProjHeader;
  CommandRecordList records = CmdRecords;
  while (w.WizardPage < gesture.page) {
    Navigate(1);
  }
  ui.ClearRecords();

  gesture.act(*this, w);
  NoteShown();
  EXPECT_EQ(*shown_, gesture.shown);
  EXPECT_TRUE(ui.MessageBoxes().empty()) << ui.MessageBoxes()[0].text;
  EXPECT_EQ(ui.PendingAnswers(), 0);

  if (gesture.edit) {
    gesture.edit(header, records);
  }
  const std::string difference =
      FirstDifference(SavedThroughFileDialog(), ProjectFileBytes(header, records));
  EXPECT_EQ(difference, "") << "the saved project";
}

const Windows kMain = {"frmWizard"};

Windows With(const std::string& window) {
  return {"frmWizard", window};
}

// Up, down, down and up over a combo that has not the focus: with it the wheel would
// pass through both neighbours of the item shown and store each.
Gesture UnfocusedWheel(std::string name, int page, std::function<ui::ComboBox&(frmWizard&)> combo) {
  return {"WheelOver" + name,
          page,
          [combo](KeysAndWheel&, frmWizard& w) {
            ui::ComboBox& box = combo(w);
            const int shown = box.ListIndex();
            ASSERT_FALSE(box.HasFocus());
            for (const int notch : {kNotch, -kNotch, -kNotch, kNotch}) {
              testing_ui::TurnWheel(box, notch);
            }
            EXPECT_EQ(box.ListIndex(), shown);
          },
          kMain,
          {}};
}

// The status-register editor and both filter editors, each from its button.
struct MatrixEditorButton {
  std::string name;
  int page;
  ui::CommandButton frmWizard::*button;
  MatrixRow CommandRecord::*cells;
};
const MatrixEditorButton kMatrixEditors[] = {
    {"Status", 2, &frmWizard::cmdStatusList2, &CommandRecord::StatusMatrix},
    {"Filter1", 2, &frmWizard::cmdFilter1B, &CommandRecord::Filter1Matrix},
    {"Filter2", 3, &frmWizard::cmdFilter2B, &CommandRecord::Filter2Matrix},
};

Gesture InMatrixEditor(const MatrixEditorButton& editor, std::string name,
                       std::function<void(MatrixEditor&)> action, Windows shown, Edit edit = {}) {
  return {editor.name + name, editor.page,
          [editor, action](KeysAndWheel& t, frmWizard& w) {
            t.InModal<MatrixEditor>(w.*editor.button, [&t, action](MatrixEditor& grid) {
              action(grid);
              t.NoteShown();
            });
          },
          std::move(shown), std::move(edit)};
}

// Chords through the window system, which sends the modifier's own press first; the
// cells of row 0 that each paints with the chosen value 0.
struct WindowChord {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<int> painted;
};
const WindowChord kWindowChords[] = {
    {"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier, {}},
    {"ShiftA", Qt::Key_A, Qt::ShiftModifier, {}},
    {"ShiftAlone", Qt::Key_Shift, Qt::NoModifier, {0}},
    {"ShiftRightPaintsFromWhereShiftWentDown", Qt::Key_Right, Qt::ShiftModifier, {0, 1}},
    {"CtrlRightPaints", Qt::Key_Right, Qt::ControlModifier, {1}},
    {"AltRightPaints", Qt::Key_Right, Qt::AltModifier, {1}},
};

void AddMatrixRows(std::vector<Gesture>& rows) {
  struct Chord {
    const char* name;
    int keyCode;
    int shift;
  };
  // Alt and Ctrl alone come as the X server sends their press: with no modifier held yet.
  const Chord kNoWriting[] = {{"Alt", vb::KeyMenu, 0},
                              {"Ctrl", vb::KeyControl, 0},
                              {"CtrlC", 'C', vb::CtrlMask},
                              {"AltTab", vb::KeyTab, vb::AltMask}};
  for (const MatrixEditorButton& editor : kMatrixEditors) {
    const std::string window = editor.name == "Status" ? "frmStatus" : "frmFilter";
    for (const Chord& chord : kNoWriting) {
      rows.push_back(InMatrixEditor(
          editor, chord.name,
          [chord](MatrixEditor& grid) {
            KeysAndWheel::Press(grid.picStatus, chord.keyCode, chord.shift);
          },
          With(window)));
    }
    for (const WindowChord& chord : kWindowChords) {
      rows.push_back(InMatrixEditor(
          editor, chord.name,
          [chord](MatrixEditor& grid) {
            ASSERT_TRUE(grid.picStatus.HasFocus());
            QTest::keyClick(grid.Window()->windowHandle(), chord.key, chord.modifiers);
            EXPECT_EQ(grid.picStatus.HasFocus(), chord.key != Qt::Key_Backtab);
          },
          With(window),
          [cells = editor.cells, painted = chord.painted](ProjectHeader&,
                                                          CommandRecordList& records) {
            for (const int column : painted) {
              (records[0].*cells)[column] = 0;
            }
          }));
    }
    rows.push_back(InMatrixEditor(
        editor, "CtrlEscapeKeepsItOpen",
        [](MatrixEditor& grid) {
          KeysAndWheel::Press(grid.picStatus, vb::KeyEscape, vb::CtrlMask);
        },
        With(window)));
    // Painting with Shift still writes the chosen value 0 as the cursor moves.
    rows.push_back(InMatrixEditor(
        editor, "ShiftRightPaints",
        [](MatrixEditor& grid) {
          KeysAndWheel::Press(grid.picStatus, vb::KeyRight, vb::ShiftMask);
        },
        With(window),
        [cells = editor.cells](ProjectHeader&, CommandRecordList& records) {
          (records[0].*cells)[1] = 0;
        }));
    rows.push_back(InMatrixEditor(
        editor, "Escape",
        [](MatrixEditor& grid) { KeysAndWheel::Press(grid.picStatus, vb::KeyEscape); }, kMain));
    rows.push_back(InMatrixEditor(
        editor, "ReturnOnOk",
        [](MatrixEditor& grid) {
          grid.cmdOK.SetFocus();
          KeysAndWheel::Press(grid.cmdOK, vb::KeyReturn);
        },
        kMain));
  }
}

// The instructions window as it opens on the way to page 1.
Gesture InInstructions(std::string name, int keyCode, int shift = 0, Windows shown = kMain) {
  return {"Instructions" + name,
          1,
          [keyCode, shift](KeysAndWheel& t, frmWizard& w) {
            t.Navigate(0);
            InfoShown = false;
            t.ui.QueueModalFormAction([&t, keyCode, shift](ui::Form& form) {
              ASSERT_TRUE(BecomesActive(form));
              auto& info = static_cast<frmInfo&>(form);
              info.Text1.SetFocus();
              KeysAndWheel::Press(info.Text1, keyCode, shift);
              t.NoteShown();
            });
            t.Navigate(1);
            EXPECT_EQ(w.WizardPage, 1);
          },
          std::move(shown),
          {}};
}

// The description window with a word typed at the end of its box.
Gesture InDescription(std::string name, std::function<void(frmFileInfo&)> close, bool stores,
                      Windows shown = kMain) {
  Edit edit;
  if (stores) {
    edit = [](ProjectHeader& header, CommandRecordList&) {
      header.FileInfo.Set("project with every kind of data, typed");
    };
  }
  return {"Description" + name, 1,
          [close](KeysAndWheel&, frmWizard& w) {
            testing_ui::ClickControl(w.CmdFileInfo);
            frmFileInfo& info = w.FileInfoWindow;
            ASSERT_TRUE(BecomesActive(info));
            info.txtDescription.SetFocus();
            testing_ui::PressKey(info.txtDescription, vb::KeyEnd, vb::CtrlMask);
            testing_ui::TypeText(info.txtDescription, ", typed");
            close(info);
          },
          std::move(shown), std::move(edit)};
}

// The list editor on the Rx-COM1 list, opened from page 1 with the focus in the first
// name box.
Gesture InListEditor(std::string name, std::function<void(KeysAndWheel&, frmList&)> action,
                     Windows shown, Edit edit = {}) {
  return {"ListEditor" + name, 1,
          [action](KeysAndWheel& t, frmWizard& w) {
            ListRecordNo = 0;
            t.InModal<frmList>(w.cmdList[0], [&t, action](frmList& editor) {
              action(t, editor);
              t.NoteShown();
            });
          },
          std::move(shown), std::move(edit)};
}

// The code chart opened from row 0 of the list editor, with the code 41 collected.
Gesture InCodeChart(std::string name, std::function<void(frmAscCode&)> close, Edit edit) {
  return InListEditor(
      "CodeChart" + name,
      [close](KeysAndWheel& t, frmList& editor) {
        t.InModal<frmAscCode>(editor.cmdAscHex[0], [&t, close](frmAscCode& chart) {
          chart.List1.SetFocus();
          chart.List1.SetListIndex(0x41);
          close(chart);
          t.NoteShown();
        });
      },
      With("frmList"), std::move(edit));
}

// The log window, shown with a line in it.
Gesture InLog(std::string name, std::function<void(frmTest&)> action, Windows shown) {
  return {"Log" + name,
          1,
          [action](KeysAndWheel&, frmWizard& w) {
            w.TestWindow.Text1.SetText("ERROR READ IDNUMBER\r\n");
            w.TestWindow.Show(&w);
            ASSERT_TRUE(BecomesActive(w.TestWindow));
            action(w.TestWindow);
          },
          std::move(shown),
          {}};
}

std::vector<Gesture> Gestures() {
  std::vector<Gesture> rows = {
      UnfocusedWheel("Page1Baud", 1, [](frmWizard& w) -> ui::ComboBox& { return w.Combo3; }),
      UnfocusedWheel("Page2BackAnswer", 2,
                     [](frmWizard& w) -> ui::ComboBox& { return w.cmbBackAnswer[0]; }),
      UnfocusedWheel("Page3TransTo", 3,
                     [](frmWizard& w) -> ui::ComboBox& { return w.cmbTransTo2[0]; }),
      {"WheelStepsAFocusedComboOneItemANotch", 2,
       [](KeysAndWheel&, frmWizard& w) {
         w.cmbBackAnswer[0].SetFocus();
         testing_ui::TurnWheel(w.cmbBackAnswer[0], -kNotch / 2);  // one notch in two parts
         testing_ui::TurnWheel(w.cmbBackAnswer[0], -kNotch / 2);
         EXPECT_EQ(w.cmbBackAnswer[0].ListIndex(), 2);
       },
       kMain, [](ProjectHeader&, CommandRecordList& records) { records[0].BackAnswerNo = 1; }},
      {"EscapeInAPage2NameBox",
       2,
       [](KeysAndWheel&, frmWizard& w) {
         w.txtInfo[0].SetFocus();
         KeysAndWheel::Press(w.txtInfo[0], vb::KeyEscape);
       },
       kMain,
       {}},
      {"ReturnOnTheFocusedNextButton",
       1,
       [](KeysAndWheel&, frmWizard& w) {
         w.cmdNavi[1].SetFocus();
         KeysAndWheel::Press(w.cmdNavi[1], vb::KeyReturn);
         EXPECT_EQ(w.WizardPage, 2);
       },
       kMain,
       {}},
      // A held Return clicks the focused button once: Next turns one page.
      {"HeldReturnOnNextTurnsOnePage",
       2,
       [](KeysAndWheel&, frmWizard& w) {
         w.cmdNavi[1].SetFocus();
         QWindow* window = w.Window()->windowHandle();
         for (const bool repeat : {false, true, true, true}) {
           QTest::simulateEvent(window, true, Qt::Key_Return, {}, "\r", repeat);
         }
         QTest::simulateEvent(window, false, Qt::Key_Return, {}, "\r", false);
         EXPECT_EQ(w.WizardPage, 3);
       },
       kMain,
       {}},
      InInstructions("Return", vb::KeyReturn),
      InInstructions("Escape", vb::KeyEscape),
      InInstructions("AltReturnKeepsThemOpen", vb::KeyReturn, vb::AltMask, With("frmInfo")),
      InDescription(
          "CtrlEscapeKeepsItOpen",
          [](frmFileInfo& info) {
            KeysAndWheel::Press(info.txtDescription, vb::KeyEscape, vb::CtrlMask);
          },
          false, With("frmFileInfo")),
      // Tab leaves the box for OK and types nothing into it.
      InDescription(
          "TabMovesToOk",
          [](frmFileInfo& info) {
            QTest::keyClick(info.Window()->windowHandle(), Qt::Key_Tab);
            KeysAndWheel::Press(info.cmdOk, vb::KeyReturn);
          },
          true),
      InDescription(
          "Escape",
          [](frmFileInfo& info) { KeysAndWheel::Press(info.txtDescription, vb::KeyEscape); },
          false),
      InDescription(
          "ReturnOnCancel",
          [](frmFileInfo& info) {
            info.cmdCancel.SetFocus();
            KeysAndWheel::Press(info.cmdCancel, vb::KeyReturn);
          },
          false),
      InDescription(
          "ReturnOnOk",
          [](frmFileInfo& info) {
            info.cmdOk.SetFocus();
            KeysAndWheel::Press(info.cmdOk, vb::KeyReturn);
          },
          true),
      // Escape where the ASCII box shows a byte 00 as "|": its release must not reach
      // the box of the window closed, which would make it 7C.
      InListEditor(
          "EscapeKeepsTheTypedName",
          [](KeysAndWheel&, frmList& editor) {
            testing_ui::TypeText(editor.txtInfo[0], "X");
            testing_ui::ClickControl(editor.txtUserASC[0]);
            KeysAndWheel::Press(editor.txtUserASC[0], vb::KeyEscape);
            EXPECT_EQ(platform::GetSetting(AppTitle, "AscFill", "On", "(none)"), "1");
          },
          kMain,
          [](ProjectHeader&, CommandRecordList& records) { records[0].RxCom1Info.Set("name 0X"); }),
      InListEditor(
          "ReturnMovesToTheAsciiBox",
          [](KeysAndWheel&, frmList& editor) {
            KeysAndWheel::Press(editor.txtInfo[0], vb::KeyReturn);
            EXPECT_TRUE(editor.txtUserASC[0].HasFocus());
          },
          With("frmList")),
      InListEditor(
          "ReturnOnOk",
          [](KeysAndWheel&, frmList& editor) {
            editor.cmdOK.SetFocus();
            KeysAndWheel::Press(editor.cmdOK, vb::KeyReturn);
          },
          kMain),
      InCodeChart("EscapeCancels",
                  [](frmAscCode& chart) { KeysAndWheel::Press(chart.List1, vb::KeyEscape); }, {}),
      InCodeChart(
          "ReturnOnOk",
          [](frmAscCode& chart) {
            chart.CmdHex[2].SetFocus();
            KeysAndWheel::Press(chart.CmdHex[2], vb::KeyReturn);
          },
          // The description follows the ASCII text, as the box is ticked.
          [](ProjectHeader&, CommandRecordList& records) {
            records[0].RxCom1Cmd.Set("41");
            records[0].RxCom1Len = 2;
            records[0].RxCom1Info.Set("A");
          }),
      InLog(
          "Escape", [](frmTest& log) { KeysAndWheel::Press(log.Text1, vb::KeyEscape); }, kMain),
      InLog(
          "ReturnOnClear",
          [](frmTest& log) {
            log.Command1.SetFocus();
            KeysAndWheel::Press(log.Command1, vb::KeyReturn);
            EXPECT_EQ(log.Text1.Text(), "");
          },
          With("frmTest")),
  };
  AddMatrixRows(rows);
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, KeysAndWheel, ::testing::ValuesIn(Gestures()),
                         [](const ::testing::TestParamInfo<Gesture>& info) {
                           return info.param.name;
                         });

}  // namespace
