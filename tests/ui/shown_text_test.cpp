// Texts that look like markup show as they stand in every widget that shows a text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"

namespace platform::ui {
namespace {

class frmShown : public Form {
 public:
  frmShown() : Form("frmShown") {
    SetClientSize(400, 200);
    lblName.Move(10, 10, 380, 40);
    cmdOK.Move(10, 60, 80, 25);
    cmdOK.SetCaption("&Ok");
  }
  Label lblName{*this, "lblName"};
  CommandButton cmdOK{*this, "cmdOK"};
  Menu mnuList{*this, "mnuList"};
  ControlArray<MenuItem> mnuListItem{mnuList, "mnuListItem", 0, 0};
};

struct Typed {
  const char* text;  // Windows-1252
  const char* shown;
  bool oneLine;
};

const Typed kTexts[] = {
    {"<b>Alpha</b> and <i>Beta</i> here", "<b>Alpha</b> and <i>Beta</i> here", true},
    {"<SUB> end of file", "<SUB> end of file", true},
    {"&amp; &lt;x&gt; <del> key", "&amp; &lt;x&gt; <del> key", true},
    {"one<br>two", "one<br>two", true},
    {"C:/Daten & Co/[*] <CR>.vrx", "C:/Daten & Co/[*] <CR>.vrx", true},
    {"<qt>Zeile 1\r\nZeile  2</qt>", "<qt>Zeile 1\nZeile  2</qt>", false},
};

// The label of Qt's tool tip while it shows.
QLabel* ShownToolTipLabel() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "qtooltip_label" && widget->isVisible()) {
      return qobject_cast<QLabel*>(widget);
    }
  }
  return nullptr;
}

// A menu item's text as the menu draws it: "&&" is "&", "&" before a letter marks it.
QString MenuShows(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      text.remove(i, 1);
    }
  }
  return text;
}

class ShownText : public ::testing::Test {
 protected:
  ShownText() {
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  }
  testing::UiHarness ui;
  frmShown form;
};

TEST_F(ShownText, LabelsToolTipsAndTitlesShowTheTextAsTyped) {
  for (const Typed& typed : kTexts) {
    SCOPED_TRACE(typed.text);
    const QString shown = QString::fromLatin1(typed.shown);

    form.lblName.SetCaption(typed.text);
    EXPECT_EQ(testing::LabelShows(*static_cast<QLabel*>(form.lblName.Widget())), shown);

    form.cmdOK.SetToolTipText(typed.text);
    EXPECT_EQ(form.cmdOK.ToolTipText(), typed.text);
    QWidget* button = form.cmdOK.Widget();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    QLabel* tip = ShownToolTipLabel();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(testing::LabelShows(*tip), shown);
    QToolTip::hideText();

    if (!typed.oneLine) {
      continue;
    }
    form.SetCaption(typed.text);
    EXPECT_EQ(form.Caption(), typed.text);
    EXPECT_EQ(form.Window()->windowHandle()->title(), shown);
  }
}

TEST_F(ShownText, NoToolTipForAnEmptyText) {
  form.cmdOK.SetToolTipText("x");
  form.cmdOK.SetToolTipText("");
  EXPECT_EQ(form.cmdOK.ToolTipText(), "");
  EXPECT_TRUE(form.cmdOK.Widget()->toolTip().isEmpty());
}

// A menu item shows its "&" and marks no access key; the chosen item still runs.
TEST_F(ShownText, MenuItemsShowTheTextAsTyped) {
  int clicked = -1;
  form.mnuListItem.Click = [&clicked](int Index) { clicked = Index; };
  for (const Typed& typed : kTexts) {
    if (!typed.oneLine) {
      continue;
    }
    SCOPED_TRACE(typed.text);
    form.mnuListItem[0].SetCaption(typed.text);
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr || !menu->isVisible()) {
        return;
      }
      poll.stop();
      text = menu->actions().value(0)->text();
      QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start(10);
    clicked = -1;
    SetDialogInterceptor(nullptr);  // the menu itself, not the harness's answer
    form.PopupMenu(form.mnuList);
    SetDialogInterceptor(&ui);
    EXPECT_EQ(MenuShows(text), QString::fromLatin1(typed.shown));
    EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty());
    EXPECT_EQ(clicked, 0);
  }
}

}  // namespace
}  // namespace platform::ui
