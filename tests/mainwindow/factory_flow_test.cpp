// The factory-reset button against the simulated module.
#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "simulator/module_state.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

class FactoryFlowTest : public DeviceFlowTest {
 protected:
  static std::string SideQuestion(const std::string& port) {
    return LangText[536] + " " + port + " ?";
  }
  static std::string NotFound() { return LangText[534] + "\r\n" + gsErrorCauses; }
  static std::string NewQuestion() { return LangText[538] + "\r\n" + LangText[539]; }
  void ExpectWindowAtRest(frmWizard& w) {
    EXPECT_TRUE(w.cmdSearchCom.Enabled() && w.CmdFactory.Enabled() && w.Frame1.Enabled());
    EXPECT_EQ(w.Pointer(), platform::ui::MousePointer::Default) << "no hourglass left";
    EXPECT_FALSE(w.FrameTransfer.Visible() || w.PicPortParameter.Visible() ||
                 w.lblRunFind.Visible() || w.lblInfotext.Visible() || w.imgInfoCom[0].Visible() ||
                 w.imgInfoCom[1].Visible());
    EXPECT_EQ(w.lblRunFind.Caption(), "");
  }
};

struct ResetCase {
  const char* name;
  int moduleSide;  // plugged into PC port COM1
  const char* port;
  std::vector<std::size_t> lists;
  friend void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }
};

class FactoryResetSide : public FactoryFlowTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(FactoryResetSide, YesResetsTheSideFoundAndEndsWithTheNewQuestion) {
  const ResetCase& c = GetParam();
  Connect({}, c.moduleSide == 0 ? 1 : 0, c.moduleSide == 1 ? 1 : 0)
      .Core()
      .SetState(UsedModuleState());
  frmWizard& w = StartOnPage(1);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  testing_ui::ClickControl(w.CmdFactory);

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{SideQuestion(c.port), NewQuestion()}));
  EXPECT_EQ(ui.MessageBoxes()[0].title, LangText[537]);
  EXPECT_EQ(ui.MessageBoxes()[0].buttons, mb::YesNo);
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Question);
  simulator::ModuleState expected = UsedModuleState();
  const simulator::ModuleState factory = simulator::FactoryState();
  for (const std::size_t list : c.lists) {
    expected.entries[list] = factory.entries[list];
  }
  if (c.moduleSide == 0) {
    expected.flagsA = factory.flagsA;
    expected.flagsC = factory.flagsC;
  }
  expected.ports[static_cast<std::size_t>(c.moduleSide)] = simulator::ModulePortSettings{};
  EXPECT_EQ(module->Core().State(), expected);
  EXPECT_EQ(w.lblModulVersionView.Caption(),
            LangText[533] + (c.moduleSide == 0 ? "Pelvaron-A5" : "Pelvaron-B5"));
  EXPECT_EQ(w.ProgressBar1.Position(), 0);
  EXPECT_EQ(w.lblTransfer1.Caption(), LangText[694]);
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(Sides, FactoryResetSide,
                         ::testing::Values(ResetCase{"A", 0, "COM1", {0, 1, 2}},
                                           ResetCase{"B", 1, "COM2", {3, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The boxes of a run whose questions are all answered No: "A" and "B" stand for the
// side questions, "-" for the box of a module not found.
struct QuestionCase {
  const char* name;
  simulator::SimOptions options;
  int pcPortA;
  int pcPortB;
  bool twoPort;
  std::string boxes;
  friend void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }
};

class FactoryQuestions : public FactoryFlowTest,
                         public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(FactoryQuestions, EachPassAsksOrReportsAndNothingIsSentOnNo) {
  const QuestionCase& c = GetParam();
  Connect(c.options, c.pcPortA, c.pcPortB).Core().SetState(UsedModuleState());
  frmWizard& w = StartOnPage(1);
  w.chkTwoPort.SetValue(c.twoPort ? 1 : 0);
  testing_ui::ClickControl(w.CmdFactory);

  std::vector<std::string> expected;
  for (const char box : c.boxes) {
    expected.push_back(box == 'A'   ? SideQuestion("COM1")
                       : box == 'B' ? SideQuestion("COM2")
                                    : NotFound());
  }
  expected.push_back(NewQuestion());
  EXPECT_EQ(BoxTexts(), expected);
  EXPECT_EQ(module->Core().State(), UsedModuleState());
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FactoryQuestions,
    ::testing::Values(QuestionCase{"NoModule", {}, 0, 0, false, "-"},
                      QuestionCase{"NoModuleTwoPort", {}, 0, 0, true, "--"},
                      QuestionCase{"SilentModule", {.silent = true}, 1, 2, false, "-"},
                      QuestionCase{"BothPortsInPcOrder", {}, 2, 1, true, "BA"},
                      QuestionCase{"OnePortOfTwo", {}, 1, 0, true, "A-"},
                      // the side letter is unreadable: the question names COM2
                      QuestionCase{"LowerCase", {.lowerCase = true}, 1, 0, false, "B"}),
    [](const auto& info) { return std::string(info.param.name); });

// Side B against a module that answers oddly: the reset still goes through, or ends
// with the box of its first unanswered command ("" for none).
struct OddModuleCase {
  const char* name;
  simulator::SimOptions options;
  TextKey errorBox;
  friend void PrintTo(const OddModuleCase& c, std::ostream* os) { *os << c.name; }
};

class FactoryOddModule : public FactoryFlowTest,
                         public ::testing::WithParamInterface<OddModuleCase> {};

TEST_P(FactoryOddModule, ResetsOrReportsItsFirstUnansweredCommand) {
  const OddModuleCase& c = GetParam();
  Connect(c.options, 0, 1).Core().SetState(UsedModuleState());
  frmWizard& w = StartOnPage(1);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  testing_ui::ClickControl(w.CmdFactory);
  std::vector<std::string> expected{SideQuestion("COM2")};
  if (c.errorBox != 0) {
    expected.push_back(LangText[c.errorBox] + "\r\n" + gsErrorCauses);
  }
  expected.push_back(NewQuestion());
  EXPECT_EQ(BoxTexts(), expected);
  const simulator::ModuleState state = module->Core().State();
  if (c.errorBox == 0) {
    EXPECT_EQ(state.entries[3], simulator::FactoryState().entries[3]);
    EXPECT_EQ(state.entries[4], simulator::FactoryState().entries[4]);
    EXPECT_EQ(state.ports[1], simulator::ModulePortSettings{});
  } else {
    EXPECT_EQ(state.ports[1], UsedModuleState().ports[1]);
  }
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FactoryOddModule,
    ::testing::Values(OddModuleCase{"AnswersInPieces", {.pieceGapMs = 20}, 0},
                      OddModuleCase{"OnlyAt19200", {.onlySpeed = 19200}, 0},
                      OddModuleCase{"Release4", {.release = 4}, 0},
                      // its echo names the next entry, which counts as no answer
                      OddModuleCase{"AnswersForAnotherEntry", {.wrongEntry = true}, 690}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FactoryFlowTest, ModuleKilledDuringTheResetIsReported) {
  ConnectProcessKilledDuring(std::string("_:PLD") + char{12} + 'S', 0, 1);
  frmWizard& w = StartOnPage(1);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  testing_ui::ClickControl(w.CmdFactory);
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{SideQuestion("COM2"), LangText[690] + "\r\n" + gsErrorCauses,
                                      NewQuestion()}));
  EXPECT_EQ(CommandsSentAfterTheCut(), 1) << "one unanswered command, then the end";
  ExpectWindowAtRest(w);
}

TEST_F(FactoryFlowTest, ModuleFallingSilentDuringTheResetIsReported) {
  Connect({.stopAfter = 10}, 0, 1);
  frmWizard& w = StartOnPage(1);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  testing_ui::ClickControl(w.CmdFactory);
  // two searches' version queries, the reset's version and side checks, then entries
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{SideQuestion("COM2"), LangText[690] + "\r\n" + gsErrorCauses,
                                      NewQuestion()}));
  ExpectWindowAtRest(w);
}

}  // namespace
